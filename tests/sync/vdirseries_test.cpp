// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Items that hold several entries, or one entry twice, against the quit: a server's
// repeating event edited in one of two program folders that sync with the same server (each
// change stays inside the series' own item, and both folders agree), the days of one event,
// and an appointment loaded into the server once more.
#include "app/syncmessages.h"
#include "common/saving.h"
#include "common/testfiles.h"
#include "phonebook/phonebook.h"
#include "schedule/scheduletable.h"
#include "sync/vdirsync.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QDate today(2026, 12, 9);
const QDateTime stamp(today, QTime(9, 0), QTimeZone::utc());

// One computer: its program folder and its sync folder.
struct Computer {
    QTemporaryDir data;
    QTemporaryDir vdir;

    QString path(const char *name) const { return QDir(data.path()).filePath(QLatin1String(name)); }
    QString calendar(const QString &file = {}) const
    {
        return QDir(vdir.path()).filePath(QStringLiteral("calendar/") + file);
    }

    // A start, what `edit` does, and a quit; the lines of the schedule as the start had
    // them, joined by "|".
    template<typename Edit>
    QString run(Edit edit)
    {
        ScheduleTable schedule;
        PhoneBook book;
        VdirSync sync(vdir.path());
        schedule.loadSchedule(path("schedule.txt"), today);
        sync.mergeSchedule(schedule, today, QTimeZone("Asia/Tokyo"));
        book.loadPhoneBook(path("tel.txt"));
        sync.mergePhoneBook(book);
        EXPECT_TRUE(syncMessages(sync.takeReport()).isEmpty());
        const QString lines = schedule.upcomingLines(today).join(u'|');
        edit(schedule);
        EXPECT_TRUE(saveAsTheQuit(path("schedule.txt"), schedule.upcomingLines(today)).ok);
        EXPECT_TRUE(saveAsTheQuit(path("tel.txt"), book.fileLines()).ok);
        sync.write(schedule, book, today, QTimeZone("Asia/Tokyo"), stamp);
        EXPECT_TRUE(syncMessages(sync.takeReport()).isEmpty());
        return lines;
    }
    QString run()
    {
        return run([](ScheduleTable &) {});
    }
};

// What the sync program does between the server and a computer's sync folder, here with
// the server's copy in `from`.
void syncFolders(const Computer &from, const Computer &to)
{
    QDir(to.calendar()).removeRecursively();
    QDir().mkpath(to.calendar());
    for (const QString &f : QDir(from.calendar()).entryList(QDir::Files))
        writeBytes(to.calendar(f), readBytes(from.calendar(f)));
}

int rowOf(const ScheduleTable &t, const char *date)
{
    for (int i = 0; i < t.ntschedule(); ++i)
        if (t.at(i).eventdate == QLatin1String(date))
            return i;
    ADD_FAILURE() << date;
    return 0;
}

const QByteArray yoga = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Web Calendar//EN\r\n"
                        "BEGIN:VEVENT\r\nUID:yoga2\r\nDTSTAMP:20261201T000000Z\r\n"
                        "DTSTART:20261210T100000Z\r\nDTEND:20261210T110000Z\r\n"
                        "RRULE:FREQ=WEEKLY;COUNT=3\r\nSUMMARY:Yoga\r\nLOCATION:Studio\r\n"
                        "END:VEVENT\r\nEND:VCALENDAR\r\n";

} // namespace

TEST(VdirSeries, anOccurrenceChangedOrDeletedHereStaysInItsSeriesAndBothComputersAgree)
{
    Computer home;
    Computer office;
    QDir().mkpath(home.calendar());
    writeBytes(home.calendar("yoga2.ics"), yoga);
    syncFolders(home, office);

    // Changed at home: the change is a copy of the occurrence inside the series' item.
    home.run([](ScheduleTable &t) {
        const int row = rowOf(t, "2026/12/17");
        t.change(row, t.at(row).eventdate, t.at(row).eventtime, "Yoga off", today);
    });
    ASSERT_EQ(QDir(home.calendar()).entryList(QDir::Files), QStringList{"yoga2.ics"});
    const QByteArray changed = readBytes(home.calendar("yoga2.ics"));
    EXPECT_TRUE(changed.contains("RECURRENCE-ID:20261217T100000Z\r\n"));
    EXPECT_TRUE(changed.contains("RRULE:FREQ=WEEKLY;COUNT=3\r\n"));
    const QString expected = "Yoga,2026/12/10,19:00,,,|Yoga off,2026/12/17,19:00,,,|Yoga,2026/12/24,19:00,,,";
    // The next start and quit find it as they left it: no item of its own.
    EXPECT_EQ(home.run(), expected);
    EXPECT_EQ(QDir(home.calendar()).entryList(QDir::Files), QStringList{"yoga2.ics"});
    EXPECT_EQ(readBytes(home.calendar("yoga2.ics")), changed);

    // At the office the same; deleted there, it is an exception of the series.
    syncFolders(home, office);
    EXPECT_EQ(office.run([](ScheduleTable &t) { t.removeAt(rowOf(t, "2026/12/24")); }), expected);
    const QByteArray deleted = readBytes(office.calendar("yoga2.ics"));
    EXPECT_TRUE(deleted.contains("EXDATE:20261224T100000Z\r\n"));
    EXPECT_TRUE(deleted.contains("RECURRENCE-ID:20261217T100000Z\r\n"));
    EXPECT_EQ(QDir(office.calendar()).entryList(QDir::Files), QStringList{"yoga2.ics"});

    // Back at home, both agree, and a third round changes nothing more.
    syncFolders(office, home);
    const QString both = "Yoga,2026/12/10,19:00,,,|Yoga off,2026/12/17,19:00,,,";
    EXPECT_EQ(home.run(), both);
    EXPECT_EQ(office.run(), both);
    EXPECT_EQ(readBytes(home.calendar("yoga2.ics")), deleted);
    EXPECT_EQ(readBytes(office.calendar("yoga2.ics")), deleted);
    EXPECT_EQ(readBytes(home.path("schedule.txt")), readBytes(office.path("schedule.txt")));
}

