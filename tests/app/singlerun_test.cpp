// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// One run per program folder, within this process: the lock, the socket and its request.
#include "app/singlerun.h"
#include "common/testfiles.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

#include <sys/un.h>
#include <unistd.h>

using namespace std::chrono_literals;
using Outcome = SingleRun::Outcome;

namespace {

// Sends the bytes as a later start would, and hangs up; true when they went out.
bool sendTo(const QString &serverName, const QByteArray &bytes)
{
    QLocalSocket socket;
    socket.connectToServer(serverName);
    if (!socket.waitForConnected(1000))
        return false;
    socket.write(bytes);
    return socket.waitForBytesWritten(1000);
}

bool comesForward(QSignalSpy &spy, int count = 1)
{
    return QTest::qWaitFor([&] { return spy.count() >= count; }, 2000) && spy.count() == count;
}

// Sets XDG_RUNTIME_DIR for one test and puts it back.
struct RuntimeFolder {
    explicit RuntimeFolder(const QString &path) { qputenv(name, path.toLocal8Bit()); }
    ~RuntimeFolder()
    {
        if (had)
            qputenv(name, old);
        else
            qunsetenv(name);
    }
    static constexpr const char *name = "XDG_RUNTIME_DIR";
    bool had = qEnvironmentVariableIsSet(name);
    QByteArray old = qgetenv(name);
};

} // namespace

TEST(SingleRun, twoFoldersRunSideBySideAndEachHearsOnlyItsOwnLaterStarts)
{
    QTemporaryDir a;
    QTemporaryDir b;
    SingleRun runA(a.path());
    SingleRun runB(b.path());
    ASSERT_EQ(runA.claim(), Outcome::First);
    ASSERT_EQ(runB.claim(), Outcome::First);
    EXPECT_NE(runA.serverName(), runB.serverName());
    // The same folder by another spelling is the same folder.
    EXPECT_EQ(SingleRun(a.path() + QStringLiteral("/./")).serverName(), runA.serverName());

    QSignalSpy spyA(&runA, &SingleRun::comeForward);
    QSignalSpy spyB(&runB, &SingleRun::comeForward);
    ASSERT_TRUE(sendTo(runB.serverName(), SingleRun::request()));
    EXPECT_TRUE(comesForward(spyB));
    EXPECT_EQ(spyA.count(), 0);
    SingleRun laterA(a.path(), 1s);
    EXPECT_EQ(laterA.claim(), Outcome::Forwarded);
    EXPECT_TRUE(comesForward(spyA));
    EXPECT_EQ(spyB.count(), 1);
}

TEST(SingleRun, comesForwardOnlyForItsOneRequestAndClosesEveryConnection)
{
    QTemporaryDir dir;
    SingleRun run(dir.path());
    ASSERT_EQ(run.claim(), Outcome::First);
    QSignalSpy spy(&run, &SingleRun::comeForward);

    QLocalSocket lingering;
    lingering.connectToServer(run.serverName());
    ASSERT_TRUE(lingering.waitForConnected(1000));
    lingering.write("hello\n");
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return lingering.state() == QLocalSocket::UnconnectedState; }, 2000));

    for (const QByteArray &wrong : {QByteArray("FORWARD\n"), QByteArray("forward"),
                                    QByteArray("forward\nforward\n"), QByteArray(200, 'f')})
        ASSERT_TRUE(sendTo(run.serverName(), wrong)) << wrong.constData();
    QTest::qWait(200);
    EXPECT_EQ(spy.count(), 0);
    // The right request still gets through after them.
    ASSERT_TRUE(sendTo(run.serverName(), SingleRun::request()));
    EXPECT_TRUE(comesForward(spy));
}

