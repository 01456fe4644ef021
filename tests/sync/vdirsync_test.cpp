// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Runs of the program against a sync folder: what each start takes from the folder and
// what each quit leaves there, with the data files in between.
#include "app/syncmessages.h"
#include "common/saving.h"
#include "common/testfiles.h"
#include "phonebook/phonebook.h"
#include "schedule/schedulecalendar.h"
#include "schedule/scheduletable.h"
#include "sync/vdirsync.h"
#include "text/fileops.h"
#include "text/textfile.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QDate today(2026, 12, 9);
const QDateTime stamp(today, QTime(9, 0), QTimeZone::utc());

QTimeZone tokyo()
{
    return QTimeZone("Asia/Tokyo");
}

class VdirSyncTest : public ::testing::Test {
protected:
    QTemporaryDir data;
    QTemporaryDir vdir;

    // One run: the loaders, the merges right after them, then what the test does.
    struct Run {
        ScheduleTable schedule;
        PhoneBook book;
        VdirSync sync;
        QString folder;

        Run(const QString &dataFolder, const QString &root) : sync(root), folder(dataFolder)
        {
            schedule.loadSchedule(path("schedule.txt"), today);
            sync.mergeSchedule(schedule, today, tokyo());
            book.loadPhoneBook(path("tel.txt"));
            sync.mergePhoneBook(book);
        }
        QString path(const char *name) const { return QDir(folder).filePath(QLatin1String(name)); }
        // What the user is told, as the application words the sync's report.
        QStringList takeMessages() { return syncMessages(sync.takeReport()); }
        void quit()
        {
            ASSERT_TRUE(saveAsTheQuit(path("schedule.txt"), schedule.upcomingLines(today)).ok);
            ASSERT_TRUE(saveAsTheQuit(path("tel.txt"), book.fileLines()).ok);
            sync.write(schedule, book, today, tokyo(), stamp);
        }
        std::optional<int> scheduleRow(const QString &info) const
        {
            for (int i = 0; i < schedule.ntschedule(); ++i)
                if (schedule.at(i).eventinfo == info)
                    return i;
            return std::nullopt;
        }
    };

    std::unique_ptr<Run> run() { return std::make_unique<Run>(data.path(), vdir.path()); }

    QString calendar(const QString &file = {}) const
    {
        return QDir(vdir.path()).filePath(QStringLiteral("calendar/") + file);
    }
    QString contacts(const QString &file = {}) const
    {
        return QDir(vdir.path()).filePath(QStringLiteral("contacts/") + file);
    }
    QStringList items(const QString &folder) const
    {
        return QDir(folder).entryList(QDir::Files, QDir::Name);
    }

    QString fileHolding(const QString &summary) const
    {
        for (const QString &f : items(calendar()))
            if (QString::fromUtf8(readBytes(calendar(f))).contains("SUMMARY:" + summary))
                return f;
        return {};
    }

    // A first run that makes two appointments and a person, and quits.
    void firstSync()
    {
        auto first = run();
        first->schedule.add("2026/12/24", "18:00", "年末の会", today);
        first->schedule.add("2027/1/5", "", "仕事始め", today);
        phoneentry e;
        e.index = "yamada";
        e.name = "山田 花子";
        e.keys = "取引先";
        e.numphone = 1;
        e.phonetype[0] = "携帯";
        e.phonenumber[0] = "090-1234-5678";
        first->book.add(e);
        first->quit();
    }
};

QByteArray serverEvent(const QByteArray &uid, const QByteArray &summary, const QByteArray &start)
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Phone//EN\r\nBEGIN:VEVENT\r\nUID:" + uid
           + "\r\nDTSTAMP:20261201T000000Z\r\nDTSTART:" + start + "\r\nSUMMARY:" + summary
           + "\r\nATTENDEE;CN=Sato:mailto:sato@example.com\r\nCATEGORIES:Work\r\n"
             "BEGIN:VALARM\r\nACTION:DISPLAY\r\nDESCRIPTION:r\r\nTRIGGER:-PT15M\r\nEND:VALARM\r\n"
             "END:VEVENT\r\nEND:VCALENDAR\r\n";
}

} // namespace

