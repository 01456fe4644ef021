// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The schedule out as iCalendar and back, and the calendars other programs write.
#include "common/testfiles.h"
#include "schedule/schedulecalendar.h"
#include "text/jdate.h"

#include <QDir>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QDate today(2026, 12, 7);
const QDateTime stamp(QDate(2026, 12, 7), QTime(9, 0), QTimeZone::utc());

QTimeZone tokyo()
{
    return QTimeZone("Asia/Tokyo");
}

void loadGolden(ScheduleTable &table)
{
    static QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath("schedule.txt");
    writeBytes(path, readBytes(QStringLiteral(KIBANU_TEST_DATA "/quit/in/schedule.txt")));
    table.loadSchedule(path, today);
}

QStringList shapes(const QList<scheduleitem> &items)
{
    QStringList all;
    for (const scheduleitem &i : items)
        all.append(QStringList{i.eventdate, i.eventtime, i.eventinfo, i.extra1, i.extra2, i.extra3}.join(u'|'));
    return all;
}

} // namespace

TEST(ScheduleCalendar, everyReadableEntryOfTheGoldenFileComesBackAsItWasInAnyZone)
{
    ScheduleTable original;
    loadGolden(original);
    scheduleitem extras;
    extras.eventdate = QStringLiteral("2027/2/3");
    extras.eventtime = QStringLiteral("7:05");
    extras.eventinfo = QString::fromUtf8("余分; な\\項目");
    extras.extra1 = QStringLiteral("a;b");
    extras.extra3 = QString::fromUtf8("三");
    original.add(extras, today);
    // The same entry twice is two events.
    original.add(extras, today);
    QStringList readable;
    for (int i = 0; i < original.ntschedule(); ++i) {
        const scheduleitem &item = original.at(i);
        if (jdate::parseDate(item.eventdate, today)
            && (item.eventtime.isEmpty() || jdate::parseTime(item.eventtime)))
            readable.append(original.fileLines().at(i));
    }
    ASSERT_LT(readable.size(), original.ntschedule()); // the golden file has unreadable ones too

    for (const QTimeZone &zone : {tokyo(), QTimeZone::utc(), QTimeZone("America/New_York")}) {
        const schedulecalendar::Written out = schedulecalendar::write(original, today, zone, stamp);
        EXPECT_EQ(out.unreadable, original.ntschedule() - readable.size());
        const schedulecalendar::ReadResult in = schedulecalendar::read(out.bytes, today, zone);
        ASSERT_EQ(in.error, QString());
        ScheduleTable back;
        const schedulecalendar::Added added = schedulecalendar::addAll(back, in.items, today);
        EXPECT_EQ(added.same, 1); // the entry that was there twice
        const QStringList lines = back.fileLines();
        QStringList want = readable;
        want.removeOne(want.filter(QString::fromUtf8("余分")).value(0));
        // An import stores a date typed without a year with the year it meant.
        for (QString &line : want) {
            QStringList fields = line.split(QLatin1Char(','));
            fields[1] = jdate::withYear(fields[1], today);
            line = fields.join(QLatin1Char(','));
        }
        EXPECT_EQ(lines, want) << zone.id().toStdString();
    }
}

TEST(ScheduleCalendar, eventsHaveAZoneAStableUidAndFoldedUtf8Lines)
{
    ScheduleTable table;
    scheduleitem timed{QString::fromUtf8("会議 ").repeated(20), QStringLiteral("2026/12/10"),
                       QStringLiteral("10:00"), {}, {}, {}};
    scheduleitem allDay{QString::fromUtf8("休み"), QStringLiteral("12/24"), {}, {}, {}, {}};
    table.add(timed, today);
    table.add(allDay, today);
    const QByteArray once = schedulecalendar::write(table, today, tokyo(), stamp).bytes;
    const QByteArray twice = schedulecalendar::write(table, today, tokyo(), stamp.addDays(3)).bytes;
    const QString text = QString::fromUtf8(once);
    EXPECT_TRUE(text.contains("BEGIN:VTIMEZONE\r\nTZID:"));
    EXPECT_TRUE(text.contains("Asia/Tokyo"));
    EXPECT_TRUE(text.contains("DTSTART;TZID=")) << text.toStdString();
    EXPECT_TRUE(text.contains("20261210T100000"));
    EXPECT_TRUE(text.contains("20261210T110000")); // an hour
    EXPECT_TRUE(text.contains("DTSTART;VALUE=DATE:20261224\r\n"));
    EXPECT_TRUE(text.contains("DTEND;VALUE=DATE:20261225\r\n"));
    const auto uids = [](const QByteArray &bytes) {
        QStringList found;
        for (const QByteArray &l : bytes.split('\n'))
            if (l.startsWith("UID:"))
                found.append(QString::fromLatin1(l.trimmed()));
        return found;
    };
    EXPECT_EQ(uids(once).size(), 2);
    EXPECT_NE(uids(once).value(0), uids(once).value(1));
    EXPECT_EQ(uids(once), uids(twice)); // exported again: the same events
    for (const QByteArray &l : once.split('\n')) {
        if (l.isEmpty())
            continue;
        EXPECT_TRUE(l.endsWith('\r'));
        EXPECT_LE(l.size() - 1, 75);
        EXPECT_FALSE(QString::fromUtf8(l).contains(QChar::ReplacementCharacter)) << l.toStdString();
    }
}

