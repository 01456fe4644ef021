// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "termination.h"

#include <QSocketNotifier>

#include <array>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr std::array<int, 3> asked{SIGTERM, SIGHUP, SIGINT};
int writeEnd = -1;

extern "C" void onSignal(int number)
{
    const char byte = static_cast<char>(number);
    // Nothing else is safe here; a full socket loses a repeat of a request already made.
    (void)!::write(writeEnd, &byte, 1);
}

} // namespace

Termination::Termination()
{
    std::array<int, 2> pair{};
    if (writeEnd != -1 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, pair.data()) != 0)
        return;
    m_read = pair[0];
    writeEnd = pair[1];
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int number : asked)
        sigaction(number, &action, nullptr);
    m_notifier = std::make_unique<QSocketNotifier>(m_read, QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &Termination::takeSignal);
}

Termination::~Termination()
{
    if (m_read == -1)
        return;
    for (const int number : asked)
        std::signal(number, SIG_DFL);
    m_notifier.reset();
    ::close(m_read);
    ::close(writeEnd);
    writeEnd = -1;
}

void Termination::takeSignal()
{
    char byte = 0;
    while (::read(m_read, &byte, 1) == 1)
        emit requested(byte);
}