TEST_F(VdirSyncTest, theFirstQuitWritesAnItemPerEntryAndAQuitWithNothingChangedWritesNone)
{
    firstSync();
    EXPECT_EQ(items(calendar()).size(), 2);
    EXPECT_EQ(items(contacts()).size(), 1);
    EXPECT_TRUE(QFileInfo::exists(QDir(vdir.path()).filePath(".kibanu-state")));
    const QString card = QString::fromUtf8(readBytes(contacts(items(contacts()).first())));
    EXPECT_TRUE(card.contains("TEL;TYPE=CELL,VOICE;X-KIBANU-TYPE=\"携帯\":090-1234-5678"));
    // Each file is named by its UID.
    for (const QString &f : items(calendar()))
        EXPECT_TRUE(QString::fromUtf8(readBytes(calendar(f))).contains("UID:" + f.chopped(4)));

    const QByteArray state = readBytes(QDir(vdir.path()).filePath(".kibanu-state"));
    auto second = run();
    EXPECT_EQ(second->schedule.ntschedule(), 2); // nothing doubled by the folder
    EXPECT_EQ(second->book.ntphone(), 1);
    EXPECT_TRUE(second->takeMessages().isEmpty());
    second->quit();
    EXPECT_EQ(second->sync.lastWrite().written, 0);
    EXPECT_EQ(second->sync.lastWrite().deleted, 0);
    EXPECT_EQ(readBytes(QDir(vdir.path()).filePath(".kibanu-state")), state);
}

TEST_F(VdirSyncTest, anEntryKeepsItsItemThroughEveryEditAndTheItemKeepsWhatThisProgramDoesNotShow)
{
    firstSync();
    // The server's copy gained an attendee and an alarm; a phone gave the card a photo.
    const QString event = fileHolding("年末の会");
    QByteArray ics = readBytes(calendar(event));
    const QString uid = event.chopped(4);
    ics.replace("END:VEVENT", "ATTENDEE;CN=Sato:mailto:sato@example.com\r\nBEGIN:VALARM\r\nACTION:DISPLAY\r\n"
                              "DESCRIPTION:r\r\nTRIGGER:-PT15M\r\nEND:VALARM\r\nEND:VEVENT");
    writeBytes(calendar(event), ics);
    const QString cardFile = items(contacts()).first();
    QByteArray vcf = readBytes(contacts(cardFile));
    vcf.replace("END:VCARD", "PHOTO;ENCODING=b;TYPE=JPEG:/9j/4AAQSkZJRg==\r\nADR;TYPE=HOME:;;1-2-3;Tokyo;;;JP\r\nEND:VCARD");
    writeBytes(contacts(cardFile), vcf);

    auto second = run();
    EXPECT_TRUE(second->takeMessages().isEmpty());
    ASSERT_EQ(second->schedule.ntschedule(), 2);
    // The entry dialog's change moves it in the list; the phone book: index, name, pair.
    const int row = second->scheduleRow("年末の会").value();
    EXPECT_EQ(second->schedule.at(row).uid, uid);
    second->schedule.change(row, "2027/1/6", "19:30", "新年会", today);
    second->book.setName(0, "山田 花");
    second->book.setPair(0, 1, "自宅", "03-1111-2222");
    const int moved = second->book.changethis(0, "hanako");
    EXPECT_EQ(second->book.at(moved).uid, cardFile.chopped(4));
    // A to-do's pair joining the entry overwrites it in place: still the same card.
    phoneentry joined = second->book.at(moved);
    joined.uid.clear();
    joined.keys = "友人";
    second->book.add(joined);
    EXPECT_EQ(second->book.at(moved).uid, cardFile.chopped(4));
    second->quit();
    EXPECT_EQ(second->sync.lastWrite().written, 2);
    EXPECT_EQ(items(calendar()).size(), 2); // the same file, not a new one
    EXPECT_EQ(items(contacts()), QStringList{cardFile});

    const QString after = QString::fromUtf8(readBytes(calendar(event)));
    EXPECT_TRUE(after.contains("SUMMARY:新年会"));
    EXPECT_TRUE(after.contains("20270106T193000"));
    EXPECT_TRUE(after.contains("ATTENDEE;CN=Sato:mailto:sato@example.com"));
    EXPECT_TRUE(after.contains("TRIGGER:-PT15M"));
    EXPECT_TRUE(after.contains("SEQUENCE:1"));
    const QString card = QString::fromUtf8(readBytes(contacts(cardFile)));
    EXPECT_TRUE(card.contains("FN:山田 花\r\n"));
    EXPECT_TRUE(card.contains("X-KIBANU-INDEX:hanako"));
    EXPECT_TRUE(card.contains("03-1111-2222"));
    EXPECT_TRUE(card.contains("NOTE:友人"));
    EXPECT_TRUE(card.contains("PHOTO;ENCODING=b;TYPE=JPEG:/9j/4AAQSkZJRg=="));
    EXPECT_TRUE(card.contains("ADR;TYPE=HOME:;;1-2-3;Tokyo;;;JP"));

    // And the next start finds both as they were left.
    auto third = run();
    EXPECT_TRUE(third->takeMessages().isEmpty());
    EXPECT_EQ(third->schedule.ntschedule(), 2);
    EXPECT_TRUE(third->scheduleRow("新年会"));
    ASSERT_EQ(third->book.ntphone(), 1);
    EXPECT_EQ(third->book.at(0).index, "hanako");
}