TEST(ScheduleCalendar, aCalendarWithAZoneAnAllDayEventAndAWeeklyRuleWithAnException)
{
    const schedulecalendar::ReadResult r = schedulecalendar::read(
        readBytes(QStringLiteral(KIBANU_TEST_DATA "/ical/calendar-vtimezone-rrule.ics")), today, tokyo());
    ASSERT_EQ(r.error, QString());
    EXPECT_EQ(shapes(r.items),
              QStringList({QString::fromUtf8("2026/12/10|10:00|企画会議、 第3会議室|||"),
                           QString::fromUtf8("2026/12/11|10:30|Call with Berlin|||"),
                           QString::fromUtf8("2026/12/24||クリスマス・イブ|||"),
                           QString::fromUtf8("2026/12/7|9:30|週次定例|||"),
                           QString::fromUtf8("2026/12/21|9:30|週次定例|||"),
                           QString::fromUtf8("2026/12/28|9:30|週次定例|||"),
                           QString::fromUtf8("2027/1/4|9:30|週次定例|||"),
                           QString::fromUtf8("2027/1/11|9:30|週次定例|||")}));
    // The same file read in another zone: the moments move, the all-day event does not.
    const schedulecalendar::ReadResult utc = schedulecalendar::read(
        readBytes(QStringLiteral(KIBANU_TEST_DATA "/ical/calendar-vtimezone-rrule.ics")), today,
        QTimeZone::utc());
    EXPECT_EQ(shapes(utc.items).mid(0, 3),
              QStringList({QString::fromUtf8("2026/12/10|1:00|企画会議、 第3会議室|||"),
                           QString::fromUtf8("2026/12/11|1:30|Call with Berlin|||"),
                           QString::fromUtf8("2026/12/24||クリスマス・イブ|||")}));
}

TEST(ScheduleCalendar, aFileThatIsNoCalendarIsCutOffOrNotUtf8IsRefused)
{
    for (const QByteArray &bad :
         {QByteArray("BEGIN:VCARD\r\nEND:VCARD\r\n"), QByteArray("BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\n"),
          QByteArray("BEGIN:VCALENDAR\r\nSUMMARY:\x8E\x52\r\nEND:VCALENDAR\r\n"), QByteArray()}) {
        const schedulecalendar::ReadResult r = schedulecalendar::read(bad, today, tokyo());
        EXPECT_NE(r.error, QString()) << bad.toStdString();
        EXPECT_TRUE(r.items.isEmpty());
    }
    // An event without a start is counted, not taken.
    const schedulecalendar::ReadResult noStart = schedulecalendar::read(
        "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nSUMMARY:x\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n", today, tokyo());
    EXPECT_EQ(noStart.error, QString());
    EXPECT_EQ(noStart.unreadable, 1);
    // Characters CP932 cannot hold are named.
    const schedulecalendar::ReadResult emoji = schedulecalendar::read(
        QString::fromUtf8("BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nDTSTART;VALUE=DATE:20261208\r\n"
                          "SUMMARY:誕生日🎂\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n").toUtf8(),
        today, tokyo());
    ASSERT_EQ(emoji.items.size(), 1);
    EXPECT_EQ(emoji.items.at(0).eventinfo, QString::fromUtf8("誕生日？"));
    EXPECT_EQ(emoji.replaced, QStringList({QString::fromUtf8("🎂")}));
}

