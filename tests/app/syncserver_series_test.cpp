// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Two computers syncing one server over three rounds: a series edited on one of them and a
// calendar exported from the program loaded into the server double nothing, and both
// computers end with the same schedule.
#include "syncserver_fixture.h"

#include "schedule/schedulecalendar.h"

namespace {

const QByteArray yoga = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Web Calendar//EN\r\n"
                        "BEGIN:VEVENT\r\nUID:yoga2\r\nDTSTAMP:20261201T000000Z\r\n"
                        "DTSTART:20261210T100000Z\r\nDTEND:20261210T110000Z\r\n"
                        "RRULE:FREQ=DAILY;INTERVAL=7;COUNT=3\r\nSUMMARY:Yoga\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";

// A calendar file as a web calendar's import takes it: each event an item of its own, named
// by its UID, with the zones of the file.
QList<std::pair<QByteArray, QByteArray>> itemsOf(const QByteArray &calendar)
{
    const qsizetype first = calendar.indexOf("BEGIN:VEVENT");
    const QByteArray head = calendar.left(first);
    QList<std::pair<QByteArray, QByteArray>> items;
    for (qsizetype at = first; at >= 0; at = calendar.indexOf("BEGIN:VEVENT", at + 1)) {
        const qsizetype end = calendar.indexOf("END:VEVENT\r\n", at) + 12;
        const QByteArray event = calendar.mid(at, end - at);
        const qsizetype uid = event.indexOf("\r\nUID:") + 6;
        items.append({event.mid(uid, event.indexOf("\r\n", uid) - uid),
                      head + event + "END:VCALENDAR\r\n"});
    }
    return items;
}

int rowOf(const ScheduleTable &t, const char *text, const char *date)
{
    for (int i = 0; i < t.ntschedule(); ++i)
        if (t.at(i).eventinfo == QLatin1String(text) && t.at(i).eventdate == QLatin1String(date))
            return i;
    ADD_FAILURE() << text << " " << date;
    return 0;
}

} // namespace

TEST_F(SyncServer, twoComputersAgreeAfterASeriesIsEditedAndAnExportIsLoadedIntoTheServer)
{
    const QDate today(2026, 12, 7);
    QByteArray exported;
    runProgram([&](Session &s) {
        s.schedule().add("2026/12/24", "18:00", "年末の会", today);
        s.schedule().add("2027/1/5", "", "仕事始め", today);
        exported = schedulecalendar::write(s.schedule(), today, QTimeZone::systemTimeZone(),
                                           QDateTime(today, QTime(9, 0)))
                       .bytes;
    });
    // The export loaded into the web calendar, beside a series made there.
    for (const auto &[uid, item] : itemsOf(exported))
        http("PUT", url("calendar", QString::fromLatin1(uid) + ".ics"), item, "text/calendar");
    http("PUT", url("calendar", "yoga2.ics"), yoga, "text/calendar");

    // Round one: the series comes to both; the second computer renames one occurrence.
    vdirsyncer({"sync"});
    runProgram([](Session &) {});
    vdirsyncer({"sync"}, 1);
    runProgram([](Session &s) {
        ScheduleTable &t = s.schedule();
        EXPECT_EQ(t.ntschedule(), 5);
        const int row = rowOf(t, "Yoga", "2026/12/17");
        t.change(row, t.at(row).eventdate, t.at(row).eventtime, "Yoga off", QDate(2026, 12, 7));
    }, 1);
    vdirsyncer({"sync"}, 1);
    // Round two: the first has the change and deletes another occurrence.
    vdirsyncer({"sync"});
    runProgram([](Session &s) {
        ScheduleTable &t = s.schedule();
        EXPECT_EQ(t.ntschedule(), 5);
        t.removeAt(rowOf(t, "Yoga", "2026/12/24"));
    });
    vdirsyncer({"sync"});
    // Round three: both run once more; nothing is left to carry.
    for (const int computer : {1, 0, 1}) {
        vdirsyncer({"sync"}, computer);
        runProgram([](Session &) {}, computer);
        vdirsyncer({"sync"}, computer);
    }

    const QByteArray schedule = dataFile("schedule.txt");
    EXPECT_EQ(dataFile("schedule.txt", 1), schedule);
    EXPECT_EQ(schedule.count('\n'), 4) << schedule.constData();
    for (const char *line : {"Yoga,2026/12/10,", "Yoga off,2026/12/17,", "2026/12/24,18:00", "2027/1/5"})
        EXPECT_EQ(schedule.count(sjis(line)), 1) << line;
    for (int computer : {0, 1})
        EXPECT_EQ(QDir(vdirs[computer] + "/calendar").entryList(QDir::Files).size(), 3);
    const QByteArray series = http("GET", url("calendar", "yoga2.ics"));
    EXPECT_TRUE(series.contains("RECURRENCE-ID:20261217T100000Z")) << series.constData();
    EXPECT_TRUE(series.contains("EXDATE:20261224T100000Z")) << series.constData();
}
