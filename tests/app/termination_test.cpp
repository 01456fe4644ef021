// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The system's request to end (a logout, a shutdown, kill): the real program saves as its
// quit does.
#include "app/termination.h"
#include "common/apphelper.h"
#include "schedule/frmday.h"
#include "common/testfiles.h"

#include <QDate>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>

TEST(Termination, eachSignalReachesTheEventLoopAndTheDefaultsComeBack)
{
    {
        Termination termination;
        ASSERT_TRUE(termination.isWatching());
        QSignalSpy spy(&termination, &Termination::requested);
        for (const int number : {SIGTERM, SIGHUP, SIGINT})
            ASSERT_EQ(std::raise(number), 0); // would end the test program without the handler
        EXPECT_TRUE(QTest::qWaitFor([&] { return spy.count() == 3; }, 2000));
        EXPECT_EQ(spy.value(0).value(0).toInt(), SIGTERM);
        EXPECT_EQ(spy.value(2).value(0).toInt(), SIGINT);
        Termination second; // the handlers are the process's: one at a time
        EXPECT_FALSE(second.isWatching());
    }
    struct sigaction now {};
    sigaction(SIGTERM, nullptr, &now);
    EXPECT_EQ(now.sa_handler, SIG_DFL);
}

// The board shown, the real program takes SIGTERM as its quit with saving, and ends
// without the tomorrow window that nobody would see.
TEST(Termination, theProgramSavesOnSigtermAndEnds)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QFile::copy(QStringLiteral(KIBANU_EXE), dir.filePath(QStringLiteral("kibanu"))));
    writeBytes(dir.filePath("pim.ini"), "[Pim]\r\nskipstartup=-1\r\n");
    writeBytes(dir.filePath("todo.txt"), "old\r\n");
    const QString tomorrow = QDate::currentDate().addDays(1).toString(QStringLiteral("yyyy/M/d"));
    writeBytes(dir.filePath("schedule.txt"), ("meeting," + tomorrow + ",10:00,,,\r\n").toLatin1());
    QProcess run;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("KIBANU_START_MARKS"), QStringLiteral("1"));
    run.setProcessEnvironment(env);
    run.start(dir.filePath(QStringLiteral("kibanu")), {});
    ASSERT_TRUE(run.waitForStarted(5000));
    QByteArray marks;
    ASSERT_TRUE(QTest::qWaitFor([&] {
        marks += run.readAllStandardError();
        return marks.contains("start finished");
    }, 10000)) << marks.constData();

    run.terminate();
    ASSERT_TRUE(run.waitForFinished(5000)) << "the tomorrow window kept it";
    EXPECT_EQ(run.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(run.exitCode(), 0);
    EXPECT_EQ(readBytes(dir.filePath("todo.txt")), "old\r\n" + QByteArray("\r\n").repeated(13));
    EXPECT_TRUE(readBytes(dir.filePath("pim.ini")).contains("NaturalDates= 1\r\n"));
}

// Before the board shows (here the today window waits) nothing can have changed: the
// program ends writing nothing. During the quit's goodbye it just ends.
TEST_F(AppTest, theSystemsRequestBeforeTheBoardWritesNothingAndAfterTheSaveJustEnds)
{
    writeBytes(path("schedule.txt"), "today,2026/12/7,13:00\r\ntomorrow,2026/12/8,9:00\r\n");
    app->start();
    ASSERT_TRUE(app->todayWindow().isVisible());
    app->quitAsTheSystemAsks();
    EXPECT_TRUE(app->hasEnded());
    EXPECT_FALSE(QFile::exists(path("pim.ini")));
    EXPECT_EQ(readBytes(path("schedule.txt")), "today,2026/12/7,13:00\r\ntomorrow,2026/12/8,9:00\r\n");

    AppRun later;
    writeBytes(later.path("schedule.txt"), "tomorrow,2026/12/8,9:00\r\n");
    later.startBoard();
    ASSERT_TRUE(later.quit());
    ASSERT_TRUE(later.app->tomorrowWindow().isVisible()); // the goodbye waits
    later.app->quitAsTheSystemAsks();
    EXPECT_TRUE(later.app->hasEnded());
}
