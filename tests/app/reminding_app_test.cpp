// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Reminders in the running program, shown in its own window (no notification service):
// when they come, what they follow, the menu's options, the quit.
#include "app/reminding.h"
#include "common/apphelper.h"
#include "common/testfiles.h"
#include "schedule/frmday.h"
#include "schedule/frmreminder.h"
#include "schedule/frmschedule.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListView>
#include <QPushButton>

namespace {

class RemindingApp : public AppTest {
protected:
    // The board on schedule.txt of those lines, the today window closed.
    frmTodo *startOn(const char *schedule, const QTime &at = QTime(9, 0))
    {
        clock->set(QDateTime(QDate(2026, 12, 7), at));
        writeBytes(path("schedule.txt"), sjis(QString::fromUtf8(schedule)));
        app->setSkipStartup(true);
        app->start();
        if (app->todayWindow().isVisible())
            app->todayWindow().cmdClose_Click();
        frmTodo *w = app->todoWindow();
        EXPECT_TRUE(w->isVisible());
        // The reminders start once the board has been painted.
        EXPECT_TRUE(QTest::qWaitFor([this] { return app->reminding() != nullptr; }));
        return w;
    }

    void at(int hour, int minute, int day = 7)
    {
        clock->set(QDateTime(QDate(2026, 12, day), QTime(hour, minute)));
        app->reminding()->look();
    }

    // The lines the program's reminder window shows now; none while it is hidden.
    QStringList shown()
    {
        frmReminder *w = app->reminding()->window();
        if (!w || !w->isVisible())
            return {};
        return w->findChild<QLabel *>("lblReminder")->text().split('\n');
    }

    void closeReminders() { app->reminding()->window()->cmdClose_Click(); }

    QAction *menu(const char *name) { return app->todoWindow()->findChild<QAction *>(name); }
};

} // namespace

TEST_F(RemindingApp, theStartAnnouncesWhatIsDueAndStillAheadAndTheTimerWaitsForTheNext)
{
    startOn("始まった,12/7,8:50\r\n会議,12/7,9:05\r\n昼,12/7,12:00\r\n終日,12/7,\r\n");
    EXPECT_EQ(shown(), QStringList{QString::fromUtf8("09:05 会議　（あと 5 分）")});
    // One timer, to the next moment due, but never longer than a minute: the wall clock
    // is looked at again after a laptop's sleep.
    ASSERT_TRUE(app->reminding()->waitMs());
    EXPECT_EQ(*app->reminding()->waitMs(), Reminding::LongestWaitMs);
    clock->set(QDateTime(QDate(2026, 12, 7), QTime(11, 49, 30)));
    app->reminding()->look();
    EXPECT_EQ(*app->reminding()->waitMs(), 30 * 1000);

    closeReminders();
    at(11, 50);
    EXPECT_EQ(shown(), QStringList{QString::fromUtf8("12:00 昼　（あと 10 分）")});
    closeReminders();
    at(11, 55);
    EXPECT_EQ(shown(), QStringList()); // once
}

TEST_F(RemindingApp, theTimerItselfAnnouncesWhenItFires)
{
    startOn("会議,12/8,9:00\r\n");
    clock->set(QDateTime(QDate(2026, 12, 8), QTime(8, 49, 59)));
    app->reminding()->look();
    EXPECT_EQ(app->reminding()->waitMs(), 1000);
    clock->set(QDateTime(QDate(2026, 12, 8), QTime(8, 50)));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !shown().isEmpty(); }, 3000));
    EXPECT_EQ(shown(), QStringList{QString::fromUtf8("09:00 会議　（あと 10 分）")});
}

TEST_F(RemindingApp, theScheduleIsFollowedAsItChanges)
{
    startOn("会議,12/7,10:00\r\n消す,12/7,10:30\r\n");
    frmSchedule &window = app->scheduleWindow();
    const auto remove = [&](const char *text) {
        for (int i = 0; i < schedule().ntschedule(); ++i)
            if (schedule().at(i).eventinfo == QString::fromUtf8(text))
                return window.removeEntry(i);
        FAIL() << text;
    };
    // Added in the program: due at once.
    ASSERT_TRUE(window.additemdatetime("12/7", "9:08", QString::fromUtf8("電話")));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !shown().isEmpty(); }, 2000));
    EXPECT_EQ(shown(), QStringList{QString::fromUtf8("09:08 電話　（あと 8 分）")});
    closeReminders();
    // Removed: never announced.
    remove("消す");
    // Changed (removed and added again at another time, as the entry dialog does): at its
    // new time only.
    remove("会議");
    ASSERT_TRUE(window.additemdatetime("12/7", "11:00", QString::fromUtf8("会議")));
    QCoreApplication::processEvents();
    at(9, 50);
    at(10, 25);
    EXPECT_EQ(shown(), QStringList());
    at(10, 50);
    EXPECT_EQ(shown(), QStringList{QString::fromUtf8("11:00 会議　（あと 10 分）")});
}

