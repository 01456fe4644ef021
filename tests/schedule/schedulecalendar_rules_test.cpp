// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A series with its changed days as a sync folder's item: written anew, and a server's item
// changed in place, keeping what the other program wrote.
#include "schedule/repeattable.h"
#include "schedule/schedulecalendar.h"

#include <gtest/gtest.h>

namespace {

const QDate today(2026, 12, 7);
const QDateTime stamp(QDate(2026, 12, 7), QTime(9, 0), QTimeZone::utc());
const QTimeZone tokyo("Asia/Tokyo");

// Thursdays at 19:00 Tokyo (10:00 UTC) from 26 November; the 3 December changed (past),
// the 17th changed to 20:00, the 31st left out.
const QByteArray server =
    "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Web Calendar//EN\r\n"
    "BEGIN:VEVENT\r\nUID:yoga\r\nDTSTAMP:20261101T000000Z\r\nDTSTART:20261126T100000Z\r\n"
    "DTEND:20261126T113000Z\r\nRRULE:FREQ=WEEKLY;BYDAY=TH\r\nEXDATE:20261231T100000Z\r\n"
    "SUMMARY:Yoga\r\nLOCATION:Studio\r\nX-WEB-COLOR:green\r\nEND:VEVENT\r\n"
    "BEGIN:VEVENT\r\nUID:yoga\r\nRECURRENCE-ID:20261203T100000Z\r\nDTSTAMP:20261101T000000Z\r\n"
    "DTSTART:20261203T110000Z\r\nDTEND:20261203T123000Z\r\nSUMMARY:Yoga past\r\nEND:VEVENT\r\n"
    "BEGIN:VEVENT\r\nUID:yoga\r\nRECURRENCE-ID:20261217T100000Z\r\nDTSTAMP:20261101T000000Z\r\n"
    "DTSTART:20261217T110000Z\r\nDTEND:20261217T123000Z\r\nSUMMARY:Yoga late\r\nEND:VEVENT\r\n"
    "END:VCALENDAR\r\n";

scheduleitem day(const char *text, const char *date, const char *time)
{
    return {QString::fromUtf8(text), QLatin1String(date), QLatin1String(time), {}, {}, {}};
}

// The item read back: its series' line and its changed days from today on.
struct Back {
    QString line;
    QStringList days;
};
Back readBack(const QByteArray &item)
{
    const schedulecalendar::ReadResult read = schedulecalendar::read(item, today, tokyo, true);
    RepeatTable table;
    schedulecalendar::addAllSeries(table, read.series);
    Back back{table.fileLines().value(0), {}};
    for (const scheduleitem &e : read.items)
        back.days.append(e.eventinfo + u' ' + e.eventdate + u' ' + e.eventtime);
    back.days.sort();
    return back;
}

} // namespace