TEST_F(VdirSyncTest, whatTheServerAddsChangesAndDeletesReachesTheTables)
{
    firstSync();
    writeBytes(calendar("phone-1.ics"), serverEvent("phone-1", "歯医者", "20261215T100000Z"));
    const QString xmas = fileHolding("年末の会");
    QByteArray changed = readBytes(calendar(xmas));
    changed.replace("SUMMARY:年末の会", "SUMMARY:忘年会");
    writeBytes(calendar(xmas), changed);
    for (const QString &f : items(calendar()))
        if (f != xmas && f != "phone-1.ics")
            QFile::remove(calendar(f)); // 仕事始め deleted on the server
    QFile::remove(contacts(items(contacts()).first()));
    writeBytes(contacts("abc.vcf"), "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:abc\r\nFN:Taro Sato\r\n"
                                    "TEL;TYPE=WORK:03-5555-0000\r\nEND:VCARD\r\n");

    auto second = run();
    EXPECT_TRUE(second->takeMessages().isEmpty());
    EXPECT_EQ(second->schedule.ntschedule(), 2);
    EXPECT_TRUE(second->scheduleRow("歯医者"));     // 19:00 in Tokyo
    EXPECT_TRUE(second->scheduleRow("忘年会"));
    EXPECT_FALSE(second->scheduleRow("仕事始め"));
    EXPECT_EQ(second->schedule.at(*second->scheduleRow("歯医者")).eventtime, "19:00");
    ASSERT_EQ(second->book.ntphone(), 1);
    EXPECT_EQ(second->book.at(0).name, "Taro Sato");
    EXPECT_EQ(second->book.at(0).index, "tarosato");
    EXPECT_EQ(second->book.at(0).uid, "abc");
    second->quit();
    EXPECT_TRUE(readBytes(data.filePath("schedule.txt")).contains(sjis("歯医者")));
    // Nothing the server made is rewritten by a quit that did not change it.
    EXPECT_EQ(readBytes(calendar("phone-1.ics")), serverEvent("phone-1", "歯医者", "20261215T100000Z"));
}

