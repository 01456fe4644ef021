// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// When appointments are announced, from the schedule as it is and the moment given.
#include "schedule/reminders.h"
#include "schedule/repeattable.h"
#include "schedule/scheduletable.h"

#include <gtest/gtest.h>

#include <ctime>

namespace {

QDateTime at(int y, int m, int d, int h, int min, int s = 0)
{
    return QDateTime(QDate(y, m, d), QTime(h, min, s));
}

class RemindersTest : public ::testing::Test {
protected:
    int add(const char *date, const char *time, const char *text)
    {
        return *table.add(date, time, text, QDate(2026, 12, 9));
    }
    QStringList lines(const QList<Reminders::Announcement> &due)
    {
        QStringList out;
        for (const auto &a : due)
            out.append(a.line + QLatin1Char('|') + a.body);
        return out;
    }
    ScheduleTable table;
    Reminders reminders;
};

} // namespace

TEST_F(RemindersTest, eachAppointmentWithATimeIsDueItsLeadBeforeAndAnnouncedOnce)
{
    add("2026/12/9", "13:30", "会議");
    add("2026/12/9", "", "終日の用事"); // no time: the today window's
    add("2026/12/9", "25:00", "読めない時刻");
    add("2026/13/1", "10:00", "読めない日付");
    EXPECT_TRUE(reminders.takeDue(table, at(2026, 12, 9, 13, 19)).isEmpty());
    EXPECT_EQ(reminders.nextDue(table, at(2026, 12, 9, 13, 19)), at(2026, 12, 9, 13, 20));
    EXPECT_EQ(lines(reminders.takeDue(table, at(2026, 12, 9, 13, 20))), QStringList{"13:30 会議|あと 10 分"});
    EXPECT_TRUE(reminders.takeDue(table, at(2026, 12, 9, 13, 25)).isEmpty());
    EXPECT_EQ(reminders.nextDue(table, at(2026, 12, 9, 13, 25)), std::nullopt);
}

TEST_F(RemindersTest, theStartAnnouncesWhatIsStillAheadAndLeavesWhatHasBegun)
{
    add("2026/12/9", "9:05", "朝会");
    add("2026/12/9", "8:30", "始まった");
    reminders.setLead(10);
    EXPECT_EQ(lines(reminders.takeDue(table, at(2026, 12, 9, 9, 2))), QStringList{"09:05 朝会|あと 3 分"});
}

TEST_F(RemindersTest, aLeadRunsAcrossMidnightAndTheYearsEnd)
{
    add("2027/1/1", "0:05", "初詣");
    reminders.setLead(30);
    EXPECT_EQ(reminders.nextDue(table, at(2026, 12, 31, 20, 0)), at(2026, 12, 31, 23, 35));
    EXPECT_EQ(lines(reminders.takeDue(table, at(2026, 12, 31, 23, 35))), QStringList{"00:05 初詣|あと 30 分"});
}

TEST_F(RemindersTest, anAddedChangedOrRemovedAppointmentCountsAtOnce)
{
    const int pos = add("2026/12/9", "15:00", "歯医者");
    EXPECT_EQ(reminders.nextDue(table, at(2026, 12, 9, 12, 0)), at(2026, 12, 9, 14, 50));
    table.removeAt(pos);
    EXPECT_EQ(reminders.nextDue(table, at(2026, 12, 9, 12, 0)), std::nullopt);
    EXPECT_TRUE(reminders.takeDue(table, at(2026, 12, 9, 14, 55)).isEmpty());
    // Announced, then moved to a later time: announced again at the new time.
    const int moved = add("2026/12/9", "15:00", "歯医者");
    ASSERT_EQ(reminders.takeDue(table, at(2026, 12, 9, 14, 51)).size(), 1);
    table.removeAt(moved);
    add("2026/12/9", "16:00", "歯医者");
    EXPECT_TRUE(reminders.takeDue(table, at(2026, 12, 9, 14, 52)).isEmpty());
    EXPECT_EQ(lines(reminders.takeDue(table, at(2026, 12, 9, 15, 59, 30))), QStringList{"16:00 歯医者|まもなく"});
}

