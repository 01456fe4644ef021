// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/apphelper.h"
#include "common/testfiles.h"
#include "schedule/frmday.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {

QStringList lines(QWidget &w)
{
    auto *list = w.findChild<QListWidget *>("lstSchedule");
    QStringList r;
    for (int i = 0; i < list->count(); ++i)
        r << list->item(i)->text();
    return r;
}

QString label(QWidget &w, const char *name)
{
    return w.findChild<QLabel *>(name)->text();
}

} // namespace

// The start shows today's appointments, modal, and the board only once they are closed.
TEST_F(AppTest, todayWindowComesBeforeTheBoard)
{
    writeBytes(path("schedule.txt"),
               sjis(QString::fromUtf8("会議,12/7,13:00\r\n歯医者,2026/12/7,9:30\r\n明日,12/8,10:00\r\n")));
    app->setSkipStartup(true);
    app->start();
    frmToday &today = app->todayWindow();
    ASSERT_TRUE(today.isVisible());
    EXPECT_EQ(today.windowModality(), Qt::ApplicationModal);
    EXPECT_FALSE(app->todoWindow()->isVisible());
    EXPECT_EQ(lines(today), QStringList({QString::fromUtf8("9:30  歯医者"),
                                         QString::fromUtf8("13:00  会議")}));
    EXPECT_EQ(label(today, "lblMessage"), QString()); // two are not many
    today.findChild<QPushButton *>("cmdClose")->click();
    EXPECT_FALSE(today.isVisible());
    EXPECT_TRUE(app->todoWindow()->isVisible());
}

TEST_F(AppTest, threeAppointmentsTodayAreBusyAndNoneShowsNoWindow)
{
    writeBytes(path("schedule.txt"),
               sjis(QString::fromUtf8("a,12/7,9:00\r\nb,12/7,\r\nc,12/7,11:00\r\n")));
    app->setSkipStartup(true);
    app->start();
    frmToday &today = app->todayWindow();
    ASSERT_TRUE(today.isVisible());
    EXPECT_EQ(lines(today).value(0), QString::fromUtf8("  b")); // no time: two blanks first
    EXPECT_EQ(label(today, "lblMessage"), QString::fromUtf8("今日はちょっと忙しいですね"));
    today.close(); // the close box goes on with the start too
    EXPECT_TRUE(app->todoWindow()->isVisible());
}

TEST_F(AppTest, quitShowsTomorrowAfterEveryFileIsWritten)
{
    writeBytes(path("schedule.txt"),
               sjis(QString::fromUtf8("過去,12/1,\r\n明日,12/8,10:00\r\n明後日,12/9,10:00\r\n")));
    startBoard();
    EXPECT_TRUE(quit());
    frmTomorrow &tomorrow = app->tomorrowWindow();
    ASSERT_TRUE(tomorrow.isVisible());
    EXPECT_EQ(tomorrow.windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(lines(tomorrow), QStringList({QString::fromUtf8("10:00  明日")}));
    EXPECT_EQ(label(tomorrow, "Label1"), QString::fromUtf8("それではまた明日。"));
    EXPECT_TRUE(readBytes(path("type.txt")).isEmpty()); // the last file is already there
    EXPECT_TRUE(QFile::exists(path("type.txt")));
    EXPECT_FALSE(readBytes(path("schedule.txt")).contains(sjis(QString::fromUtf8("過去"))));

    QTest::keyClick(&tomorrow, Qt::Key_Escape);
    EXPECT_FALSE(tomorrow.isVisible());
}

TEST_F(AppTest, quitWithoutAppointmentsTomorrowShowsNoWindow)
{
    writeBytes(path("schedule.txt"), sjis(QString::fromUtf8("明後日,12/9,10:00\r\n")));
    startBoard();
    EXPECT_TRUE(quit());
    EXPECT_FALSE(app->tomorrowWindow().isVisible());
}

// A hand-edited date that is no date is passed over; neither the start nor the quit stops.
TEST_F(AppTest, unreadableDateIsSkippedByTheTodayAndTomorrowChecks)
{
    writeBytes(path("schedule.txt"),
               sjis(QString::fromUtf8("壊れた,12/32,9:00\r\n会議,12/7,10:00\r\n")));
    app->setSkipStartup(true);
    app->start();
    frmToday &today = app->todayWindow();
    ASSERT_TRUE(today.isVisible());
    EXPECT_EQ(lines(today), QStringList({QString::fromUtf8("10:00  会議")}));
    today.cmdClose_Click();
    EXPECT_TRUE(app->todoWindow()->isVisible());
    EXPECT_TRUE(quit());
    EXPECT_FALSE(app->tomorrowWindow().isVisible());
}

// The series' days count as single entries do; a series is never written out as its days.
TEST_F(AppTest, theTodayAndTomorrowWindowsShowTheDaysOfTheSeries)
{
    writeBytes(path("schedule.txt"), sjis(QString::fromUtf8("歯医者,12/7,9:30\r\n")));
    const QByteArray series = sjis(QString::fromUtf8("朝会,2026/11/30,9:00,毎週,,,,,\r\n"
                                                     "ゴミ出し,2026/12/1,,毎週,,,,,\r\n"
                                                     "読めない,2026/12/7,9:00,毎週水,,,,,\r\n"));
    writeBytes(path("repeat.txt"), series);
    app->setSkipStartup(true);
    app->start();
    frmToday &today = app->todayWindow();
    ASSERT_TRUE(today.isVisible());
    EXPECT_EQ(lines(today), QStringList({QString::fromUtf8("9:00  朝会"),
                                         QString::fromUtf8("9:30  歯医者")}));
    today.close();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !prompter->messages.isEmpty(); }));
    EXPECT_TRUE(prompter->messages[0].contains(QString::fromUtf8("読めない,2026/12/7,9:00,毎週水")));
    EXPECT_TRUE(quit());
    EXPECT_EQ(lines(app->tomorrowWindow()), QStringList{QString::fromUtf8("  ゴミ出し")});
    EXPECT_EQ(readBytes(path("repeat.txt")), series);
    EXPECT_EQ(readBytes(path("schedule.txt")), sjis(QString::fromUtf8("歯医者,12/7,9:30,,,\r\n")));
}