// RFC 5545 folds at 75 octets, and a writer may fold inside a character: the lines are
// joined by their octets before they are decoded, with CR LF or LF alike.
TEST(ScheduleCalendar, aLineFoldedInsideAUtf8CharacterIsJoinedBeforeItIsDecoded)
{
    // 会議室: E4 BC 9A | E8 AD B0 | E5 AE A4, folded after the first two octets of 会 and in 室.
    for (const QByteArray &eol : {QByteArray("\r\n"), QByteArray("\n")}) {
        const QByteArray file = "BEGIN:VCALENDAR" + eol + "BEGIN:VEVENT" + eol
                                + "DTSTART;VALUE=DATE:20261208" + eol + "SUMMARY:\xE4\xBC" + eol
                                + " \x9A\xE8\xAD\xB0\xE5" + eol + "\t\xAE\xA4" + eol + "END:VEVENT"
                                + eol + "END:VCALENDAR" + eol;
        const schedulecalendar::ReadResult r = schedulecalendar::read(file, today, tokyo());
        EXPECT_EQ(r.error, QString()) << eol.size();
        ASSERT_EQ(r.items.size(), 1) << eol.size();
        EXPECT_EQ(r.items.at(0).eventinfo, QString::fromUtf8("会議室")) << eol.size();
    }
}

TEST(ScheduleCalendar, anEntryAlreadyThereIsNotAddedTwiceAndAFullScheduleStopsTheRest)
{
    ScheduleTable table;
    for (int i = 0; i < ScheduleTable::Capacity - 1; ++i) {
        scheduleitem item{QStringLiteral("e%1").arg(i), QStringLiteral("2027/1/1"), {}, {}, {}, {}};
        table.add(item, today);
    }
    const QList<scheduleitem> items{
        {QStringLiteral("e5"), QStringLiteral("2027/01/01"), {}, {}, {}, {}}, // the same day, written otherwise
        {QStringLiteral("new"), QStringLiteral("2027/1/2"), QStringLiteral("9:00"), {}, {}, {}},
        {QStringLiteral("new"), QStringLiteral("2027/1/2"), QStringLiteral("09:00"), {}, {}, {}},
        {QStringLiteral("more"), QStringLiteral("2027/1/3"), {}, {}, {}, {}},
        {QStringLiteral("most"), QStringLiteral("2027/1/4"), {}, {}, {}, {}}};
    const schedulecalendar::Added a = schedulecalendar::addAll(table, items, QDate(2026, 12, 7));
    EXPECT_EQ(a.added, 1);
    EXPECT_EQ(a.same, 2);
    EXPECT_EQ(a.leftOut, 2);
    EXPECT_TRUE(table.isFull());
}

TEST(ScheduleCalendar, aRuleFromLongAgoStillGivesTheComingYearAndAnEndlessOneStops)
{
    const auto read = [](const char *rule, const char *start = "TZID=Asia/Tokyo:20150301T080000") {
        return schedulecalendar::read(QByteArray("BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nDTSTART;") + start
                                          + "\r\n" + rule + "\r\nSUMMARY:x\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n",
                                      today, tokyo());
    };
    // One event gives at most 100 entries, so it cannot fill the schedule.
    const schedulecalendar::ReadResult daily = read("RRULE:FREQ=DAILY");
    ASSERT_EQ(daily.items.size(), 100);
    EXPECT_EQ(daily.items.first().eventdate, QStringLiteral("2026/12/7"));
    EXPECT_EQ(daily.items.last().eventdate, QStringLiteral("2027/3/16"));
    EXPECT_EQ(daily.limited, QStringList{QStringLiteral("x")});
    const schedulecalendar::ReadResult weekly = read("RRULE:FREQ=WEEKLY");
    ASSERT_EQ(weekly.items.size(), 52); // Sundays, 2026/12/13 to 2027/12/5: within the year
    EXPECT_EQ(weekly.items.last().eventdate, QStringLiteral("2027/12/5"));
    EXPECT_TRUE(weekly.limited.isEmpty());
    // Counted from its first occurrence: 4000 days from 2015/3/1 end in 2026/2, and the
    // 4300th is today.
    EXPECT_TRUE(read("RRULE:FREQ=DAILY;COUNT=4000").items.isEmpty());
    const schedulecalendar::ReadResult counted = read("RRULE:FREQ=DAILY;COUNT=4300");
    ASSERT_EQ(counted.items.size(), 1);
    EXPECT_EQ(counted.items.at(0).eventdate, QStringLiteral("2026/12/7"));
    // By the second, stepping through each day would stop at the step limit within days.
    // Each day's entry stands at the event's own time of day.
    struct Fine {
        const char *rule, *start, *time;
    };
    for (const auto &[fine, start, time] :
         {Fine{"RRULE:FREQ=SECONDLY", "TZID=Asia/Tokyo:20150301T080000", "8:00"},
          Fine{"RRULE:FREQ=SECONDLY", "VALUE=DATE-TIME:20150301T080000", "8:00"},
          Fine{"RRULE:FREQ=SECONDLY", "VALUE=DATE-TIME:20150301T080000Z", "17:00"},
          Fine{"RRULE:FREQ=MINUTELY", "TZID=Asia/Tokyo:20150301T080000", "8:00"},
          Fine{"RRULE:FREQ=HOURLY", "TZID=Asia/Tokyo:20150301T080000", "8:00"}}) {
        const schedulecalendar::ReadResult r = read(fine, start);
        QSet<QString> days;
        for (const scheduleitem &i : r.items)
            days.insert(i.eventdate);
        ASSERT_EQ(r.items.size(), 100) << fine;
        EXPECT_EQ(days.size(), 100) << fine; // one a day
        EXPECT_EQ(r.items.first().eventdate, QStringLiteral("2026/12/7")) << fine;
        EXPECT_EQ(r.items.last().eventdate, QStringLiteral("2027/3/16")) << fine;
        EXPECT_EQ(r.limited, QStringList{QStringLiteral("x")}) << fine;
        EXPECT_EQ(r.items.first().eventtime, QLatin1String(time)) << start;
        EXPECT_EQ(r.items.last().eventtime, QLatin1String(time)) << start;
    }
}

