// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The series of repeat.txt out as one event with its rule, and rules of other programs in.
#include "schedule/repeattable.h"
#include "schedule/schedulecalendar.h"

#include <QSet>

#include <gtest/gtest.h>

namespace {

const QDate today(2026, 12, 7);
const QDateTime stamp(QDate(2026, 12, 7), QTime(9, 0), QTimeZone::utc());

QByteArray exported(const QString &lines, const QTimeZone &zone)
{
    RepeatTable series;
    series.reload(lines);
    ScheduleTable none;
    return schedulecalendar::write(none, today, zone, stamp, &series).bytes;
}

QByteArray calendar(const char *events)
{
    return QByteArray("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//t//t//EN\r\n") + events
           + "END:VCALENDAR\r\n";
}

QStringList seriesLines(const schedulecalendar::ReadResult &read)
{
    RepeatTable table;
    schedulecalendar::addAllSeries(table, read.series);
    return table.fileLines();
}

} // namespace

// Every rule at the month's end, in a leap year and over the year's end, with its last day
// and its days left out, comes back as the same line, in any zone.
TEST(SeriesCalendar, everySeriesGoesOutAsOneRuleAndComesBackTheSame)
{
    const QStringList lines{
        QStringLiteral("日次,2026/12/30,7:00,毎日,2027/1/3,2027/1/1,,,"),
        QStringLiteral("朝会,2026/12/7,9:00,平日,,2026/12/25;2027/1/1,a,b,c"),
        QStringLiteral("ヨガ,2026/12/3,19:30,毎週,,,,,"),
        QStringLiteral("隔週会議,2026/12/24,15:00,隔週,2027/6/30,,,,"),
        QStringLiteral("月末の請求,2027/1/31,,毎月,,,,,"),
        QStringLiteral("家賃,2026/12/27,,毎月,,,,,"),
        QStringLiteral("定例,2026/12/10,10:00,毎月第2木,,2027/2/11,,,"),
        QStringLiteral("締め,2026/12/25,,毎月最終金,,,,,"),
        QStringLiteral("五回目,2027/1/29,,毎月第5金,,,,,"),
        QStringLiteral("うるう日,2028/2/29,,毎年,,,,,"),
        QStringLiteral("大晦日,2026/12/31,23:30,毎年,,,,,"),
    };
    for (const QTimeZone &zone : {QTimeZone("Asia/Tokyo"), QTimeZone::utc(), QTimeZone("America/New_York")}) {
        const QByteArray bytes = exported(lines.join(QStringLiteral("\r\n")), zone);
        EXPECT_EQ(bytes.count("BEGIN:VEVENT"), lines.size());
        const auto read = schedulecalendar::read(bytes, today, zone, true);
        EXPECT_TRUE(read.items.isEmpty()) << zone.id().toStdString();
        EXPECT_EQ(seriesLines(read), lines) << zone.id().toStdString();
    }
    const QByteArray tokyo = exported(lines.join(QStringLiteral("\r\n")), QTimeZone("Asia/Tokyo"));
    EXPECT_TRUE(tokyo.contains("RRULE:FREQ=MONTHLY;BYMONTHDAY=28,29,30,31;BYSETPOS=-1\r\n"));
    EXPECT_TRUE(tokyo.contains("RRULE:FREQ=MONTHLY;BYDAY=-1FR\r\n"));
    EXPECT_TRUE(tokyo.contains("EXDATE;VALUE=DATE:20270101\r\n") || tokyo.contains("EXDATE;TZID=Asia/Tokyo:20270101T090000\r\n"));
    EXPECT_TRUE(tokyo.contains("UNTIL=20270630T145959Z")) << tokyo.constData(); // the last day's end
}

// Without being asked (the sync), a rule stays its occurrences, as before.
TEST(SeriesCalendar, rulesTheProgramHasAreSeriesAndOthersStayTheirOccurrences)
{
    const QByteArray file = calendar(
        "BEGIN:VEVENT\r\nUID:w\r\nDTSTART;VALUE=DATE:20261208\r\nRRULE:FREQ=WEEKLY;BYDAY=TU;COUNT=3\r\n"
        "SUMMARY:火曜\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nUID:m\r\nDTSTART:20261210T010000Z\r\nRRULE:FREQ=MONTHLY;BYDAY=2TH\r\n"
        "SUMMARY:第二木曜\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nUID:m\r\nRECURRENCE-ID:20270114T010000Z\r\nDTSTART:20270115T010000Z\r\n"
        "SUMMARY:振替\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nUID:t\r\nDTSTART;VALUE=DATE:20261207\r\nRRULE:FREQ=WEEKLY;INTERVAL=3;COUNT=2\r\n"
        "SUMMARY:三週\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nUID:e\r\nDTSTART;VALUE=DATE:20261231\r\nRRULE:FREQ=MONTHLY;COUNT=2\r\n"
        "SUMMARY:三十一日\r\nEND:VEVENT\r\n");
    const auto read = schedulecalendar::read(file, today, QTimeZone("Asia/Tokyo"), true);
    EXPECT_EQ(seriesLines(read),
              QStringList({QStringLiteral("火曜,2026/12/8,,毎週,2026/12/22,,,,"),
                           QStringLiteral("第二木曜,2026/12/10,10:00,毎月第2木,,2027/1/14,,,")}));
    QStringList entries;
    for (const scheduleitem &e : read.items)
        entries.append(e.eventinfo + QLatin1Char(' ') + e.eventdate);
    // The changed day; every third week; RFC's months with a 31st, not the program's.
    EXPECT_EQ(entries, QStringList({QStringLiteral("振替 2027/1/15"), QStringLiteral("三週 2026/12/7"),
                                    QStringLiteral("三週 2026/12/28"), QStringLiteral("三十一日 2026/12/31"),
                                    QStringLiteral("三十一日 2027/1/31")}));
    EXPECT_TRUE(schedulecalendar::read(file, today, QTimeZone("Asia/Tokyo")).series.isEmpty());
}

