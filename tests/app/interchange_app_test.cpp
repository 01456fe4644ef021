// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// ﾌｧｲﾙ → 予定表を書き出す … 電話帳に読み込む in the running program: the file dialog, what
// is added, what is asked and the one closing message.
#include "common/apphelper.h"
#include "common/testfiles.h"
#include "phonebook/phonebook.h"
#include "schedule/scheduletable.h"
#include "text/cp932.h"
#include "text/fileops.h"

#include <QAction>
#include <QRegularExpression>

namespace {

class Exchange : public AppTest {
protected:
    void trigger(const char *name)
    {
        app->todoWindow()->findChild<QAction *>(QLatin1String(name))->trigger();
    }
    QString fixture(const char *name) const
    {
        return QStringLiteral(KIBANU_TEST_DATA "/%1").arg(QLatin1String(name));
    }
    QString exported(const char *name) const { return QDir(out.path()).filePath(QLatin1String(name)); }

    QTemporaryDir out;
};

} // namespace

TEST_F(Exchange, theScheduleGoesOutAndComesInOnceAndTheFolderIsRemembered)
{
    writeBytes(path("schedule.txt"), sjis(QString::fromUtf8("会議,2027/1/5,10:00\r\n休み,2027/1/6,\r\n")));
    startBoard();
    prompter->files = {exported("s.ics")};
    trigger("mnuExportSchedule");
    EXPECT_TRUE(prompter->messages.last().startsWith(QString::fromUtf8("2 件の予定を書き出しました。")));
    EXPECT_TRUE(readBytes(exported("s.ics")).contains("BEGIN:VEVENT"));

    // Read into the same schedule: nothing twice. The dialog starts where the last one ended.
    prompter->files = {exported("s.ics")};
    trigger("mnuImportSchedule");
    EXPECT_EQ(prompter->fileStarts.last(), out.path());
    EXPECT_EQ(prompter->messages.last(),
              QString::fromUtf8("0 件を読み込みました。\n2 件は同じ予定がありました。"));
    EXPECT_EQ(schedule().ntschedule(), 2);

    prompter->files = {fixture("ical/calendar-vtimezone-rrule.ics")};
    trigger("mnuImportSchedule");
    EXPECT_EQ(prompter->messages.last(),
              QString::fromUtf8("3 件を読み込みました。\n"
                                "繰り返しの予定 1 件を、繰り返しとして読み込みました（同じもの 0 件）。\n"
                                "予定ではない項目（ToDo やメモ）1 件は読み込みませんでした。"));
    EXPECT_EQ(schedule().ntschedule(), 5);
    EXPECT_EQ(app->session().repeats().count(), 1);

    // What another program's calendar holds and the schedule does not take is named.
    prompter->files = {fixture("ical/thunderbird-series-task.ics")};
    trigger("mnuImportSchedule");
    EXPECT_EQ(prompter->messages.last(),
              QString::fromUtf8("101 件を読み込みました。\n"
                                "繰り返しの予定 1 件を、繰り返しとして読み込みました（同じもの 0 件）。\n"
                                "中止の予定 1 件は読み込みませんでした。\n"
                                "予定ではない項目（ToDo やメモ）1 件は読み込みませんでした。\n"
                                "次の繰り返しは 1 日 1 件、100 件までを読み込み、残りは読み込みませんでした: "
                                "「水分補給」"));
    EXPECT_EQ(schedule().ntschedule(), 106);

    EXPECT_TRUE(quit());
    EXPECT_TRUE(readBytes(path("pim.ini")).contains("ExchangeFolder=" + QFile::encodeName(
                                                        QFileInfo(fixture("ical/x")).absolutePath())));
    // The weekly series is one line of repeat.txt, its changed and cancelled days left out.
    EXPECT_TRUE(readBytes(path("repeat.txt")).contains(sjis(QString::fromUtf8("週次定例"))));
    // In the machine's zone: five days from 8:30 in Tokyo, less the changed and the cancelled.
    EXPECT_TRUE(QRegularExpression(QString::fromUtf8("朝礼,[0-9/]+,[0-9:]+,毎日,[0-9/]+,[0-9/]+;[0-9/]+,,,\r\n"))
                    .match(cp932::decode(readBytes(path("repeat.txt"))).text)
                    .hasMatch());
    EXPECT_FALSE(readBytes(path("schedule.txt")).contains(sjis(QString::fromUtf8("週次定例"))));
}