TEST_F(VdirSyncTest, anEntryChangedByHandAndOnTheServerIsKeptTwiceAndTheUserIsToldOnce)
{
    firstSync();
    {
        // schedule.txt changed by hand: the Christmas party moved to the 23rd.
        ScheduleTable table;
        table.loadSchedule(data.filePath("schedule.txt"), today);
        for (int i = 0; i < table.ntschedule(); ++i)
            if (table.at(i).eventinfo == "年末の会")
                table.change(i, "2026/12/23", "18:00", "年末の会", today);
        ASSERT_TRUE(saveAsTheQuit(data.filePath("schedule.txt"), table.upcomingLines(today)).ok);
    }
    for (const QString &f : items(calendar())) {
        QByteArray b = readBytes(calendar(f));
        if (b.replace("SUMMARY:年末の会", "SUMMARY:年末の会 場所変更").contains("場所変更"))
            writeBytes(calendar(f), b);
    }
    auto second = run();
    const QStringList told = second->takeMessages();
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told.first().contains("年末の会"));
    EXPECT_TRUE(second->scheduleRow("年末の会"));
    EXPECT_TRUE(second->scheduleRow("年末の会 場所変更"));
    EXPECT_EQ(second->schedule.ntschedule(), 3);
    second->quit();
    EXPECT_EQ(items(calendar()).size(), 3);
    auto third = run();
    EXPECT_EQ(third->schedule.ntschedule(), 3);
    EXPECT_TRUE(third->takeMessages().isEmpty());
}

TEST_F(VdirSyncTest, aQuitEndedBeforeItsStateNeitherDoublesNorDeletesAtTheNextStart)
{
    firstSync();
    auto second = run();
    second->schedule.add("2026/12/31", "", "大掃除", today);
    second->schedule.removeAt(second->scheduleRow("仕事始め").value());
    second->book.setName(0, "山田 花");
    const QString statePath = QDir(vdir.path()).filePath(".kibanu-state");
    const QByteArray stateBefore = readBytes(statePath);
    fileops::setInjector([&](fileops::Op, fileops::Stage stage, const QString &path) -> std::optional<fileops::Fault> {
        if (path == statePath && stage == fileops::Stage::Start)
            return fileops::Fault{"killed", 0};
        return std::nullopt;
    });
    second->quit();
    fileops::setInjector({});
    EXPECT_EQ(readBytes(statePath), stateBefore);
    EXPECT_EQ(second->takeMessages().size(), 1);

    auto third = run();
    EXPECT_TRUE(third->takeMessages().isEmpty());
    EXPECT_EQ(third->schedule.ntschedule(), 2);
    EXPECT_TRUE(third->scheduleRow("大掃除"));
    EXPECT_TRUE(third->scheduleRow("年末の会"));
    ASSERT_EQ(third->book.ntphone(), 1);
    EXPECT_EQ(third->book.at(0).name, "山田 花");
    third->quit();
    EXPECT_EQ(items(calendar()).size(), 2);
    EXPECT_EQ(third->sync.lastWrite().written, 0);
}

TEST_F(VdirSyncTest, pastAppointmentsLeaveTheFolderWithTheQuitThatHandsThemToDone)
{
    firstSync();
    auto second = run();
    second->schedule.add("2026/12/1", "", "過ぎた予定", today);
    second->quit();
    EXPECT_EQ(items(calendar()).size(), 2);
    EXPECT_FALSE(readBytes(data.filePath("schedule.txt")).contains(sjis("過ぎた予定")));
}

