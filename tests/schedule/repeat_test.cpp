// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "schedule/repeattable.h"
#include "schedule/schedulelist.h"
#include "schedule/scheduletable.h"

#include "text/jdate.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

QDate day(const char *text)
{
    return *jdate::parseDate(QString::fromUtf8(text), QDate(2026, 12, 11));
}

repeatitem series(const char *start, const char *rule, const char *until = "",
                  const char *except = "")
{
    return repeatitem{QStringLiteral("会議"), QString::fromUtf8(start), QStringLiteral("10:00"),
                      QString::fromUtf8(rule), QString::fromUtf8(until),
                      QString::fromUtf8(except), {}, {}, {}};
}

// The series' days from its start on, as many as asked or until it ends.
QStringList daysOf(const repeatitem &item, int most)
{
    const auto s = RepeatSeries::of(item);
    if (!s)
        return {QStringLiteral("unreadable")};
    QStringList days;
    for (auto d = s->next(s->start); d && days.size() < most; d = s->next(d->addDays(1)))
        days.append(jdate::fullDate(*d));
    return days;
}

} // namespace

TEST(RepeatRule, theFilesRulesAreReadAndWrittenAsTheyStand)
{
    const QList<std::pair<const char *, const char *>> cases{
        {"毎日", "毎日"},         {"平日", "平日"},           {"毎週", "毎週"},
        {"隔週", "隔週"},         {"毎月", "毎月"},           {"毎年", "毎年"},
        {"毎月第2火", "毎月第2火"}, {"毎月最終金", "毎月最終金"}, {"毎月第２火曜", "毎月第2火"},
        {"毎月第5日曜日", "毎月第5日"}, {"毎月第6火", ""},       {"毎月第0火", ""},
        {"毎月第2", ""},          {"毎月最終", ""},           {"毎月第2火よう", ""},
        {"毎週火", ""},           {"", ""},                   {"まいにち", ""}};
    for (const auto &[text, back] : cases) {
        const auto rule = RepeatRule::parse(QString::fromUtf8(text));
        EXPECT_EQ(rule ? rule->text() : QString(), QString::fromUtf8(back)) << text;
    }
    EXPECT_EQ(RepeatRule::parse(u"毎月最終金")->caption(), QStringLiteral("毎月最終金曜"));
}

TEST(RepeatRule, theDialogsNthWeekdayIsTheStartsOwn)
{
    EXPECT_EQ(RepeatRule::monthlyNthOf(day("2026/12/10")).text(), QStringLiteral("毎月第2木"));
    EXPECT_EQ(RepeatRule::monthlyNthOf(day("2026/12/28")).text(), QStringLiteral("毎月第4月"));
    EXPECT_EQ(RepeatRule::monthlyNthOf(day("2026/12/29")).text(), QStringLiteral("毎月最終火"));
    EXPECT_EQ(RepeatRule::monthlyNthOf(day("2027/1/1")).text(), QStringLiteral("毎月第1金"));
}

