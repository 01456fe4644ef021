// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A later start on the same program folder brings this run's windows to the front.
#include "common/apphelper.h"
#include "common/testfiles.h"
#include "schedule/frmday.h"
#include "shell/frmabout.h"
#include "shell/frmstartup.h"

TEST_F(AppTest, bringForwardRestoresAMinimisedBoardAndMakesItActive)
{
    frmTodo *w = startBoard();
    app->showAbout();
    ASSERT_TRUE(QTest::qWaitForWindowActive(app->aboutWindow()));
    w->setWindowState(Qt::WindowMinimized);
    ASSERT_TRUE(w->isMinimized());

    app->bringForward();
    EXPECT_FALSE(w->isMinimized());
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(QTest::qWaitForWindowActive(w));

    // A maximised board stays maximised.
    w->setWindowState(Qt::WindowMaximized | Qt::WindowMinimized);
    app->bringForward();
    EXPECT_EQ(w->windowState(), Qt::WindowMaximized);
}

// Before the board is shown, the window the start waits on comes forward instead.
TEST_F(AppTest, bringForwardBringsTheStartUpOrModalWindowAndNoHiddenBoard)
{
    writeBytes(path("schedule.txt"), sjis(QString::fromUtf8("会議,12/7,13:00\r\n")));
    app->start();
    frmToday &today = app->todayWindow();
    ASSERT_TRUE(today.isVisible());
    today.setWindowState(Qt::WindowMinimized);
    app->bringForward();
    EXPECT_FALSE(today.isMinimized());
    EXPECT_TRUE(QTest::qWaitForWindowActive(&today));
    EXPECT_FALSE(app->todoWindow()->isVisible());

    today.cmdClose_Click();
    frmStartup *startup = app->startupWindow();
    ASSERT_NE(startup, nullptr);
    startup->setWindowState(Qt::WindowMinimized);
    app->bringForward();
    EXPECT_FALSE(startup->isMinimized());
    EXPECT_TRUE(QTest::qWaitForWindowActive(startup));
    EXPECT_FALSE(app->todoWindow()->isVisible());
}
