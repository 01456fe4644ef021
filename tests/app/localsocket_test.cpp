// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The socket steps under the one run per folder: what a caller that hangs up, talks too
// long or says nothing does to them.
#include "app/localsocket.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>

#include <sys/socket.h>
#include <unistd.h>

namespace {

struct Pair {
    Pair() { EXPECT_EQ(::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0, fd), 0); }
    ~Pair()
    {
        localsocket::close(fd[0]);
        localsocket::close(fd[1]);
    }
    int fd[2] = {-1, -1};
};

} // namespace

// Writing to a caller that has gone fails instead of ending the program with SIGPIPE.
TEST(LocalSocket, sendingToAPeerThatHasGoneFailsQuietly)
{
    Pair pair;
    ::close(std::exchange(pair.fd[1], -1));
    EXPECT_FALSE(localsocket::sendAll(pair.fd[0], "ok\n", QDeadlineTimer(100)));
}

TEST(LocalSocket, aLineEndsAtItsNewlineAtTheLimitOrAtTheDeadline)
{
    const struct {
        QByteArray sent;
        qsizetype limit;
        QByteArray got;
    } cases[] = {
        {"quitting\nmore\n", 64, "quitting\n"},
        {"ok\n", 64, "ok\n"},
        {QByteArray(100, 'f'), 64, QByteArray(64, 'f')},
        {"no newline", 64, "no newline"}, // then nothing more until the deadline
        {"", 64, ""},
    };
    for (const auto &c : cases) {
        Pair pair;
        ASSERT_TRUE(localsocket::sendAll(pair.fd[1], c.sent, QDeadlineTimer(100)));
        QElapsedTimer clock;
        clock.start();
        EXPECT_EQ(localsocket::receiveLine(pair.fd[0], c.limit, QDeadlineTimer(300)), c.got)
            << c.sent.constData();
        const bool waits = !c.sent.contains('\n') && c.sent.size() < c.limit;
        EXPECT_EQ(clock.elapsed() >= 250, waits) << c.sent.constData();
    }
}

TEST(LocalSocket, listensWhereNothingIsAndSaysWhyNotElsewhere)
{
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath("run");
    const int first = localsocket::listenAt(path);
    ASSERT_GE(first, 0);
    const int caller = localsocket::connectTo(path);
    EXPECT_GE(caller, 0);
    const int served = localsocket::accept(first);
    EXPECT_GE(served, 0);
    EXPECT_LT(localsocket::accept(first), 0); // nobody else waits
    EXPECT_LT(localsocket::listenAt(path), 0);
    EXPECT_EQ(errno, EADDRINUSE);
    EXPECT_LT(localsocket::listenAt(QDir(dir.path()).filePath(QString(120, 'x'))), 0);
    EXPECT_LT(localsocket::connectTo(QDir(dir.path()).filePath("nobody")), 0);
    for (const int fd : {first, caller, served})
        localsocket::close(fd);
}