// Google writes the changed occurrence before its series, Thunderbird after; both give the
// changed entry in the occurrence's place, and cancelled ones give none.
TEST(ScheduleCalendar, aChangedOccurrenceTakesItsPlaceAndCancelledOnesAndTasksGiveNone)
{
    const auto readFile = [](const char *name) {
        return schedulecalendar::read(
            readBytes(QStringLiteral(KIBANU_TEST_DATA "/ical/") + QLatin1String(name)), today, tokyo());
    };
    const schedulecalendar::ReadResult google = readFile("google-moved-cancelled.ics");
    ASSERT_EQ(google.error, QString());
    EXPECT_EQ(shapes(google.items),
              QStringList({QString::fromUtf8("2026/12/7|10:00|定例会議|||"),
                           QString::fromUtf8("2026/12/14|10:00|定例会議|||"),
                           QString::fromUtf8("2026/12/28|10:00|定例会議|||"),
                           QString::fromUtf8("2027/1/4|10:00|定例会議|||"),
                           QString::fromUtf8("2027/1/11|13:00|定例会議（午後に変更）|||"),
                           // three days of one all-day event
                           QString::fromUtf8("2027/1/5||出張|||"), QString::fromUtf8("2027/1/6||出張|||"),
                           QString::fromUtf8("2027/1/7||出張|||")}));
    EXPECT_EQ(google.cancelled, 2); // an occurrence and a whole event
    EXPECT_EQ(google.uids.size(), 3);
    // A long one gives a month of days at most.
    const schedulecalendar::ReadResult long_ = schedulecalendar::read(
        "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nUID:l\r\nDTSTART;VALUE=DATE:20270101\r\n"
        "DTEND;VALUE=DATE:20270401\r\nSUMMARY:x\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n",
        today, tokyo());
    ASSERT_EQ(long_.items.size(), 31);
    EXPECT_EQ(long_.items.last().eventdate, QStringLiteral("2027/1/31"));
    EXPECT_TRUE(long_.recurring); // one item of several entries, as a series

    const schedulecalendar::ReadResult thunderbird = readFile("thunderbird-series-task.ics");
    ASSERT_EQ(thunderbird.error, QString());
    EXPECT_EQ(shapes(thunderbird.items.mid(0, 5)),
              QStringList({QString::fromUtf8("2026/12/8|8:30|朝礼|||"),
                           QString::fromUtf8("2026/12/9|8:30|朝礼|||"),
                           QString::fromUtf8("2026/12/12|8:30|朝礼|||"),
                           QString::fromUtf8("2026/12/10|9:00|朝礼（社長訓示）|||"),
                           QString::fromUtf8("2026/12/7|9:00|水分補給|||")}));
    EXPECT_EQ(thunderbird.items.size(), 5 + 99);
    EXPECT_EQ(thunderbird.items.at(5).eventdate, QStringLiteral("2026/12/8"));
    EXPECT_EQ(thunderbird.cancelled, 1);
    EXPECT_EQ(thunderbird.notEvents, 1); // the task
    EXPECT_EQ(thunderbird.limited, QStringList{QString::fromUtf8("水分補給")});
}