// Month ends, leap years and the year's end, rule by rule.
TEST(RepeatSeries, eachRuleGivesItsDays)
{
    // Asked for one day more than given where the series ends there.
    struct Case {
        repeatitem item;
        const char *days;
        int extra = 0;
    };
    const QList<Case> cases{
        {series("2027/1/31", "毎月"), "2027/1/31 2027/2/28 2027/3/31 2027/4/30 2027/5/31"},
        {series("2028/1/30", "毎月"), "2028/1/30 2028/2/29 2028/3/30"},
        {series("2028/2/29", "毎年"), "2028/2/29 2029/2/28 2030/2/28 2031/2/28 2032/2/29"},
        {series("2026/12/31", "毎年"), "2026/12/31 2027/12/31"},
        {series("2026/12/24", "隔週"), "2026/12/24 2027/1/7 2027/1/21"},
        {series("2026/12/29", "毎週"), "2026/12/29 2027/1/5 2027/1/12"},
        {series("2026/12/25", "平日"), "2026/12/25 2026/12/28 2026/12/29 2026/12/30"},
        {series("2026/12/26", "平日"), "2026/12/28 2026/12/29"},
        {series("2026/12/30", "毎日"), "2026/12/30 2026/12/31 2027/1/1"},
        {series("2026/12/25", "毎月最終金"), "2026/12/25 2027/1/29 2027/2/26 2027/3/26"},
        {series("2027/1/29", "毎月第5金"), "2027/1/29 2027/4/30 2027/7/30 2027/10/29"},
        {series("2026/12/1", "毎月第1火"), "2026/12/1 2027/1/5 2027/2/2"},
        {series("2026/12/30", "毎日", "2027/1/2", "2026/12/31"), "2026/12/30 2027/1/1 2027/1/2", 1},
        {series("2026/12/30", "毎週", "2026/12/29"), "", 1},
        {series("2026/12/7", "毎週", "", "2026/12/7;2026/12/14"), "2026/12/21 2026/12/28"},
        {series("12/7", "毎週"), "unreadable", 1},
        {series("2026/12/7", "毎週", "2027/13/1"), "unreadable", 1},
        {series("2026/12/7", "毎週", "", "2026/12/14;x"), "unreadable", 1},
    };
    for (const Case &c : cases) {
        const QStringList expected =
            QString::fromUtf8(c.days).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        EXPECT_EQ(daysOf(c.item, int(expected.size()) + c.extra), expected)
            << c.item.startdate.toStdString() << " " << c.item.rule.toStdString();
    }
}

TEST(RepeatTable, linesItCannotReadGoBackAsTheyCameAndChangedOnesFromTheirFields)
{
    RepeatTable table;
    table.reload(QStringLiteral("ヨガ,2026/12/17,10:00,毎週,,,a,b,c\r\n"
                                "壊れた,2026/13/1,,毎週,,,,,\r\n"
                                "多すぎる,2026/12/1,,毎日,,,,,,十\r\n"
                                "\r\n"
                                "誕生日,2026/3/4,,毎年,,,,,\r\n"));
    EXPECT_EQ(table.count(), 5);
    EXPECT_EQ(table.unreadableLines(),
              QStringList({QStringLiteral("壊れた,2026/13/1,,毎週,,,,,"),
                           QStringLiteral("多すぎる,2026/12/1,,毎日,,,,,,十")}));
    EXPECT_FALSE(table.changedThisRun());

    QSignalSpy resets(&table, &QAbstractItemModel::modelReset);
    table.leaveOut(0, day("2026/12/24"));
    table.leaveOut(0, day("2026/12/31"));
    EXPECT_TRUE(table.changedThisRun());
    EXPECT_EQ(resets.count(), 2);
    EXPECT_EQ(table.fileLines(),
              QStringList({QStringLiteral("ヨガ,2026/12/17,10:00,毎週,,2026/12/24;2026/12/31,a,b,c"),
                           QStringLiteral("壊れた,2026/13/1,,毎週,,,,,"),
                           QStringLiteral("多すぎる,2026/12/1,,毎日,,,,,,十"), QString(),
                           QStringLiteral("誕生日,2026/3/4,,毎年,,,,,")}));
    EXPECT_EQ(table.nextDay(0, day("2026/12/18")), day("2027/1/7"));
    EXPECT_FALSE(table.nextDay(1, day("2026/12/18")));

    const int added = table.add(series("2026/12/11", "毎日"));
    table.change(added, series("2026/12/11", "毎月第2金", "2027/2/12"));
    EXPECT_EQ(table.fileLines().constLast(), QStringLiteral("会議,2026/12/11,10:00,毎月第2金,2027/2/12,,,,"));
    table.removeAt(1);
    EXPECT_TRUE(table.unreadableLines().size() == 1);
}