TEST_F(RemindersTest, aClockThatJumpedAnnouncesWhatFellDueOnceAndNotWhatHasLongBegun)
{
    add("2026/12/9", "10:00", "一");
    add("2026/12/9", "10:20", "二");
    add("2026/12/9", "11:00", "三");
    // Asleep from 9:00 to 10:15.
    EXPECT_EQ(lines(reminders.takeDue(table, at(2026, 12, 9, 10, 15))), QStringList{"10:20 二|あと 5 分"});
    EXPECT_TRUE(reminders.takeDue(table, at(2026, 12, 9, 10, 15)).isEmpty());
    EXPECT_EQ(reminders.nextDue(table, at(2026, 12, 9, 10, 15)), at(2026, 12, 9, 10, 50));
}

TEST_F(RemindersTest, aLateTimerStillAnnouncesWithinAMinuteOfTheTime)
{
    add("2026/12/9", "10:00", "会議");
    reminders.setLead(0);
    EXPECT_EQ(lines(reminders.takeDue(table, at(2026, 12, 9, 10, 0, 2))), QStringList{"10:00 会議|まもなく"});
}

TEST_F(RemindersTest, aSnoozedAnnouncementComesAgainUnlessItsAppointmentWentAway)
{
    const int pos = add("2026/12/9", "10:00", "会議");
    const auto first = reminders.takeDue(table, at(2026, 12, 9, 9, 50));
    ASSERT_EQ(first.size(), 1);
    reminders.snooze(first[0], at(2026, 12, 9, 9, 55));
    EXPECT_EQ(reminders.nextDue(table, at(2026, 12, 9, 9, 51)), at(2026, 12, 9, 9, 55));
    EXPECT_EQ(lines(reminders.takeDue(table, at(2026, 12, 9, 9, 55))), QStringList{"10:00 会議|あと 5 分"});
    EXPECT_TRUE(reminders.takeDue(table, at(2026, 12, 9, 9, 56)).isEmpty());

    reminders.snooze(first[0], at(2026, 12, 9, 9, 58));
    table.removeAt(pos);
    EXPECT_TRUE(reminders.takeDue(table, at(2026, 12, 9, 9, 58)).isEmpty());
}

TEST(RemindersLead, valuesOutOfRangeTakeTheDefault)
{
    Reminders r;
    for (const int bad : {-1, 1441, 100000}) {
        r.setLead(5);
        r.setLead(bad);
        EXPECT_EQ(r.lead(), Reminders::DefaultLead) << bad;
    }
    r.setLead(0);
    EXPECT_EQ(r.lead(), 0);
    r.setLead(1440);
    EXPECT_EQ(r.lead(), 1440);
}

// A series' days are announced as single entries are, at their wall-clock time wherever
// the machine's clock is set; a day left out is not.
TEST_F(RemindersTest, aSeriesIsAnnouncedOnEachOfItsDaysAtItsOwnClockTime)
{
    RepeatTable series;
    series.reload(QStringLiteral("朝会,2026/12/7,9:00,平日,,2026/12/11,,,\r\n"
                                 "終日,2026/12/7,,毎日,,,,,\r\n"
                                 "夜勤明け,2026/12/1,0:05,毎週,,,,,\r\n"));
    reminders.setSeries(&series);
    EXPECT_EQ(lines(reminders.takeDue(table, at(2026, 12, 9, 8, 50))), QStringList{"09:00 朝会|あと 10 分"});
    EXPECT_TRUE(reminders.takeDue(table, at(2026, 12, 9, 8, 55)).isEmpty()); // once
    // Friday 12/11 is left out: nothing is due until the day after (a look at midnight
    // sees the next day). Tuesday's 0:05 is due on Monday at 23:55.
    EXPECT_EQ(reminders.nextDue(table, at(2026, 12, 10, 9, 0)), std::nullopt);
    EXPECT_EQ(reminders.nextDue(table, at(2026, 12, 13, 9, 0)), at(2026, 12, 14, 8, 50));
    EXPECT_EQ(reminders.nextDue(table, at(2026, 12, 14, 9, 0)), at(2026, 12, 14, 23, 55));
    for (const char *zone : {"Asia/Tokyo", "America/New_York"}) {
        qputenv("TZ", zone);
        tzset();
        EXPECT_EQ(reminders.nextDue(table, at(2026, 12, 15, 8, 0)), at(2026, 12, 15, 8, 50)) << zone;
    }
    qunsetenv("TZ");
    tzset();
}
