// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Entries and cards to the server and back, and what another program does there.
#include "syncserver_fixture.h"

namespace {

const QByteArray serverEvent =
    "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Phone//EN\r\nBEGIN:VEVENT\r\nUID:srv-event\r\n"
    "DTSTAMP:20261201T000000Z\r\nDTSTART;VALUE=DATE:20261215\r\nDTEND;VALUE=DATE:20261216\r\n"
    "SUMMARY:dentist\r\nATTENDEE;CN=Sato:mailto:sato@example.com\r\n"
    "BEGIN:VALARM\r\nACTION:DISPLAY\r\nDESCRIPTION:dentist\r\nTRIGGER:-PT30M\r\nEND:VALARM\r\n"
    "END:VEVENT\r\nEND:VCALENDAR\r\n";
const QByteArray serverCard = "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:srv-card\r\nFN:Taro Sato\r\n"
                              "N:Sato;Taro;;;\r\nTEL;TYPE=CELL:090-0000-1111\r\n"
                              "ADR;TYPE=HOME:;;1-2-3;Tokyo;;;JP\r\nEND:VCARD\r\n";

} // namespace

TEST_F(SyncServer, entriesReachTheServerAndWhatTheServerDoesReachesTheFiles)
{
    // Made in the program, sent by the sync after the quit.
    runProgram([](Session &s) {
        s.schedule().add("2026/12/24", "18:00", "年末の会", QDate(2026, 12, 9));
        phoneentry e;
        e.index = "yamada";
        e.name = "山田 花子";
        e.numphone = 1;
        e.phonetype[0] = "自宅";
        e.phonenumber[0] = "03-1234-5678";
        s.phoneBook().add(e);
    });
    vdirsyncer({"sync"});
    EXPECT_TRUE(QString::fromUtf8(http("GET", url("calendar"))).contains("SUMMARY:年末の会"));
    EXPECT_TRUE(QString::fromUtf8(http("GET", url("contacts"))).contains("FN:山田 花子"));

    // Another program on the server: an event and a card made, the program's event changed.
    const QString ours = QDir(vdir + "/calendar").entryList(QDir::Files).value(0);
    ASSERT_FALSE(ours.isEmpty());
    QByteArray changed = http("GET", url("calendar", ours));
    changed.replace("SUMMARY:年末の会", "SUMMARY:年末の会 変更");
    http("PUT", url("calendar", ours), changed, "text/calendar");
    http("PUT", url("calendar", "srv-event.ics"), serverEvent, "text/calendar");
    http("PUT", url("contacts", "srv-card.vcf"), serverCard, "text/vcard");
    vdirsyncer({"sync"});

    // The next start has them; its edit of the server's event keeps what it does not show.
    runProgram([](Session &s) {
        ScheduleTable &t = s.schedule();
        ASSERT_EQ(t.ntschedule(), 2);
        ASSERT_EQ(s.phoneBook().ntphone(), 2);
        for (int i = 0; i < t.ntschedule(); ++i)
            if (t.at(i).eventinfo == "dentist")
                t.change(i, t.at(i).eventdate, "", "dentist moved", QDate(2026, 12, 9));
    });
    EXPECT_TRUE(dataFile("schedule.txt").contains(sjis("年末の会 変更")));
    EXPECT_TRUE(dataFile("tel.txt").contains("Taro Sato"));
    vdirsyncer({"sync"});
    const QByteArray event = http("GET", url("calendar", "srv-event.ics"));
    EXPECT_TRUE(event.contains("SUMMARY:dentist moved"));
    EXPECT_TRUE(event.contains("ATTENDEE;CN=Sato:mailto:sato@example.com"));
    EXPECT_TRUE(event.contains("TRIGGER:-PT30M"));

    // Deleted on the server: gone from the files after the next start and quit.
    http("DELETE", url("calendar", "srv-event.ics"));
    http("DELETE", url("contacts", "srv-card.vcf"));
    vdirsyncer({"sync"});
    runProgram([](Session &s) {
        EXPECT_EQ(s.schedule().ntschedule(), 1);
        EXPECT_EQ(s.phoneBook().ntphone(), 1);
    });
    EXPECT_FALSE(dataFile("schedule.txt").contains("dentist"));
    EXPECT_FALSE(dataFile("tel.txt").contains("Taro Sato"));
    EXPECT_TRUE(dataFile("tel.txt").contains("yamada"));
}