TEST_F(RemindingApp, fiveMinutesLaterComesAgainAndTheBoardsSlotKeepsTheKeyboard)
{
    frmTodo *w = startOn("会議,12/7,9:20\r\n");
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    w->lblTodo_DblClick(0);
    QWidget *slot = w->findChild<QWidget *>("txtTodo_0");
    ASSERT_EQ(QApplication::focusWidget(), slot);

    at(9, 10);
    frmReminder *reminder = app->reminding()->window();
    ASSERT_TRUE(reminder && reminder->isVisible());
    EXPECT_TRUE(reminder->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(reminder->isModal());
    // Where the desktop makes the new window active, the slot stays open all the same and
    // has the keyboard again with the board.
    QCoreApplication::processEvents();
    EXPECT_EQ(board().inputStatus(), 0);
    EXPECT_EQ(w->focusWidget(), slot);
    // Nor do its buttons take the keys typed on: a Space would press one.
    EXPECT_FALSE(reminder->isAncestorOf(QApplication::focusWidget()));
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    EXPECT_EQ(QApplication::focusWidget(), slot);

    reminder->findChild<QPushButton *>("cmdLater")->click();
    EXPECT_FALSE(reminder->isVisible());
    at(9, 14);
    EXPECT_EQ(shown(), QStringList());
    at(9, 15);
    EXPECT_EQ(shown(), QStringList{QString::fromUtf8("09:20 会議　（あと 5 分）")});
}

TEST_F(RemindingApp, aClockThatJumpedAnnouncesWhatFellDueOnceAndTheBoardFollowsTheDay)
{
    frmTodo *w = startOn("寝過ごし,12/7,9:30\r\n朝,12/8,0:05\r\n朝会,12/8,9:00\r\n");
    EXPECT_EQ(shown(), QStringList());
    // The laptop slept from 9:00 to 0:02 of the next day.
    at(0, 2, 8);
    EXPECT_EQ(shown(), QStringList{QString::fromUtf8("00:05 朝　（あと 3 分）")});
    EXPECT_EQ(w->findChild<QLabel *>("lblDate")->text(), QStringLiteral("2026/12/08"));
    closeReminders();
    at(0, 3, 8);
    EXPECT_EQ(shown(), QStringList());
    at(8, 50, 8);
    EXPECT_EQ(shown(), QStringList{QString::fromUtf8("09:00 朝会　（あと 10 分）")});
}

TEST_F(RemindingApp, theMenuTurnsRemindersOffAndSetsTheMinutesAndTheQuitWritesBoth)
{
    writeBytes(path("pim.ini"), "[Pim]\r\nNotify=0\r\nNotifyBefore=30\r\n");
    startOn("会議,12/7,9:20\r\n昼,12/7,12:00\r\n");
    EXPECT_FALSE(menu("mnuNotify")->isChecked());
    EXPECT_EQ(shown(), QStringList()); // off, though due for 30 minutes before

    menu("mnuNotify")->trigger();
    EXPECT_TRUE(menu("mnuNotify")->isChecked());
    EXPECT_EQ(shown(), QStringList{QString::fromUtf8("09:20 会議　（あと 20 分）")});
    closeReminders();

    prompter->numbers = {std::nullopt}; // cancelled: nothing changes
    menu("mnuNotifyBefore")->trigger();
    at(11, 15);
    EXPECT_EQ(shown(), QStringList());
    prompter->numbers = {60};
    menu("mnuNotifyBefore")->trigger();
    EXPECT_TRUE(prompter->messages.last().contains(QString::fromUtf8("何分前")));
    EXPECT_EQ(shown(), QStringList{QString::fromUtf8("12:00 昼　（あと 45 分）")});

    menu("mnuNotify")->trigger();
    EXPECT_TRUE(quit());
    EXPECT_TRUE(readBytes(path("pim.ini")).contains("Notify= 0\r\nNotifyBefore= 60\r\n"));
}

TEST_F(RemindingApp, theQuitEndsAtOnceWithAReminderOnScreenAndAnnouncesNothingMore)
{
    startOn("会議,12/7,9:05\r\n明日,12/8,9:00\r\n");
    ASSERT_EQ(shown().size(), 1);
    app->quitWithSaving();
    EXPECT_EQ(app->reminding()->window(), nullptr);
    EXPECT_FALSE(app->reminding()->waitMs());
    // The tomorrow window stands until it is closed; a reminder due meanwhile is not shown.
    at(8, 55, 8);
    EXPECT_EQ(app->reminding()->window(), nullptr);
    app->tomorrowWindow().cmdClose_Click();
    EXPECT_TRUE(app->hasEnded());
}

// Open windows follow midnight: the schedule's date and list, the reminder's words.
TEST_F(RemindingApp, openWindowsFollowMidnightAndAReminderSaysWhenItsTimeHasPassed)
{
    clock->set(QDateTime(QDate(2026, 12, 31), QTime(23, 50)));
    writeBytes(path("schedule.txt"), sjis(QString::fromUtf8("忘年会,2026/12/31,23:59\r\n元日,1/1,\r\n")));
    app->setSkipStartup(true);
    app->start();
    app->todayWindow().cmdClose_Click();
    ASSERT_TRUE(QTest::qWaitFor([this] { return app->reminding() != nullptr; }));
    EXPECT_EQ(shown(), QStringList{QString::fromUtf8("23:59 忘年会　（あと 9 分）")});
    frmSchedule &schedule = app->scheduleWindow();
    schedule.show();
    auto *list = schedule.findChild<QListView *>("lstSchedule");
    const auto lines = [list] {
        QStringList all;
        for (int row = 0; row < list->model()->rowCount(); ++row)
            all.append(list->model()->index(row, 0).data().toString());
        return all;
    };
    EXPECT_EQ(lines().first(), QString::fromUtf8("26/01/01         元日"));

    clock->set(QDateTime(QDate(2027, 1, 1), QTime(0, 7)));
    app->reminding()->look();
    EXPECT_EQ(schedule.findChild<QLabel *>("lblDate")->text(), QStringLiteral("2027/01/01"));
    // A date without a year is this year's: New Year's Day is today, no longer last year's.
    EXPECT_EQ(lines(), QStringList({QString::fromUtf8("26/12/31  23:59  忘年会"),
                                    QString::fromUtf8("27/01/01         元日")}));
    EXPECT_EQ(shown(), QStringList{QString::fromUtf8("23:59 忘年会　（23:59 の予定です）")});
}