TEST_F(Exchange, aFileThatIsNoCalendarOrCardIsRefusedByNameAndNothingIsAdded)
{
    startBoard();
    writeBytes(exported("cut.ics"), "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nDTSTART:20270101T090000\r\n");
    prompter->files = {exported("cut.ics")};
    trigger("mnuImportSchedule");
    EXPECT_TRUE(prompter->messages.last().contains("cut.ics"));
    EXPECT_TRUE(prompter->messages.last().contains(QString::fromUtf8("何も追加していません")));
    EXPECT_EQ(schedule().ntschedule(), 0);

    prompter->files = {exported("cut.ics")};
    trigger("mnuImportTel");
    EXPECT_TRUE(prompter->messages.last().contains("cut.ics"));
    EXPECT_EQ(phoneBook().ntphone(), 0);

    // Cancelled dialogs do nothing at all.
    const qsizetype told = prompter->messages.size();
    trigger("mnuImportTel");
    trigger("mnuExportSchedule");
    EXPECT_EQ(prompter->messages.size(), told + 2); // the two dialogs' titles only
}

TEST_F(Exchange, cardsAskForAMissingIndexAndJoinAnEntryOfTheirIndexOnlyWhenTheUserSays)
{
    writeBytes(path("tel.txt"), sjis(QString::fromUtf8("satouhana,佐藤,,電話,03-0000-0000\r\n")));
    startBoard();
    writeBytes(exported("in.vcf"),
               QString::fromUtf8("BEGIN:VCARD\r\nVERSION:3.0\r\nFN:山田\r\nTEL:090-1111-2222\r\nEND:VCARD\r\n"
                                 "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:名無し\r\nEND:VCARD\r\n")
                       .toUtf8()
                   + readBytes(fixture("vcard/mail-3.0-phonetic.vcf")));
    // 山田: a bad index first, then a good one; 名無し: cancelled; 佐藤 花: joins satouhana.
    prompter->texts = {QString::fromUtf8("やまだ"), QStringLiteral("yamada"), std::nullopt};
    prompter->answers = {true};
    prompter->files = {exported("in.vcf")};
    trigger("mnuImportTel");
    ASSERT_EQ(phoneBook().ntphone(), 2);
    const phoneentry &yamada = phoneBook().at(*phoneBook().find("yamada"));
    EXPECT_EQ(yamada.name, QString::fromUtf8("山田"));
    EXPECT_EQ(yamada.phonenumber.at(0), QStringLiteral("090-1111-2222"));
    const phoneentry &sato = phoneBook().at(*phoneBook().find("satouhana"));
    EXPECT_EQ(sato.name, QString::fromUtf8("佐藤")); // not replaced
    EXPECT_EQ(sato.numphone, 5);                    // its pair and the card's four
    EXPECT_EQ(prompter->messages.last(),
              QString::fromUtf8("1 件を読み込みました。\n1 件は同じ index の項目に番号を加えました。\n"
                                "1 件は読み込みませんでした。"));

    // No: the card is left out and the entry stays as it is.
    prompter->answers = {false};
    prompter->files = {fixture("vcard/mail-3.0-phonetic.vcf")};
    trigger("mnuImportTel");
    EXPECT_EQ(phoneBook().at(*phoneBook().find("satouhana")).numphone, 5);

    // Yes again: the numbers it has already are not added a second time.
    prompter->answers = {true};
    prompter->files = {fixture("vcard/mail-3.0-phonetic.vcf")};
    trigger("mnuImportTel");
    EXPECT_EQ(phoneBook().at(*phoneBook().find("satouhana")).numphone, 5);
}

