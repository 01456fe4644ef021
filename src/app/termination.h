// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <memory>

class QSocketNotifier;

// The system asks the program to end: SIGTERM (the desktop's logout, a shutdown, kill),
// SIGHUP (its terminal closed) or SIGINT (Ctrl+C there). A handler may do almost nothing,
// so it writes a byte into a socket that the event loop watches, and the loop says it.
// One at a time: the handlers are the process's. Destroyed, it gives the signals back.
class Termination : public QObject {
    Q_OBJECT
public:
    Termination();
    ~Termination() override;
    Termination(const Termination &) = delete;
    Termination &operator=(const Termination &) = delete;

    // False when the socket or a handler could not be set up: the signals end the
    // program as the system's default does.
    [[nodiscard]] bool isWatching() const { return m_notifier != nullptr; }

signals:
    void requested(int signal);

private:
    void takeSignal();

    int m_read = -1;
    std::unique_ptr<QSocketNotifier> m_notifier;
};