// A rule is taken only where it gives the very days and times of the coming year: an
// UNTIL before the last day's time ends the day before; a UTC rule read where summer time
// moves it an hour stays its occurrences; a changed day without a zone of its own is the
// start's.
TEST(SeriesCalendar, aRuleIsASeriesOnlyWhereItGivesTheSameDaysAndTimes)
{
    const QByteArray file = calendar(
        "BEGIN:VEVENT\r\nUID:u\r\nDTSTART:20261208T000000Z\r\n"
        "RRULE:FREQ=DAILY;UNTIL=20261210T235959Z\r\nSUMMARY:朝\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nUID:d\r\nDTSTART:20261208T140000Z\r\nRRULE:FREQ=WEEKLY\r\n"
        "SUMMARY:夏時間\r\nEND:VEVENT\r\n");
    const auto tokyo = schedulecalendar::read(file, today, QTimeZone("Asia/Tokyo"), true);
    EXPECT_EQ(seriesLines(tokyo),
              QStringList({QStringLiteral("朝,2026/12/8,9:00,毎日,2026/12/10,,,,"),
                           QStringLiteral("夏時間,2026/12/8,23:00,毎週,,,,,")}));
    const auto newYork = schedulecalendar::read(file, today, QTimeZone("America/New_York"), true);
    EXPECT_EQ(seriesLines(newYork),
              QStringList{QStringLiteral("朝,2026/12/7,19:00,毎日,2026/12/9,,,,")});
    QSet<QString> times;
    for (const scheduleitem &e : newYork.items)
        times.insert(e.eventtime);
    EXPECT_EQ(times, QSet<QString>({QStringLiteral("9:00"), QStringLiteral("10:00")}));

    const QByteArray changed = calendar(
        "BEGIN:VEVENT\r\nUID:c\r\nDTSTART;TZID=Asia/Tokyo:20261208T083000\r\n"
        "RRULE:FREQ=DAILY;COUNT=3\r\nSUMMARY:朝礼\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nUID:c\r\nRECURRENCE-ID;TZID=Asia/Tokyo:20261209T083000\r\n"
        "DTSTART;TZID=Asia/Tokyo:20261209T100000\r\nSUMMARY:訓示\r\nEND:VEVENT\r\n");
    EXPECT_EQ(seriesLines(schedulecalendar::read(changed, today, QTimeZone::utc(), true)),
              QStringList{QStringLiteral("朝礼,2026/12/7,23:30,毎日,2026/12/9,2026/12/8,,,")});
}

// What a series cannot say stays occurrences: a day changed beyond the coming year (it
// would be left out with no entry), an EXDATE at another time than the series' (RFC 5545
// keeps that day), a count too long to count out. And the last day of a series whose time
// summer time skips is still written into the rule.
TEST(SeriesCalendar, whatASeriesCannotSayStaysOccurrencesAndTheLastDayIsKept)
{
    const QByteArray file = calendar(
        "BEGIN:VEVENT\r\nUID:far\r\nDTSTART;TZID=Asia/Tokyo:20261209T100000\r\nRRULE:FREQ=WEEKLY\r\n"
        "SUMMARY:遠い変更\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nUID:far\r\nRECURRENCE-ID;TZID=Asia/Tokyo:20280607T100000\r\n"
        "DTSTART;TZID=Asia/Tokyo:20280608T150000\r\nSUMMARY:遠い変更\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nUID:ex\r\nDTSTART;TZID=Asia/Tokyo:20261209T100000\r\nRRULE:FREQ=WEEKLY\r\n"
        "EXDATE;TZID=Asia/Tokyo:20261216T090000\r\nSUMMARY:別の時刻\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nUID:n\r\nDTSTART;VALUE=DATE:20261209\r\nRRULE:FREQ=DAILY;COUNT=200000000\r\n"
        "SUMMARY:長い\r\nEND:VEVENT\r\n");
    const auto read = schedulecalendar::read(file, today, QTimeZone("Asia/Tokyo"), true);
    EXPECT_TRUE(read.series.isEmpty());
    QSet<QString> texts;
    for (const scheduleitem &e : read.items)
        texts.insert(e.eventinfo);
    EXPECT_EQ(texts, QSet<QString>({QStringLiteral("遠い変更"), QStringLiteral("別の時刻"), QStringLiteral("長い")}));

    const QTimeZone newYork("America/New_York");
    const QByteArray out = exported(QStringLiteral("t,2027/3/7,2:30,毎週,2027/3/14,,,,"), newYork);
    // Read back, 3/14 at 2:30 does not exist there: the days come as occurrences, both.
    QStringList days;
    for (const scheduleitem &e : schedulecalendar::read(out, today, newYork, true).items)
        days.append(e.eventdate);
    EXPECT_EQ(days, QStringList({QStringLiteral("2027/3/7"), QStringLiteral("2027/3/14")}));
}