// A run may go on for weeks: its lock is never taken for its age while its process lives.
TEST(SingleRun, anOldLockOfALiveRunStillHoldsTheFolder)
{
    QTemporaryDir runtime;
    const RuntimeFolder env(runtime.path()); // the lock's folder, this test's alone
    QTemporaryDir dir;
    SingleRun first(dir.path());
    ASSERT_EQ(first.claim(), Outcome::First);
    QSignalSpy spy(&first, &SingleRun::comeForward);
    QFile lock(first.lockPath());
    ASSERT_TRUE(lock.open(QIODevice::ReadOnly));
    const QByteArray held = lock.readAll();
    ASSERT_TRUE(lock.setFileTime(QDateTime::currentDateTime().addDays(-40),
                                 QFileDevice::FileModificationTime));
    lock.close();
    QTest::qWait(50); // past the file system's clock step, so any change shows
    const QDateTime folderChanged = QFileInfo(runtime.path()).lastModified();

    SingleRun later(dir.path(), 500ms);
    EXPECT_EQ(later.claim(), Outcome::Forwarded);
    EXPECT_EQ(readBytes(lock.fileName()), held);
    // Not even for a moment a file of its own (the removal lock of a stale one).
    EXPECT_EQ(QFileInfo(runtime.path()).lastModified(), folderChanged);
    EXPECT_TRUE(comesForward(spy));
}

// A crash as the lock file was written leaves one that names no run: it holds nothing.
TEST(SingleRun, aLockFileThatNamesNoRunIsClearedAfterTheWait)
{
    QTemporaryDir dir;
    SingleRun run(dir.path(), 200ms);
    writeBytes(run.lockPath(), "");
    EXPECT_EQ(run.claim(), Outcome::First);
    qint64 pid = 0;
    QString host;
    QString name;
    ASSERT_TRUE(QLockFile(run.lockPath()).getLockInfo(&pid, &host, &name));
    EXPECT_EQ(pid, QCoreApplication::applicationPid());
}

// A killed run leaves its socket file behind; the next run listens there all the same.
TEST(SingleRun, listensOverALeftoverSocketFile)
{
    QTemporaryDir dir;
    SingleRun run(dir.path());
    writeBytes(run.socketPath(), "left over");
    ASSERT_EQ(run.claim(), Outcome::First);
    QSignalSpy spy(&run, &SingleRun::comeForward);
    ASSERT_TRUE(sendTo(run.serverName(), SingleRun::request()));
    EXPECT_TRUE(comesForward(spy));
}

TEST(SingleRun, socketNameStaysShortForAVeryLongFolderPath)
{
    QTemporaryDir dir;
    QString deep = dir.path();
    while (deep.size() < 320)
        deep += QLatin1Char('/') + QString(40, QLatin1Char('d'));
    ASSERT_TRUE(QDir().mkpath(deep));
    SingleRun run(deep);
    ASSERT_EQ(run.claim(), Outcome::First);
    EXPECT_LT(size_t(QFile::encodeName(run.socketPath()).size()), sizeof(sockaddr_un::sun_path));
    QSignalSpy spy(&run, &SingleRun::comeForward);
    ASSERT_TRUE(sendTo(run.serverName(), SingleRun::request()));
    EXPECT_TRUE(comesForward(spy));
}

TEST(SingleRun, socketIsTheUsersOwnInTheRuntimeFolderWhereThereIsOne)
{
    QTemporaryDir runtime;
    QTemporaryDir dir;
    {
        RuntimeFolder env(runtime.path());
        SingleRun run(dir.path());
        ASSERT_EQ(run.claim(), Outcome::First);
        EXPECT_EQ(QFileInfo(run.socketPath()).absolutePath(), runtime.path());
        const QFileInfo socket(run.socketPath());
        ASSERT_TRUE(socket.exists());
        EXPECT_EQ(socket.ownerId(), ::getuid());
        EXPECT_EQ(socket.permissions() & (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther
                                          | QFile::WriteOther | QFile::ExeGroup | QFile::ExeOther),
                  QFile::Permissions());
    }
    RuntimeFolder missing(runtime.filePath(QStringLiteral("missing")));
    EXPECT_EQ(QFileInfo(SingleRun(dir.path()).socketPath()).absolutePath(), QDir::tempPath());
}

// A run that holds the folder but does not answer (hung, or between its lock and its
// socket) still holds it: the later start opens no second board, for any user.
TEST(SingleRun, aLiveRunThatDoesNotAnswerStillHoldsTheFolder)
{
    QTemporaryDir dir;
    SingleRun later(dir.path(), 300ms);
    QLockFile held(later.lockPath());
    ASSERT_TRUE(held.tryLock(0));
    EXPECT_EQ(later.claim(), Outcome::Forwarded);
}