// A day of an event over several days cannot be changed alone inside its item: the change
// stays here, run after run, and makes no item of its own.
TEST(VdirSeries, aChangedDayOfAnEventOverSeveralDaysStaysHereAndMakesNoSecondItem)
{
    Computer home;
    QDir().mkpath(home.calendar());
    const QByteArray trip = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Phone//EN\r\nBEGIN:VEVENT\r\n"
                            "UID:trip\r\nDTSTAMP:20261201T000000Z\r\nDTSTART;VALUE=DATE:20261214\r\n"
                            "DTEND;VALUE=DATE:20261217\r\nSUMMARY:出張\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
    writeBytes(home.calendar("trip.ics"), trip);
    home.run([](ScheduleTable &t) {
        const int row = rowOf(t, "2026/12/15");
        t.change(row, t.at(row).eventdate, {}, QString::fromUtf8("出張（大阪）"), today);
        t.removeAt(rowOf(t, "2026/12/16"));
    });
    const QString kept = QString::fromUtf8("出張,2026/12/14,,,,|出張(大阪),2026/12/15,,,,"); // as loaded
    for (int round = 0; round < 2; ++round) {
        EXPECT_EQ(home.run(), kept);
        EXPECT_EQ(QDir(home.calendar()).entryList(QDir::Files), QStringList{"trip.ics"});
        EXPECT_EQ(readBytes(home.calendar("trip.ics")), trip);
    }
}

// Changed or deleted as a whole (the user said so for every day), the event's item
// changes, or goes, as one.
TEST(VdirSeries, anEventOverSeveralDaysChangedOrDeletedAsAWholeChangesOrLeavesItsItem)
{
    Computer home;
    QDir().mkpath(home.calendar());
    writeBytes(home.calendar("trip.ics"),
               "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Phone//EN\r\nBEGIN:VEVENT\r\nUID:trip\r\n"
               "DTSTAMP:20261201T000000Z\r\nDTSTART;VALUE=DATE:20261214\r\nDTEND;VALUE=DATE:20261217\r\n"
               "SUMMARY:出張\r\nLOCATION:大阪\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
    home.run([](ScheduleTable &t) {
        ASSERT_EQ(t.daysOfEvent(rowOf(t, "2026/12/15")).size(), 3);
        t.changeEvent(rowOf(t, "2026/12/15"), "2026/12/16", {}, "出張 延期", today);
    });
    ASSERT_EQ(QDir(home.calendar()).entryList(QDir::Files), QStringList{"trip.ics"});
    const QByteArray changed = readBytes(home.calendar("trip.ics"));
    for (const char *text : {"SUMMARY:出張 延期\r\n", "DTSTART;VALUE=DATE:20261215\r\n",
                             "DTEND;VALUE=DATE:20261218\r\n", "LOCATION:大阪\r\n"})
        EXPECT_TRUE(changed.contains(text)) << text << changed.constData();
    EXPECT_EQ(home.run([](ScheduleTable &t) { t.removeEvent(rowOf(t, "2026/12/16")); }),
              QString::fromUtf8("出張 延期,2026/12/15,,,,|出張 延期,2026/12/16,,,,|出張 延期,2026/12/17,,,,"));
    EXPECT_TRUE(QDir(home.calendar()).entryList(QDir::Files).isEmpty());
    EXPECT_TRUE(home.run().isEmpty());
}

// An appointment already in an item of its own, loaded into the server once more from an
// export of an older version (its UIDs were "<sha>@kibanu"): the entry takes the new item
// and the old one goes, so the server and the schedule keep one.
TEST(VdirSeries, anOlderExportLoadedIntoTheServerDoublesNoAppointmentAlreadyThere)
{
    Computer home;
    home.run([](ScheduleTable &t) { t.add("2026/12/24", "18:00", "年末の会", today); });
    const QStringList first = QDir(home.calendar()).entryList(QDir::Files);
    ASSERT_EQ(first.size(), 1);
    writeBytes(home.calendar("3f2a.ics"),
               "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Web Calendar//EN\r\nBEGIN:VEVENT\r\n"
               "UID:3f2a@kibanu\r\nDTSTAMP:20261201T000000Z\r\nDTSTART:20261224T090000Z\r\n"
               "DTEND:20261224T100000Z\r\nSUMMARY:年末の会\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
    EXPECT_EQ(home.run(), QString::fromUtf8("年末の会,2026/12/24,18:00,,,"));
    EXPECT_EQ(QDir(home.calendar()).entryList(QDir::Files), QStringList{"3f2a.ics"});
    EXPECT_EQ(home.run(), QString::fromUtf8("年末の会,2026/12/24,18:00,,,"));
    EXPECT_EQ(QDir(home.calendar()).entryList(QDir::Files), QStringList{"3f2a.ics"});
}
