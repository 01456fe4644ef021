// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QString>

// The few steps of a Unix domain socket that one run per folder needs, on plain file
// descriptors: linking the network module for them cost every start milliseconds.
// Every descriptor is close-on-exec and non-blocking; writes never raise SIGPIPE.
namespace localsocket {

// A socket listening at path that only this user may connect to; -1 with errno set when
// it cannot be made (EADDRINUSE: a socket file is already there).
[[nodiscard]] int listenAt(const QString &path);
// The next caller waiting on a listening socket, or -1 when none waits.
[[nodiscard]] int accept(int listening);
// A connection to the socket at path, or -1 when nothing listens there now.
[[nodiscard]] int connectTo(const QString &path);
// Sends all of bytes before the deadline; false when they could not all go.
[[nodiscard]] bool sendAll(int fd, const QByteArray &bytes, QDeadlineTimer deadline);
// What arrives up to and with the first newline, at most limit bytes, until the other side
// closes or the deadline passes.
[[nodiscard]] QByteArray receiveLine(int fd, qsizetype limit, QDeadlineTimer deadline);
// What can be read now without waiting, appended to got; false once the other side has
// closed (or failed).
bool receiveAvailable(int fd, QByteArray &got);
void close(int fd);

} // namespace localsocket