TEST_F(VdirSyncTest, itemsThatCannotBeTakenAreSkippedByNameAndNoEntryIsLost)
{
    firstSync();
    const QStringList before = items(calendar());
    writeBytes(calendar("broken.ics"), "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nSUMMARY:x\r\n");
    writeBytes(calendar("twin-a.ics"), serverEvent("twin@phone", "双子", "20261220T010000Z"));
    writeBytes(calendar("twin-b.ics"), serverEvent("twin@phone", "双子", "20261221T010000Z"));
    writeBytes(calendar("named.ics"), serverEvent("other-name", "名前違い", "20261220T010000Z"));
    // A known item made unreadable on the server: its entry stays.
    writeBytes(calendar(before.first()), "BEGIN:VCALENDAR\r\nEND:VCALENDAR\r\n");

    auto second = run();
    const QString told = second->takeMessages().join('\n');
    for (const char *name : {"broken.ics", "twin-a.ics", "twin-b.ics", "named.ics"})
        EXPECT_TRUE(told.contains(QLatin1String(name))) << name;
    EXPECT_TRUE(told.contains(before.first()));
    EXPECT_EQ(second->schedule.ntschedule(), 2);
    EXPECT_EQ(second->book.ntphone(), 1);
    second->quit();
    // Neither the skipped files nor the entry of the unreadable one are touched.
    EXPECT_EQ(readBytes(calendar(before.first())), "BEGIN:VCALENDAR\r\nEND:VCALENDAR\r\n");
    EXPECT_TRUE(QFileInfo::exists(calendar("twin-a.ics")));
}

TEST_F(VdirSyncTest, aFolderThatCannotBeUsedIsSaidOnceAndNothingElseHappens)
{
    firstSync();
    const QString gone = vdir.path() + "-moved";
    ASSERT_TRUE(QDir().rename(vdir.path(), gone));
    auto second = run();
    EXPECT_EQ(second->schedule.ntschedule(), 2);
    second->schedule.add("2026/12/31", "", "大掃除", today);
    second->quit();
    EXPECT_EQ(second->takeMessages().size(), 1);
    ASSERT_TRUE(QDir().rename(gone, vdir.path()));
    EXPECT_EQ(items(calendar()).size(), 2);
}

TEST_F(VdirSyncTest, aCollectionFolderTakenAwayAfterASyncRemovesNoEntry)
{
    firstSync();
    ASSERT_TRUE(QDir(calendar()).removeRecursively());
    auto second = run();
    EXPECT_EQ(second->schedule.ntschedule(), 2);
    EXPECT_EQ(second->takeMessages().size(), 1);
}

TEST_F(VdirSyncTest, filesReadAgainWhileRunningKeepTheirItems)
{
    firstSync();
    auto second = run();
    // Another program rewrote both files (the same entries, one text changed by hand).
    QByteArray schedule = readBytes(data.filePath("schedule.txt"));
    schedule.replace(sjis("仕事始め"), sjis("仕事始め式"));
    writeBytes(data.filePath("schedule.txt"), schedule);
    second->schedule.reload(readFileBytes(data.filePath("schedule.txt")), today);
    second->sync.rebindSchedule(second->schedule);
    second->book.reload(readFileBytes(data.filePath("tel.txt")));
    second->sync.rebindPhoneBook(second->book);
    for (int i = 0; i < second->schedule.ntschedule(); ++i)
        EXPECT_FALSE(second->schedule.at(i).uid.isEmpty());
    EXPECT_FALSE(second->book.at(0).uid.isEmpty());
    const QStringList before = items(calendar());
    second->quit();
    EXPECT_EQ(items(calendar()), before); // the changed one rewritten in its own file
    EXPECT_EQ(second->sync.lastWrite().written, 1);
    EXPECT_EQ(second->sync.lastWrite().deleted, 0);
}