// Root may connect to any socket: the owner of the socket file decides.
TEST(SingleRun, neverTalksToAnotherUsersSocket)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can give a socket to another user";
    QTemporaryDir dir;
    SingleRun later(dir.path(), 300ms);
    QLockFile held(later.lockPath());
    ASSERT_TRUE(held.tryLock(0));
    QLocalServer stranger;
    ASSERT_TRUE(stranger.listen(later.serverName()));
    ASSERT_EQ(::chown(QFile::encodeName(later.socketPath()).constData(), 65534, 65534), 0);

    EXPECT_EQ(later.claim(), Outcome::Forwarded);
    EXPECT_FALSE(stranger.waitForNewConnection(300));
}

TEST(SingleRun, startsUnguardedWhereNoLockFileCanBeMade)
{
    QTemporaryDir dir;
    auto runtime = std::make_unique<QTemporaryDir>();
    const RuntimeFolder env(runtime->path());
    SingleRun run(dir.path(), 2s);
    runtime.reset(); // the lock's folder is gone: no lock can be made there
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(run.claim(), Outcome::Unguarded);
    EXPECT_LT(clock.elapsed(), 1000);
}

// The lock of the user's other computer, carried over by a sync tool, or anything else in
// the folder: the lock is not there, and nothing of this run goes there.
TEST(SingleRun, aLockFileInTheProgramFolderHoldsNothingAndNoneIsWrittenThere)
{
    QTemporaryDir dir;
    writeBytes(dir.filePath(QStringLiteral("kibanu.lock")),
               "4242\nkibanu\nother-computer\n{00000000-0000-0000-0000-000000000000}\n");
    SingleRun run(dir.path(), 200ms);
    EXPECT_EQ(run.claim(), Outcome::First);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{"kibanu.lock"});
}

// Root may make files for any user: another user's file at the lock's name.
TEST(SingleRun, anotherUsersFileAtTheLocksNameIsNoLock)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can give a file to another user";
    QTemporaryDir dir;
    SingleRun run(dir.path(), 300ms);
    writeBytes(run.lockPath(), "1\nkibanu\n\n");
    ASSERT_EQ(::chown(QFile::encodeName(run.lockPath()).constData(), 65534, 65534), 0);
    EXPECT_EQ(run.claim(), Outcome::Unguarded);
    QFile::remove(run.lockPath());
}

TEST(SingleRun, aReadOnlyFolderIsGuardedAllTheSameAndNothingIsWrittenThere)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes into a read-only folder";
    QTemporaryDir dir;
    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
    SingleRun run(dir.path(), 2s);
    EXPECT_EQ(run.claim(), Outcome::First);
    EXPECT_TRUE(QDir(dir.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System
                                         | QDir::NoDotAndDotDot));
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// The run that holds the folder is ending and does not end in time: the later start says
// why and does not run beside it.
TEST(SingleRun, aLaterStartGivesUpOnARunThatKeepsQuittingAndTakesOverOneThatEnds)
{
    QTemporaryDir dir;
    QThread thread; // the holder answers on an event loop of its own
    thread.start();
    auto *holder = new SingleRun(dir.path());
    holder->moveToThread(&thread);
    Outcome held = Outcome::Unguarded;
    QMetaObject::invokeMethod(holder, [&] {
        held = holder->claim();
        holder->setQuitting();
    }, Qt::BlockingQueuedConnection);
    ASSERT_EQ(held, Outcome::First);

    SingleRun impatient(dir.path(), 1s, 300ms);
    QElapsedTimer waited;
    waited.start();
    EXPECT_EQ(impatient.claim(), Outcome::StillQuitting);
    EXPECT_GE(waited.elapsed(), 300);

    QMetaObject::invokeMethod(holder, [holder] {
        QTimer::singleShot(300, holder, [holder] { delete holder; }); // ends a little later
    });
    SingleRun patient(dir.path(), 1s, 5s);
    EXPECT_EQ(patient.claim(), Outcome::First);
    thread.quit();
    thread.wait();
}