TEST_F(Exchange, charactersCp932CannotHoldAreNamedBeforeAnythingIsAdded)
{
    startBoard();
    prompter->answers = {false};
    prompter->files = {fixture("vcard/web-4.0-sort-as.vcf")};
    trigger("mnuImportTel");
    EXPECT_TRUE(prompter->messages.last().contains(QString::fromUtf8("ü")));
    EXPECT_EQ(phoneBook().ntphone(), 0);

    prompter->answers = {true};
    prompter->files = {fixture("vcard/web-4.0-sort-as.vcf")};
    trigger("mnuImportTel");
    EXPECT_EQ(phoneBook().ntphone(), 2);
    EXPECT_TRUE(prompter->messages.last().contains(QString::fromUtf8("電話 03-1234-5611")));
    EXPECT_TRUE(prompter->messages.last().startsWith(QString::fromUtf8("2 件を読み込みました。")));
}

// A file that cannot be written whole or read whole is told by name: the earlier export
// stays as it was, and nothing of a cut-off read is taken.
TEST_F(Exchange, aFailedWriteOrReadIsToldAndLeavesTheFilesAsTheyWere)
{
    writeBytes(path("schedule.txt"), sjis(QString::fromUtf8("会議,2027/1/5,10:00\r\n")));
    startBoard();
    writeBytes(exported("s.ics"), "earlier export");
    const QString target = exported("s.ics");
    struct NoFaultsAfter {
        ~NoFaultsAfter() { fileops::setInjector({}); }
    } reset;
    fileops::setInjector([target](fileops::Op op, fileops::Stage stage,
                                  const QString &p) -> std::optional<fileops::Fault> {
        if (p != target)
            return std::nullopt;
        if (op == fileops::Op::Replace && stage == fileops::Stage::Written)
            return fileops::Fault{QStringLiteral("disk full"), 0};
        if (op == fileops::Op::Read)
            return fileops::Fault{QStringLiteral("I/O error"), 0};
        return std::nullopt;
    });
    prompter->files = {target};
    trigger("mnuExportSchedule");
    EXPECT_TRUE(prompter->messages.last().contains("s.ics"));
    EXPECT_TRUE(prompter->messages.last().contains("disk full"));
    EXPECT_EQ(readBytes(target), QByteArray("earlier export"));

    writeBytes(target, readBytes(QStringLiteral(KIBANU_TEST_DATA "/ical/calendar-vtimezone-rrule.ics")));
    prompter->files = {target};
    trigger("mnuImportSchedule");
    EXPECT_TRUE(prompter->messages.last().contains("I/O error"));
    EXPECT_EQ(schedule().ntschedule(), 1);
}

// The same person from an Android phone, then from a feature phone that writes the numbers
// without hyphens and the address in capitals: joined, nothing is there twice.
TEST_F(Exchange, theSamePersonFromTwoPhonesIsJoinedWithoutDoubledPairs)
{
    startBoard();
    prompter->files = {fixture("vcard/phone-2.1-qp-utf8.vcf")};
    trigger("mnuImportTel");
    prompter->answers = {true};
    prompter->files = {fixture("vcard/featurephone-2.1-sjis-same-person.vcf")};
    trigger("mnuImportTel");
    ASSERT_EQ(phoneBook().ntphone(), 1);
    const phoneentry &hanako = phoneBook().at(0);
    EXPECT_EQ(hanako.index, QStringLiteral("yamadahanako"));
    ASSERT_EQ(hanako.numphone, 4) << prompter->messages.join(u'|').toStdString();
    EXPECT_EQ(hanako.phonenumber.at(3), QStringLiteral("0355556666"));
    EXPECT_EQ(prompter->messages.last(),
              QString::fromUtf8("0 件を読み込みました。\n1 件は同じ index の項目に番号を加えました。"));
}