// Taken away here while another client changed its item: the quit leaves the item, and
// the next start brings the other client's version back, for an appointment and a person.
TEST_F(VdirSyncTest, anEntryDeletedHereLeavesAnItemChangedThereSinceTheStart)
{
    firstSync();
    auto second = run();
    const QString xmas = fileHolding("年末の会");
    const QString card = items(contacts()).value(0);
    ASSERT_FALSE(xmas.isEmpty());
    ASSERT_FALSE(card.isEmpty());
    second->schedule.removeAt(*second->scheduleRow("年末の会"));
    second->book.deleteIndex(0);
    QByteArray event = readBytes(calendar(xmas));
    event.replace("SUMMARY:年末の会", "SUMMARY:忘年会");
    writeBytes(calendar(xmas), event);
    QByteArray person = readBytes(contacts(card));
    person.replace("090-1234-5678", "090-1111-2222");
    writeBytes(contacts(card), person);
    second->quit();
    EXPECT_EQ(readBytes(calendar(xmas)), event);
    EXPECT_EQ(readBytes(contacts(card)), person);

    auto third = run();
    EXPECT_TRUE(third->scheduleRow("忘年会"));
    ASSERT_EQ(third->book.ntphone(), 1);
    EXPECT_EQ(third->book.at(0).phonenumber[0], "090-1111-2222");
}

// An appointment whose date cannot be read has no item: the quit says it stays only here.
TEST_F(VdirSyncTest, anEntryWithoutAReadableDateIsToldToStayOnlyHere)
{
    firstSync();
    auto second = run();
    second->schedule.add("いつか", "", "未定の旅行", today);
    second->quit();
    const QStringList told = second->takeMessages();
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told.at(0).contains(QString::fromUtf8("同期フォルダに書き出していません")));
    EXPECT_TRUE(told.at(0).contains(QString::fromUtf8("未定の旅行")));
    EXPECT_TRUE(fileHolding("未定の旅行").isEmpty());
    EXPECT_TRUE(second->scheduleRow("未定の旅行"));
}

// The item of an entry deleted here cannot be read at the quit: it is not deleted blind,
// its record stays, so the next start does not bring the entry back, and the next quit
// deletes it.
TEST_F(VdirSyncTest, anItemUnreadableAtTheQuitIsDeletedByTheNextOneAndItsEntryStaysGone)
{
    firstSync();
    const QString xmas = fileHolding("年末の会");
    ASSERT_FALSE(xmas.isEmpty());
    {
        auto second = run();
        second->schedule.removeAt(*second->scheduleRow("年末の会"));
        const QString item = calendar(xmas);
        struct NoFaultsAfter {
            ~NoFaultsAfter() { fileops::setInjector({}); }
        } reset;
        fileops::setInjector([item](fileops::Op op, fileops::Stage, const QString &p)
                                 -> std::optional<fileops::Fault> {
            if (op == fileops::Op::Read && p == item)
                return fileops::Fault{QStringLiteral("I/O error"), 0};
            return std::nullopt;
        });
        second->quit();
        const QStringList told = second->takeMessages();
        ASSERT_EQ(told.size(), 1);
        EXPECT_TRUE(told.at(0).contains(xmas));
    }
    EXPECT_TRUE(QFileInfo::exists(calendar(xmas)));

    auto third = run();
    EXPECT_FALSE(third->scheduleRow("年末の会"));
    third->quit();
    EXPECT_FALSE(QFileInfo::exists(calendar(xmas)));
}

