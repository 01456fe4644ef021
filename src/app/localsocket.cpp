// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "localsocket.h"

#include <QFile>

#include <cerrno>
#include <cstring>

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace localsocket {

namespace {

// The address of path; false when the path is too long for one.
bool addressOf(const QString &path, sockaddr_un &address)
{
    const QByteArray name = QFile::encodeName(path);
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (name.isEmpty() || name.size() >= qsizetype(sizeof address.sun_path)) {
        errno = ENAMETOOLONG;
        return false;
    }
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    return true;
}

// A new socket for path and its address; -1 when either cannot be had.
int socketFor(const QString &path, sockaddr_un &address)
{
    if (!addressOf(path, address))
        return -1;
    return ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
}

// Waits until fd is ready for events or the deadline passes.
bool waitFor(int fd, short events, QDeadlineTimer deadline)
{
    for (;;) {
        pollfd polled{fd, events, 0};
        const int ready = ::poll(&polled, 1, int(deadline.remainingTime()));
        if (ready >= 0 || errno != EINTR)
            return ready > 0;
    }
}

} // namespace

int listenAt(const QString &path)
{
    sockaddr_un address{};
    const int fd = socketFor(path, address);
    if (fd < 0)
        return -1;
    // Bound, then narrowed to this user before anyone is let in by listen().
    if (::bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0
        && ::chmod(address.sun_path, S_IRUSR | S_IWUSR) == 0 && ::listen(fd, 8) == 0)
        return fd;
    const int error = errno;
    ::close(fd);
    errno = error;
    return -1;
}

int accept(int listening)
{
    for (;;) {
        const int fd = ::accept4(listening, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd >= 0 || errno != EINTR)
            return fd;
    }
}

int connectTo(const QString &path)
{
    sockaddr_un address{};
    const int fd = socketFor(path, address);
    if (fd < 0)
        return -1;
    // A local connection is made at once or not at all (EAGAIN: the queue of a run that
    // does not accept is full): the caller tries again.
    if (::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0)
        return fd;
    ::close(fd);
    return -1;
}

bool sendAll(int fd, const QByteArray &bytes, QDeadlineTimer deadline)
{
    qsizetype sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::send(fd, bytes.constData() + sent, size_t(bytes.size() - sent), MSG_NOSIGNAL);
        if (n > 0)
            sent += n;
        else if (n == 0 || (errno != EINTR && (errno != EAGAIN || !waitFor(fd, POLLOUT, deadline))))
            return false;
    }
    return true;
}

bool receiveAvailable(int fd, QByteArray &got)
{
    for (;;) {
        char chunk[256];
        const ssize_t n = ::recv(fd, chunk, sizeof chunk, 0);
        if (n > 0)
            got.append(chunk, n);
        else if (n < 0 && errno == EINTR)
            continue;
        else
            return n < 0 && errno == EAGAIN; // 0: the other side has closed
    }
}

QByteArray receiveLine(int fd, qsizetype limit, QDeadlineTimer deadline)
{
    QByteArray got;
    while (!got.contains('\n') && got.size() < limit) {
        if (!waitFor(fd, POLLIN, deadline) || !receiveAvailable(fd, got))
            break;
    }
    const qsizetype end = got.indexOf('\n');
    return got.left(std::min(end < 0 ? got.size() : end + 1, limit));
}

void close(int fd)
{
    if (fd >= 0)
        ::close(fd);
}

} // namespace localsocket
