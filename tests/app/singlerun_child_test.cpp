// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// One run per program folder, with the real program started on a folder of its own.
#include "app/singlerun.h"
#include "common/testfiles.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>
#include <QMap>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace std::chrono_literals;
using Outcome = SingleRun::Outcome;

namespace {

// A copy of the program in a temporary folder, which is therefore its program folder,
// with a pim.ini that skips the start-up window.
class ProgramFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QFile::copy(QStringLiteral(KIBANU_EXE), dir.filePath(QStringLiteral("kibanu"))));
        writeBytes(dir.filePath(QStringLiteral("pim.ini")), "[Pim]\r\nskipstartup=-1\r\n");
    }

    // Starts the program of this folder, headless.
    std::unique_ptr<QProcess> start() const
    {
        auto run = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        run->setProcessEnvironment(env);
        run->start(dir.filePath(QStringLiteral("kibanu")), {});
        EXPECT_TRUE(run->waitForStarted(5000));
        return run;
    }

    // Every file of the folder with its bytes.
    QMap<QString, QByteArray> contents() const
    {
        QMap<QString, QByteArray> files;
        QDirIterator it(dir.path(), QDir::Files | QDir::Hidden | QDir::System,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            files.insert(path, readBytes(path));
        }
        return files;
    }

    // Until a run holds the folder: its lock file is there and its socket answers.
    bool heldWithin(int ms) const
    {
        const SingleRun names(dir.path());
        const QString name = names.serverName();
        const QString lock = names.lockPath();
        return QTest::qWaitFor(
            [&] {
                if (!QFile::exists(lock))
                    return false;
                QLocalSocket probe;
                probe.connectToServer(name);
                return probe.waitForConnected(100);
            },
            ms);
    }

    static bool endsByItself(QProcess &run)
    {
        return run.waitForFinished(5000) && run.exitStatus() == QProcess::NormalExit
               && run.exitCode() == 0;
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(ProgramFolder, secondStartOnAHeldFolderAsksTheHolderForwardAndEndsWritingNothing)
{
    SingleRun holder(dir.path());
    ASSERT_EQ(holder.claim(), Outcome::First);
    QSignalSpy spy(&holder, &SingleRun::comeForward);
    const QMap<QString, QByteArray> before = contents();

    std::unique_ptr<QProcess> second = start();
    EXPECT_TRUE(endsByItself(*second)) << second->readAllStandardError().constData();
    EXPECT_EQ(contents(), before);
    EXPECT_TRUE(QTest::qWaitFor([&] { return spy.count() == 1; }, 2000));
}

TEST_F(ProgramFolder, secondRunOnOneFolderEndsWhileTheFirstGoesOn)
{
    std::unique_ptr<QProcess> first = start();
    ASSERT_TRUE(heldWithin(5000));
    const QMap<QString, QByteArray> before = contents();

    std::unique_ptr<QProcess> second = start();
    EXPECT_TRUE(endsByItself(*second)) << second->readAllStandardError().constData();
    EXPECT_EQ(contents(), before);
    EXPECT_EQ(first->state(), QProcess::Running);
    first->kill();
    first->waitForFinished(5000);
}

TEST_F(ProgramFolder, lockOfAKilledRunIsTakenAtOnce)
{
    std::unique_ptr<QProcess> killed = start();
    ASSERT_TRUE(heldWithin(5000));
    killed->kill();
    ASSERT_TRUE(killed->waitForFinished(5000));
    ASSERT_TRUE(QFile::exists(SingleRun(dir.path()).lockPath()));

    SingleRun next(dir.path());
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(next.claim(), Outcome::First);
    EXPECT_LT(clock.elapsed(), 1500); // well within the three seconds a live run is waited for
    // It listens where the killed run did.
    QSignalSpy spy(&next, &SingleRun::comeForward);
    SingleRun later(dir.path(), 1s);
    EXPECT_EQ(later.claim(), Outcome::Forwarded);
    EXPECT_TRUE(QTest::qWaitFor([&] { return spy.count() == 1; }, 2000));
}

// A start while the run that holds the folder is quitting (its tomorrow window, its sync
// command) waits for it to end and then starts on the files it saved, instead of handing
// over to a run that is about to go.
TEST_F(ProgramFolder, aStartWhileTheHolderIsQuittingWaitsAndThenRuns)
{
    auto holder = std::make_unique<SingleRun>(dir.path());
    ASSERT_EQ(holder->claim(), Outcome::First);
    holder->setQuitting();
    QSignalSpy spy(holder.get(), &SingleRun::comeForward);

    std::unique_ptr<QProcess> second = start();
    QTest::qWait(1500); // the holder answers while it ends
    EXPECT_EQ(second->state(), QProcess::Running) << second->readAllStandardError().constData();
    EXPECT_EQ(spy.count(), 0);
    holder.reset(); // the quitting run ends
    EXPECT_TRUE(heldWithin(5000));
    EXPECT_FALSE(second->waitForFinished(1000)); // it runs as the first
    second->kill();
    second->waitForFinished(5000);
}