TEST(SeriesItem, theServersItemReadsAsTheSeriesAndItsDaysHereAndKeepsWhatElseItHas)
{
    const schedulecalendar::ReadResult read = schedulecalendar::read(server, today, tokyo, true);
    ASSERT_EQ(read.series.size(), 1);
    const repeatitem was = read.series.first();

    struct Case {
        const char *name;
        QString rule;
        QString except;
        QList<scheduleitem> days;
        QString line;       // the series as the item reads back
        QStringList placed; // the changed days it took, as they read back
        int notPlaced;
        bool ruleKept; // the server's own RRULE text stays
    };
    const QList<Case> cases{
        {"the changed day changed again", was.rule, was.except, {day("Yoga later", "2026/12/17", "21:00")},
         QStringLiteral("Yoga,2026/11/26,19:00,毎週,,2026/12/3;2026/12/17;2026/12/31,,,"),
         {QStringLiteral("Yoga later 2026/12/17 21:00")}, 0, true},
        {"the changed day taken away: its day stays left out", was.rule, was.except, {},
         QStringLiteral("Yoga,2026/11/26,19:00,毎週,,2026/12/3;2026/12/17;2026/12/31,,,"), {}, 0, true},
        {"a day left out here becomes a changed day", was.rule,
         was.except + QStringLiteral(";2026/12/10"),
         {day("Yoga late", "2026/12/17", "20:00"), day("Yoga early", "2026/12/10", "8:00")},
         // as the reader gives them: the changed days first
         QStringLiteral("Yoga,2026/11/26,19:00,毎週,,2026/12/3;2026/12/17;2026/12/10;2026/12/31,,,"),
         {QStringLiteral("Yoga early 2026/12/10 8:00"), QStringLiteral("Yoga late 2026/12/17 20:00")}, 0, true},
        {"a day no left-out day is free for stays its own", was.rule, QStringLiteral("2026/12/3;2026/12/17"),
         {day("Yoga late", "2026/12/17", "20:00"), day("Other", "2026/12/12", "9:00")},
         QStringLiteral("Yoga,2026/11/26,19:00,毎週,,2026/12/3;2026/12/17,,,"),
         {QStringLiteral("Yoga late 2026/12/17 20:00")}, 1, true},
        {"a new rule whose days the changed one is not of", QStringLiteral("隔週"), was.except,
         {day("Yoga late", "2026/12/17", "20:00")},
         QStringLiteral("Yoga,2026/11/26,19:00,隔週,,2026/12/3;2026/12/17;2026/12/31,,,"), {}, 1, false},
        {"a moved day takes the day it was moved from", was.rule, was.except + QStringLiteral(";2026/12/24"),
         {day("Yoga late", "2026/12/17", "20:00"), day("Yoga moved", "2026/12/26", "10:00")},
         QStringLiteral("Yoga,2026/11/26,19:00,毎週,,2026/12/3;2026/12/17;2026/12/24;2026/12/31,,,"),
         {QStringLiteral("Yoga late 2026/12/17 20:00"), QStringLiteral("Yoga moved 2026/12/26 10:00")}, 0, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        repeatitem after = was;
        after.rule = c.rule;
        after.except = c.except;
        const schedulecalendar::SeriesItem made =
            schedulecalendar::patchSeries(server, after, c.days, today, tokyo, stamp);
        ASSERT_FALSE(made.bytes.isEmpty());
        const Back back = readBack(made.bytes);
        EXPECT_EQ(back.line.toStdString(), c.line.toStdString());
        EXPECT_EQ(back.days.join(u'|').toStdString(), c.placed.join(u'|').toStdString());
        EXPECT_EQ(made.placed.size(), c.days.size() - c.notPlaced);
        EXPECT_TRUE(made.bytes.contains("LOCATION:Studio"));
        EXPECT_TRUE(made.bytes.contains("X-WEB-COLOR:green"));
        EXPECT_TRUE(made.bytes.contains("RECURRENCE-ID:20261203T100000Z")); // before today: as it was
        EXPECT_EQ(made.bytes.contains("RRULE:FREQ=WEEKLY;BYDAY=TH\r\n"), c.ruleKept);
    }
}

TEST(SeriesItem, aNewItemHoldsItsChangedDaysAndReadsBackTheSame)
{
    const repeatitem yoga{QStringLiteral("ヨガ"), QStringLiteral("2026/12/10"), QStringLiteral("19:00"),
                          QStringLiteral("毎週"), QStringLiteral("2027/3/25"),
                          QStringLiteral("2026/12/17;2026/12/24"), QStringLiteral("x"), {}, {}};
    const QList<scheduleitem> days{day("ヨガ 遅め", "2026/12/17", "20:30")};
    const schedulecalendar::SeriesItem made =
        schedulecalendar::seriesItem(yoga, days, QStringLiteral("u1"), today, tokyo, stamp);
    EXPECT_EQ(made.placed, QList<int>{0});
    EXPECT_EQ(made.bytes.count("UID:u1"), 2);
    EXPECT_TRUE(made.bytes.contains("RECURRENCE-ID;TZID=Asia/Tokyo:20261217T190000")) << made.bytes.constData();
    EXPECT_TRUE(made.bytes.contains("EXDATE;TZID=Asia/Tokyo:20261224T190000")) << made.bytes.constData();
    EXPECT_FALSE(made.bytes.contains("EXDATE;TZID=Asia/Tokyo:20261217"));
    const Back back = readBack(made.bytes);
    EXPECT_EQ(back.line.toStdString(), std::string("ヨガ,2026/12/10,19:00,毎週,2027/3/25,2026/12/17;2026/12/24,x,,"));

    EXPECT_EQ(back.days, QStringList{QStringLiteral("ヨガ 遅め 2026/12/17 20:30")});
}
