// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The start: the start-up window, today's appointments and the board, in their order.
#include "common/apphelper.h"
#include "common/testfiles.h"
#include "schedule/frmday.h"
#include "shell/frmstartup.h"

#include <QCloseEvent>
#include <QPointer>
#include <QTimer>

TEST_F(AppTest, startUpWindowShowsTheBoardAtItsLastTickAndIsUnloaded)
{
    app->start();
    QPointer<frmStartup> w = app->startupWindow();
    ASSERT_FALSE(w.isNull());
    EXPECT_TRUE(w->isVisible());
    for (int n = 0; n < 20; ++n)
        w->tmrStartup_Timer();
    EXPECT_FALSE(app->todoWindow()->isVisible());
    w->tmrStartup_Timer();
    EXPECT_TRUE(app->todoWindow()->isVisible());
    EXPECT_EQ(app->startupWindow(), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(w.isNull()); // unloaded, and its timer with it
}

// A file that cannot be read is reported with the board: the report counts its showings.
TEST_F(AppTest, startUpWindowsCloseBoxShowsTheBoardAtOnceAndOnlyOnce)
{
    writeBytes(path("todo.txt"), "cut \x82");
    app->start();
    QPointer<frmStartup> w = app->startupWindow();
    ASSERT_FALSE(w.isNull());
    for (int n = 0; n < 3; ++n)
        w->tmrStartup_Timer();
    EXPECT_TRUE(prompter->messages.isEmpty());
    w->close();
    EXPECT_TRUE(app->todoWindow()->isVisible());
    QCloseEvent late; // the window system's request, after the window has closed
    QCoreApplication::sendEvent(w, &late);
    // Told after the board's first paint, with the rest of the start, and once.
    EXPECT_TRUE(QTest::qWaitFor([this] { return app->reminding() != nullptr; }));
    QCoreApplication::processEvents();
    EXPECT_EQ(prompter->messages.size(), 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(w.isNull());
}

// The today window comes inside the schedule loader's step: the phone files are not
// read yet, and the start-up window waits until it is closed, so it never stands over it.
// The phone files are read once the start-up window is painted.
TEST_F(AppTest, todayWindowComesBeforeThePhoneFilesAndTheStartUpWindow)
{
    writeBytes(path("schedule.txt"), sjis(QString::fromUtf8("会議,12/7,13:00\r\n")));
    writeBytes(path("type.txt"), "FAX\r\n");
    writeBytes(path("tel.txt"), "abe,Abe,\r\n");
    app->start();
    frmToday &today = app->todayWindow();
    ASSERT_TRUE(today.isVisible());
    EXPECT_EQ(app->startupWindow(), nullptr);
    EXPECT_FALSE(app->session().phoneFilesLoaded());

    today.cmdClose_Click();
    ASSERT_NE(app->startupWindow(), nullptr);
    EXPECT_TRUE(app->startupWindow()->isVisible());
    EXPECT_FALSE(app->todoWindow()->isVisible());
    EXPECT_FALSE(app->session().phoneFilesLoaded());
    EXPECT_TRUE(QTest::qWaitFor([this] { return app->session().phoneFilesLoaded(); }));
    EXPECT_EQ(app->session().phoneTypes().stringList(), QStringList{"FAX"});
    EXPECT_EQ(phoneBook().ntphone(), 1);
}

// The phone files are read after the first paint; a quit before it, or a look at the
// folder, reads them first, so they are written back as they were, never empty.
TEST(StartOrder, aQuitBeforeThePhoneFilesWereReadWritesThemBackAsTheyWere)
{
    const QByteArray tel = sjis(QString::fromUtf8("abe,阿部,,FAX,03-1234-5678\r\n"));
    for (const bool lookFirst : {false, true}) {
        AppRun run;
        writeBytes(run.path("type.txt"), "FAX\r\n");
        writeBytes(run.path("tel.txt"), tel);
        run.app->setSkipStartup(true);
        run.app->start();
        ASSERT_FALSE(run.app->session().phoneFilesLoaded());
        if (lookFirst) {
            EXPECT_EQ(run.app->session().follow(DataFile::Tel), Session::Follow::Same);
            EXPECT_TRUE(run.app->session().phoneFilesLoaded());
        }
        EXPECT_TRUE(run.quit()) << lookFirst;
        EXPECT_EQ(readBytes(run.path("tel.txt")), tel) << lookFirst;
        EXPECT_EQ(readBytes(run.path("type.txt")), QByteArray("FAX\r\n")) << lookFirst;
    }
}