TEST(RepeatTable, aSeriesShowsAtItsNextDayWithItsRuleAndRemindsOnEachOfItsDays)
{
    RepeatTable table;
    table.reload(QStringLiteral("ヨガ,2026/12/3,10:00,毎週,,,,,\r\n"
                                "月末の請求,2026/1/31,,毎月,,,,,\r\n"
                                "終わった,2026/1/1,9:00,毎日,2026/12/10,,,,\r\n"));
    const QDate today = day("2026/12/11");
    EXPECT_EQ(table.listLine(0, today), QStringLiteral("26/12/17  10:00  ヨガ（毎週）"));
    EXPECT_EQ(table.listLine(1, today), QStringLiteral("26/12/31         月末の請求（毎月）"));
    EXPECT_EQ(table.listLine(2, today), QString()); // ended: not shown, still in the file
    EXPECT_EQ(table.fileLines().size(), 3);
    EXPECT_EQ(table.listLine(0, day("2026/12/17")), QStringLiteral("26/12/17  10:00  ヨガ（毎週）"));
    EXPECT_EQ(table.listLine(0, day("2026/12/18")), QStringLiteral("26/12/24  10:00  ヨガ（毎週）"));
    EXPECT_EQ(table.reminderLines(day("2027/1/31")), QStringList{QStringLiteral("  月末の請求")});
    EXPECT_EQ(table.reminderLines(day("2026/12/10")),
              QStringList({QStringLiteral("10:00  ヨガ"), QStringLiteral("9:00  終わった")}));
    EXPECT_EQ(table.reminderLines(day("2026/12/31")),
              QStringList({QStringLiteral("10:00  ヨガ"), QStringLiteral("  月末の請求")}));
    EXPECT_TRUE(table.reminderLines(day("2026/12/11")).isEmpty());
}

// Without a series shown the list is the entries' own, change for change (a view keeps
// its place); with one, a change lays the rows out anew around it.
TEST(ScheduleList, passesEntryChangesThroughAndPlacesTheSeriesAmongThem)
{
    ScheduleTable table;
    RepeatTable series;
    QDate today = day("2026/12/7");
    ScheduleList list(table, series, [&today] { return today; });
    QSignalSpy inserted(&list, &QAbstractItemModel::rowsInserted);
    QSignalSpy resets(&list, &QAbstractItemModel::modelReset);
    ASSERT_TRUE(table.add("2026/12/9", "9:00", "b", today));
    ASSERT_TRUE(table.add("2026/12/8", "9:00", "a", today));
    EXPECT_EQ(inserted.count(), 2);
    EXPECT_EQ(inserted.at(1).at(1).toInt(), 0);
    EXPECT_EQ(resets.count(), 0);

    series.reload(QStringLiteral("会議,2026/12/1,9:00,毎週,,,,,\r\n終わった,2026/1/1,,毎日,2026/12/6,,,,\r\n"));
    EXPECT_EQ(resets.count(), 1);
    ASSERT_EQ(list.rowCount(), 3);
    EXPECT_EQ(list.index(1).data().toString(), QStringLiteral("26/12/08  09:00  会議（毎週）"));
    EXPECT_EQ(list.entryAt(1), (ScheduleList::Entry{true, 0}));
    EXPECT_EQ(list.entryAt(2), (ScheduleList::Entry{false, 1}));
    EXPECT_EQ(list.rowOf({false, 1}), 2);
    EXPECT_EQ(list.rowOf({true, 1}), -1); // ended: not shown

    table.removeAt(0);
    EXPECT_EQ(resets.count(), 2);
    EXPECT_EQ(list.entryAt(0), (ScheduleList::Entry{true, 0}));
    EXPECT_EQ(list.rowCount(), 2);

    // Once the day has passed the line moves on; on the same day nothing is laid out again.
    list.followDay();
    EXPECT_EQ(resets.count(), 2);
    today = day("2026/12/9");
    list.followDay();
    EXPECT_EQ(resets.count(), 3);
    EXPECT_EQ(list.index(1).data().toString(), QStringLiteral("26/12/15  09:00  会議（毎週）"));
}