TEST_F(VdirSyncTest, aSeriesWithAMovedAndACancelledOccurrenceArrivesAsTheServerShowsIt)
{
    firstSync();
    const QByteArray series =
        "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Phone//EN\r\n"
        "BEGIN:VEVENT\r\nUID:yoga2\r\nDTSTAMP:20261201T000000Z\r\nRECURRENCE-ID:20261217T010000Z\r\n"
        "DTSTART:20261217T040000Z\r\nSUMMARY:Yoga late\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nUID:yoga2\r\nDTSTAMP:20261201T000000Z\r\nDTSTART:20261210T010000Z\r\n"
        "RRULE:FREQ=WEEKLY;COUNT=3\r\nSUMMARY:Yoga\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nUID:yoga2\r\nDTSTAMP:20261201T000000Z\r\nRECURRENCE-ID:20261224T010000Z\r\n"
        "DTSTART:20261224T010000Z\r\nSTATUS:CANCELLED\r\nSUMMARY:Yoga\r\nEND:VEVENT\r\n"
        "END:VCALENDAR\r\n";
    writeBytes(calendar("yoga2.ics"), series);
    QByteArray cancelled = serverEvent("party", "打ち上げ", "20261220T100000Z");
    cancelled.replace("SUMMARY:", "STATUS:CANCELLED\r\nSUMMARY:");
    writeBytes(calendar("party.ics"), cancelled);

    auto second = run();
    EXPECT_TRUE(second->takeMessages().isEmpty());
    QStringList yoga;
    for (int i = 0; i < second->schedule.ntschedule(); ++i)
        if (second->schedule.at(i).eventinfo.startsWith("Yoga"))
            yoga.append(second->schedule.at(i).eventdate + ' ' + second->schedule.at(i).eventtime + ' '
                        + second->schedule.at(i).eventinfo);
    EXPECT_EQ(yoga, QStringList({"2026/12/10 10:00 Yoga", "2026/12/17 13:00 Yoga late"}));
    EXPECT_FALSE(second->scheduleRow("打ち上げ"));
    second->quit();
    EXPECT_EQ(readBytes(calendar("yoga2.ics")), series);
    EXPECT_EQ(readBytes(calendar("party.ics")), cancelled);
}

// The loaders narrow what they read ("（" to "("); a quit that changes only the time or
// the keyword sends the server's own title and name back as they were.
TEST_F(VdirSyncTest, whatTheLoadersNarrowGoesBackAsTheServerWroteItUnlessTheUserChangedIt)
{
    firstSync();
    writeBytes(calendar("dentist.ics"), serverEvent("dentist", "歯医者（再診）", "20261215T010000Z"));
    writeBytes(contacts("abc.vcf"), "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:abc\r\nFN:ＡＢＣ商事\r\n"
                                    "NOTE:取引先\r\nTEL;TYPE=WORK:０３-５５５５-００００\r\nEND:VCARD\r\n");
    run()->quit(); // into schedule.txt and tel.txt
    auto third = run();
    const int row = third->scheduleRow("歯医者(再診)").value(); // narrowed by the loader
    third->schedule.change(row, "2026/12/15", "11:00", third->schedule.at(row).eventinfo, today);
    for (int i = 0; i < third->book.ntphone(); ++i)
        if (third->book.at(i).uid == "abc")
            third->book.setKeys(i, "元取引先");
    third->quit();
    const QString event = QString::fromUtf8(readBytes(calendar("dentist.ics")));
    EXPECT_TRUE(event.contains("SUMMARY:歯医者（再診）\r\n"));
    EXPECT_TRUE(event.contains("20261215T110000"));
    const QString card = QString::fromUtf8(readBytes(contacts("abc.vcf")));
    EXPECT_TRUE(card.contains("FN:ＡＢＣ商事\r\n"));
    EXPECT_TRUE(card.contains("TEL;TYPE=WORK:０３-５５５５-００００\r\n"));
    EXPECT_TRUE(card.contains("NOTE:元取引先\r\n"));

    // Changed by the user, the text goes out as the user has it.
    auto fourth = run();
    const int again = fourth->scheduleRow("歯医者(再診)").value();
    fourth->schedule.change(again, "2026/12/15", "11:00", "歯医者(終了)", today);
    fourth->quit();
    EXPECT_TRUE(QString::fromUtf8(readBytes(calendar("dentist.ics"))).contains("SUMMARY:歯医者(終了)\r\n"));
}

