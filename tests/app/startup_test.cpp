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
    EXPECT_EQ(prompter->messages.size(), 1);
    QCloseEvent late; // the window system's request, after the window has closed
    QCoreApplication::sendEvent(w, &late);
    EXPECT_EQ(prompter->messages.size(), 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(w.isNull());
}

// The today window comes inside the schedule loader's step: the phone files are not
// read yet, and the start-up window waits until it is closed, so it never stands over it.
TEST_F(AppTest, todayWindowComesBeforeThePhoneFilesAndTheStartUpWindow)
{
    writeBytes(path("schedule.txt"), sjis(QString::fromUtf8("会議,12/7,13:00\r\n")));
    writeBytes(path("type.txt"), "FAX\r\n");
    writeBytes(path("tel.txt"), "abe,Abe,\r\n");
    app->start();
    frmToday &today = app->todayWindow();
    ASSERT_TRUE(today.isVisible());
    EXPECT_EQ(app->startupWindow(), nullptr);
    EXPECT_TRUE(app->session().phoneTypes().stringList().isEmpty());
    EXPECT_EQ(phoneBook().ntphone(), 0);

    today.cmdClose_Click();
    EXPECT_EQ(app->session().phoneTypes().stringList(), QStringList{"FAX"});
    EXPECT_EQ(phoneBook().ntphone(), 1);
    ASSERT_NE(app->startupWindow(), nullptr);
    EXPECT_TRUE(app->startupWindow()->isVisible());
    EXPECT_FALSE(app->todoWindow()->isVisible());
}
