// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Two computers syncing series of repeat.txt through one server: a series is one item with
// its RRULE, a day changed on one computer is a changed occurrence inside it, a day left
// out an EXDATE, and a series deleted as a whole leaves the server; both computers agree.
#include "syncserver_fixture.h"

#include "schedule/repeattable.h"

namespace {

const QByteArray standup = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Web Calendar//EN\r\n"
                           "BEGIN:VEVENT\r\nUID:standup\r\nDTSTAMP:20261201T000000Z\r\n"
                           "DTSTART;VALUE=DATE:20261214\r\nDTEND;VALUE=DATE:20261215\r\n"
                           "RRULE:FREQ=WEEKLY;BYDAY=MO\r\nSUMMARY:Standup\r\n"
                           "LOCATION:Room 3\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";

int yogaRow(const RepeatTable &t)
{
    for (int i = 0; i < t.count(); ++i)
        if (t.at(i).eventinfo == QStringLiteral("ヨガ"))
            return i;
    ADD_FAILURE() << "no series ヨガ";
    return 0;
}

QString seriesLines(Session &s)
{
    return s.repeats().fileLines().join(u'|');
}

} // namespace

TEST_F(SyncServer, aSeriesIsOneItemWithItsChangedAndLeftOutDaysAndBothComputersAgree)
{
    // Made on the first computer: one item with its rule.
    runProgram([](Session &s) {
        s.repeats().add({QStringLiteral("ヨガ"), QStringLiteral("2026/12/10"), QStringLiteral("19:00"),
                         QStringLiteral("毎週")});
    });
    vdirsyncer({"sync"});
    http("PUT", url("calendar", "standup.ics"), standup, "text/calendar");
    const QStringList items = QDir(vdirs[0] + "/calendar").entryList(QDir::Files);
    ASSERT_EQ(items.size(), 1);
    QByteArray yoga = http("GET", url("calendar", items.first()));
    EXPECT_TRUE(yoga.contains("RRULE:FREQ=WEEKLY")) << yoga.constData();

    // The second computer has both as series, and changes one day of ヨガ only.
    vdirsyncer({"sync"}, 1);
    runProgram([](Session &s) {
        ASSERT_EQ(s.repeats().count(), 2) << seriesLines(s).toStdString();
        EXPECT_EQ(s.schedule().ntschedule(), 0);
        const int row = yogaRow(s.repeats());
        s.repeats().leaveOut(row, QDate(2026, 12, 17));
        scheduleitem late{QStringLiteral("ヨガ 遅め"), QStringLiteral("2026/12/17"), QStringLiteral("20:30"),
                          {}, {}, {}};
        late.uid = s.repeats().at(row).uid;
        s.schedule().add(late, QDate(2026, 12, 7));
    }, 1);
    vdirsyncer({"sync"}, 1);
    yoga = http("GET", url("calendar", items.first()));
    EXPECT_TRUE(yoga.contains("RECURRENCE-ID")) << yoga.constData();
    EXPECT_TRUE(yoga.contains("SUMMARY:ヨガ 遅め")) << yoga.constData();
    EXPECT_FALSE(yoga.contains("EXDATE")) << yoga.constData();
    EXPECT_TRUE(http("GET", url("calendar", "standup.ics")).contains("LOCATION:Room 3"));

    // The first has the changed day; it leaves out another.
    vdirsyncer({"sync"});
    runProgram([](Session &s) {
        EXPECT_EQ(s.repeats().count(), 2);
        ASSERT_EQ(s.schedule().ntschedule(), 1);
        EXPECT_EQ(s.schedule().at(0).eventtime, QStringLiteral("20:30"));
        s.repeats().leaveOut(yogaRow(s.repeats()), QDate(2026, 12, 24));
    });
    vdirsyncer({"sync"});
    yoga = http("GET", url("calendar", items.first()));
    EXPECT_TRUE(yoga.contains("EXDATE")) << yoga.constData();
    EXPECT_TRUE(yoga.contains("20261224")) << yoga.constData();
    EXPECT_TRUE(yoga.contains("RECURRENCE-ID")) << yoga.constData();

    for (const int computer : {1, 0, 1}) {
        vdirsyncer({"sync"}, computer);
        runProgram([](Session &) {}, computer);
        vdirsyncer({"sync"}, computer);
    }
    // Each has the series in the order they came to it.
    const auto sorted = [](QByteArray file) {
        QList<QByteArray> lines = file.split('\n');
        std::sort(lines.begin(), lines.end());
        return lines;
    };
    EXPECT_EQ(sorted(dataFile("repeat.txt", 1)), sorted(dataFile("repeat.txt")));
    EXPECT_EQ(dataFile("schedule.txt", 1), dataFile("schedule.txt"));
    EXPECT_TRUE(dataFile("repeat.txt").contains("2026/12/17;2026/12/24")) << dataFile("repeat.txt").constData();
    for (int computer : {0, 1})
        EXPECT_EQ(QDir(vdirs[computer] + "/calendar").entryList(QDir::Files).size(), 2);

    // Deleted as a whole on the second: the item goes; its changed day stays, an item of
    // its own, on both.
    runProgram([](Session &s) { s.repeats().removeAt(yogaRow(s.repeats())); }, 1);
    vdirsyncer({"sync"}, 1);
    vdirsyncer({"sync"});
    runProgram([](Session &s) {
        EXPECT_EQ(s.repeats().count(), 1);
        EXPECT_EQ(s.schedule().ntschedule(), 1);
    });
    vdirsyncer({"sync"});
    for (int computer : {0, 1})
        EXPECT_EQ(QDir(vdirs[computer] + "/calendar").entryList(QDir::Files).size(), 2);
    EXPECT_EQ(dataFile("schedule.txt", 1), dataFile("schedule.txt"));
}