// A calendar exported from here and loaded into the server comes back as one item per
// event, here without this program's own properties (a web calendar drops them): each
// entry takes its item, nothing is doubled, and the export names a synced entry by its
// item.
TEST_F(VdirSyncTest, anExportedCalendarLoadedIntoTheServerDoublesNothing)
{
    writeBytes(data.filePath("schedule.txt"),
               sjis("会議,2027/01/05,09:30\r\n休み,2027/1/6,\r\n会議,2027/01/05,09:30\r\n"));
    QByteArray exported;
    {
        auto first = run();
        exported = schedulecalendar::write(first->schedule, today, tokyo(), stamp).bytes;
    }
    // The server's copy: each VEVENT in a calendar of its own, named by its UID.
    ASSERT_TRUE(QDir().mkpath(calendar()));
    const QList<QByteArray> lines = exported.split('\n');
    QByteArray event;
    QString uid;
    QStringList uids;
    for (const QByteArray &raw : lines) {
        const QByteArray line = raw.trimmed();
        if (line == "BEGIN:VEVENT")
            event.clear();
        if (line.startsWith("UID:"))
            uid = QString::fromUtf8(line.mid(4));
        if (!line.startsWith("X-KIBANU-"))
            event += line + "\r\n";
        if (line == "END:VEVENT") {
            writeBytes(calendar(uid + ".ics"), "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Web//EN\r\n"
                                               + event.mid(event.indexOf("BEGIN:VEVENT"))
                                               + "END:VCALENDAR\r\n");
            uids.append(uid);
        }
    }
    ASSERT_EQ(uids.size(), 3);
    EXPECT_TRUE(uids.at(0).startsWith("kibanu-"));
    EXPECT_TRUE(uids.contains(uids.at(0) + "-2")); // the second copy, as the sync names it

    auto second = run();
    EXPECT_TRUE(second->takeMessages().isEmpty());
    ASSERT_EQ(second->schedule.ntschedule(), 3);
    QStringList bound;
    for (int i = 0; i < 3; ++i)
        bound.append(second->schedule.at(i).uid);
    bound.sort();
    uids.sort();
    EXPECT_EQ(bound, uids);
    second->quit();
    EXPECT_EQ(items(calendar()).size(), 3);
    // Exported again, a synced entry goes out under its item's UID.
    const QString again = QString::fromUtf8(schedulecalendar::write(second->schedule, today, tokyo(), stamp).bytes);
    for (const QString &u : std::as_const(uids))
        EXPECT_TRUE(again.contains("UID:" + u + "\r\n")) << u.toStdString();
}

// A card of more pairs than an entry holds, of an index in use: as the import takes it,
// the first eleven pairs under the index with a number, the rest named; and a change here
// leaves the rest in the card.
TEST_F(VdirSyncTest, aCardOfTwelvePairsAndAnIndexInUseIsTakenAsTheImportTakesIt)
{
    firstSync();
    QByteArray many = "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:many\r\nFN:Many\r\nNICKNAME:yamada\r\n";
    for (int i = 0; i < 12; ++i)
        many += "TEL:03-0000-00" + QByteArray::number(10 + i) + "\r\n";
    writeBytes(contacts("many.vcf"), many + "END:VCARD\r\n");

    auto second = run();
    const QString told = second->takeMessages().join('\n');
    EXPECT_TRUE(told.contains("Many: 電話 03-0000-0021")) << told.toStdString();
    ASSERT_EQ(second->book.ntphone(), 2);
    const std::optional<int> pos = second->book.find("yamada2");
    ASSERT_TRUE(pos);
    EXPECT_EQ(second->book.at(*pos).numphone, phoneentry::MaxPairs);
    EXPECT_EQ(second->book.at(*pos).uid, "many");
    EXPECT_EQ(second->book.at(*second->book.find("yamada")).name, "山田 花子"); // untouched
    second->book.setPair(*pos, 0, "自宅", "03-9999-0000");
    second->quit();
    const QString card = QString::fromUtf8(readBytes(contacts("many.vcf")));
    EXPECT_TRUE(card.contains("03-9999-0000"));
    EXPECT_TRUE(card.contains("TEL:03-0000-0021\r\n"));
    EXPECT_FALSE(card.contains("03-0000-0010"));
}
