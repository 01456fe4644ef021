// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The tray icon, the board kept in it by the close box, and the start at login.
#include "app/trayicon.h"
#include "common/apphelper.h"
#include "common/testfiles.h"
#include "schedule/frmschedule.h"
#include "schedule/scheduletable.h"

#include <QFile>
#include <QMenu>
#include <QSignalSpy>

namespace {

class Tray : public AppTest {
protected:
    // Starts on the board with the options in pim.ini; the desktop has a tray or not.
    frmTodo *startWith(const QByteArray &pim, bool trayAvailable = true)
    {
        writeBytes(path("pim.ini"), "[Pim]\r\n" + pim);
        app->setTrayAvailable([trayAvailable] { return trayAvailable; });
        return startBoard();
    }
    void trigger(const char *item)
    {
        QMenu &menu = app->trayIcon()->menu();
        for (QAction *action : menu.actions())
            if (action->text() == QString::fromUtf8(item))
                action->trigger();
        QCoreApplication::processEvents(); // the menu's requests are queued
    }
    QAction *option(const char *name) { return app->todoWindow()->findChild<QAction *>(name); }
};

} // namespace

// The close box hides the board only with both options on and a tray to hide it in.
TEST_F(Tray, theCloseBoxHidesTheBoardOnlyWithBothOptionsAndATray)
{
    const struct {
        const char *pim;
        bool available;
        bool hides;
    } rows[] = {
        {"CloseToTray=1\r\n", true, true},
        {"Tray=1\r\nCloseToTray=1\r\n", false, false},
        {"Tray=0\r\nCloseToTray=1\r\n", true, false},
        {"", true, false},
    };
    for (const auto &row : rows) {
        AppRun run;
        writeBytes(run.path("pim.ini"), QByteArray("[Pim]\r\n") + row.pim);
        run.app->setTrayAvailable([&row] { return row.available; });
        frmTodo *w = run.startBoard();
        w->close();
        EXPECT_EQ(run.app->session().hasEnded(), !row.hides) << row.pim << row.available;
        EXPECT_EQ(QFile::exists(run.path("todo.txt")), !row.hides) << row.pim;
    }
}

TEST_F(Tray, theBoardComesBackFromTheTrayAndItsQuitSaves)
{
    frmTodo *w = startWith("CloseToTray=1\r\n");
    ASSERT_TRUE(app->trayIcon()->isShown());
    QSignalSpy said(app->trayIcon(), &TrayIcon::said);
    board().setText(0, QStringLiteral("請求書"));
    w->close();
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(said.count(), 1);

    trigger("ボードを表示");
    EXPECT_TRUE(w->isVisible());
    w->close();
    EXPECT_EQ(said.count(), 1); // said the first time only
    app->bringForward();        // a later start on the folder
    EXPECT_TRUE(w->isVisible());
    w->close();

    // The schedule opens while the board stays in the tray.
    trigger("予定表");
    EXPECT_TRUE(app->scheduleWindow().isVisible());
    EXPECT_FALSE(w->isVisible());

    trigger("保存して終了");
    EXPECT_TRUE(app->session().hasEnded());
    EXPECT_EQ(readBytes(path("todo.txt")).left(8), sjis(QStringLiteral("請求書\r\n")));
    EXPECT_TRUE(readBytes(path("pim.ini")).contains("CloseToTray= 1\r\n"));
    EXPECT_FALSE(app->trayIcon()->isShown());
}

// A failed save leaves the board up with its message, not hidden in the tray.
TEST_F(Tray, aQuitFromTheTrayThatFailsShowsTheBoard)
{
    frmTodo *w = startWith("CloseToTray=1\r\n");
    w->close();
    ASSERT_FALSE(w->isVisible());
    // todo.txt turns into a folder after the start: it cannot be replaced.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("todo.txt")));
    trigger("保存して終了");
    EXPECT_FALSE(app->session().hasEnded());
    EXPECT_TRUE(w->isVisible());
    EXPECT_FALSE(prompter->messages.isEmpty());
}

TEST_F(Tray, theTooltipCountsTodaysAppointments)
{
    startWith("");
    EXPECT_EQ(app->trayIcon()->toolTip(), QStringLiteral("Kibanu — 今日の予定 0 件"));
    ASSERT_TRUE(schedule().add("2026/12/7", "10:00", "歯医者", clock->today()));
    ASSERT_TRUE(schedule().add("2026/12/7", "", "請求", clock->today()));
    ASSERT_TRUE(schedule().add("2026/12/8", "", "明日の", clock->today()));
    QCoreApplication::processEvents();
    EXPECT_EQ(app->trayIcon()->toolTip(), QStringLiteral("Kibanu — 今日の予定 2 件"));
}

// The options' items: the icon goes and comes; the close box then quits.
TEST_F(Tray, theTrayItemSwitchesTheIconAndTheCloseBoxWithIt)
{
    frmTodo *w = startWith("CloseToTray=1\r\n");
    EXPECT_TRUE(option("mnuTray")->isChecked());
    EXPECT_TRUE(option("mnuCloseToTray")->isChecked());
    option("mnuTray")->trigger();
    EXPECT_FALSE(app->trayIcon()->isShown());
    EXPECT_FALSE(option("mnuCloseToTray")->isEnabled());
    option("mnuTray")->trigger();
    EXPECT_TRUE(app->trayIcon()->isShown());
    option("mnuCloseToTray")->trigger();
    w->close();
    EXPECT_TRUE(app->session().hasEnded());
    const QByteArray pim = readBytes(path("pim.ini"));
    EXPECT_TRUE(pim.contains("CloseToTray= 0\r\n") && pim.contains("\nTray= 1\r\n")) << pim.constData();
}

TEST_F(Tray, theLoginItemWritesAndRemovesTheAutostartEntry)
{
    startWith("");
    const QString entry = path("config/autostart/kibanu.desktop");
    QAction *login = option("mnuLoginStart");
    EXPECT_FALSE(login->isChecked());
    login->trigger();
    EXPECT_TRUE(login->isChecked());
    EXPECT_TRUE(readBytes(entry).contains("\nExec=/usr/bin/kibanu\n"));
    login->trigger();
    EXPECT_FALSE(QFile::exists(entry));
    EXPECT_FALSE(login->isChecked());

    // Made by someone else: the menu shows it when it opens.
    writeBytes(entry, "[Desktop Entry]\nExec=/usr/bin/kibanu\n");
    QMenu *options = app->todoWindow()->findChild<QMenu *>("mnuOption");
    emit options->aboutToShow();
    EXPECT_TRUE(login->isChecked());

    // A folder that cannot be made is said, and the tick follows the file.
    QFile::remove(entry);
    QDir(path("config")).removeRecursively();
    writeBytes(path("config"), "in the way");
    login->trigger();
    EXPECT_FALSE(login->isChecked());
    ASSERT_FALSE(prompter->messages.isEmpty());
    EXPECT_TRUE(prompter->messages.last().startsWith(QStringLiteral("ログイン時の起動を設定できませんでした。")));
}
