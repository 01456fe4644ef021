// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// One occurrence of a server's repeating event changed or deleted inside the series' item.
#include "schedule/schedulecalendar.h"

#include <gtest/gtest.h>

namespace {

const QDate today(2026, 12, 7);
const QDateTime stamp(QDate(2026, 12, 9), QTime(9, 0), QTimeZone::utc());

// A weekly class as a web calendar writes it: its zone, an end, a place.
QByteArray series(const char *start, const char *end)
{
    return QByteArray("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Web Calendar//EN\r\n"
                      "BEGIN:VTIMEZONE\r\nTZID:Asia/Tokyo\r\nBEGIN:STANDARD\r\nTZOFFSETFROM:+0900\r\n"
                      "TZOFFSETTO:+0900\r\nTZNAME:JST\r\nDTSTART:19700101T000000\r\nEND:STANDARD\r\n"
                      "END:VTIMEZONE\r\nBEGIN:VEVENT\r\nDTSTART")
           + start + "\r\nDTEND" + end
           + "\r\nRRULE:FREQ=WEEKLY;COUNT=3\r\nDTSTAMP:20261201T000000Z\r\nUID:yoga2\r\n"
             "SUMMARY:Yoga\r\nLOCATION:Studio\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
}

const QByteArray zoned = series(";TZID=Asia/Tokyo:20261208T190000", ";TZID=Asia/Tokyo:20261208T200000");
const QByteArray allDay = series(";VALUE=DATE:20261208", ";VALUE=DATE:20261209");
const QByteArray inUtc = series(":20261208T100000Z", ":20261208T110000Z");

// The occurrence of that day changed to `info` at `time` (null: deleted).
QByteArray change(const QByteArray &bytes, const char *day, const char *info, const char *time = nullptr)
{
    const auto was = [day](const scheduleitem &e) { return e.eventdate == QLatin1String(day); };
    scheduleitem after;
    after.eventdate = QLatin1String(day);
    after.eventtime = QLatin1String(time ? time : "");
    after.eventinfo = QString::fromUtf8(info ? info : "");
    return schedulecalendar::patchOccurrence(bytes, was, info ? &after : nullptr, today,
                                             QTimeZone("Asia/Tokyo"), stamp);
}

QStringList entries(const QByteArray &bytes)
{
    const schedulecalendar::ReadResult read = schedulecalendar::read(bytes, today, QTimeZone("Asia/Tokyo"));
    EXPECT_EQ(read.uids, QStringList{"yoga2"});
    QStringList all;
    for (const scheduleitem &e : read.items)
        all.append(e.eventdate + u' ' + e.eventtime + u' ' + e.eventinfo);
    all.sort();
    return all;
}

} // namespace

TEST(ScheduleOccurrence, aChangedOrDeletedOccurrenceStaysInsideItsSeries)
{
    struct Case {
        const char *what;
        QByteArray bytes;
        QStringList read;
        QList<QByteArray> has;
        QList<QByteArray> hasNot;
    };
    const QByteArray renamed = change(zoned, "2026/12/15", "Yoga off", "19:00");
    const QByteArray renamedAllDay = change(allDay, "2026/12/15", "Yoga off");
    const Case cases[] = {
        {"renamed", renamed,
         {"2026/12/15 19:00 Yoga off", "2026/12/22 19:00 Yoga", "2026/12/8 19:00 Yoga"},
         {"RECURRENCE-ID;TZID=Asia/Tokyo:20261215T190000", "DTEND;TZID=Asia/Tokyo:20261215T200000",
          "SUMMARY:Yoga off\r\nLOCATION:Studio", "RRULE:FREQ=WEEKLY;COUNT=3"},
         {"EXDATE"}},
        {"moved", change(zoned, "2026/12/15", "Yoga", "20:30"),
         {"2026/12/15 20:30 Yoga", "2026/12/22 19:00 Yoga", "2026/12/8 19:00 Yoga"},
         {"RECURRENCE-ID;TZID=Asia/Tokyo:20261215T190000", "DTSTART;TZID=Asia/Tokyo:20261215T203000"},
         {}},
        {"deleted", change(zoned, "2026/12/15", nullptr),
         {"2026/12/22 19:00 Yoga", "2026/12/8 19:00 Yoga"},
         {"EXDATE;TZID=Asia/Tokyo:20261215T190000"},
         {"RECURRENCE-ID"}},
        {"renamed, then deleted", change(renamed, "2026/12/15", nullptr),
         {"2026/12/22 19:00 Yoga", "2026/12/8 19:00 Yoga"},
         {"EXDATE;TZID=Asia/Tokyo:20261215T190000"},
         {"RECURRENCE-ID", "Yoga off"}},
        {"renamed twice", change(renamed, "2026/12/15", "Yoga later", "19:00"),
         {"2026/12/15 19:00 Yoga later", "2026/12/22 19:00 Yoga", "2026/12/8 19:00 Yoga"},
         {"RECURRENCE-ID;TZID=Asia/Tokyo:20261215T190000"},
         {"Yoga off", "EXDATE"}},
        {"all day, renamed", renamedAllDay,
         {"2026/12/15  Yoga off", "2026/12/22  Yoga", "2026/12/8  Yoga"},
         {"RECURRENCE-ID;VALUE=DATE:20261215", "DTEND;VALUE=DATE:20261216"},
         {"TZID=Asia/Tokyo:20261215"}},
        {"all day, deleted", change(allDay, "2026/12/22", nullptr),
         {"2026/12/15  Yoga", "2026/12/8  Yoga"},
         {"EXDATE;VALUE=DATE:20261222"},
         {}},
        {"in UTC, renamed", change(inUtc, "2026/12/8", "Yoga off", "19:00"),
         {"2026/12/15 19:00 Yoga", "2026/12/22 19:00 Yoga", "2026/12/8 19:00 Yoga off"},
         {"RECURRENCE-ID:20261208T100000Z"},
         {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_FALSE(c.bytes.isEmpty());
        EXPECT_EQ(entries(c.bytes), c.read);
        EXPECT_EQ(c.bytes.count("UID:yoga2"), c.bytes.count("BEGIN:VEVENT"));
        for (const QByteArray &text : c.has)
            EXPECT_TRUE(c.bytes.contains(text)) << text.constData() << "\n" << c.bytes.constData();
        for (const QByteArray &text : c.hasNot)
            EXPECT_FALSE(c.bytes.contains(text)) << text.constData() << "\n" << c.bytes.constData();
    }
    // No such occurrence, an occurrence already passed, or no series: nothing to patch.
    EXPECT_TRUE(change(zoned, "2026/12/16", "x", "19:00").isEmpty());
    EXPECT_TRUE(change(series(";TZID=Asia/Tokyo:20261201T190000", ";TZID=Asia/Tokyo:20261201T200000"),
                       "2026/12/1", nullptr)
                    .isEmpty());
    QByteArray single = zoned;
    single.replace("RRULE:FREQ=WEEKLY;COUNT=3\r\n", "");
    EXPECT_TRUE(change(single, "2026/12/8", nullptr).isEmpty());
}
