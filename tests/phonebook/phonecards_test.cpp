// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The phone book out as vCard and back, and the cards other programs write.
#include "common/testfiles.h"
#include "phonebook/phonecards.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray fixture(const char *name)
{
    return readBytes(QStringLiteral(KIBANU_TEST_DATA "/vcard/%1").arg(QLatin1String(name)));
}

// "index|name|keys|type=number|..." of an entry, to compare whole entries at a glance.
QString shape(const phoneentry &e)
{
    QStringList parts{e.index, e.name, e.keys};
    for (int j = 0; j < e.numphone; ++j)
        parts.append(e.phonetype.at(j) + u'=' + e.phonenumber.at(j));
    return parts.join(u'|');
}

QStringList shapes(const phonecards::ReadResult &r)
{
    QStringList all;
    for (const phonecards::Imported &i : r.entries)
        all.append(shape(i.entry));
    return all;
}

} // namespace

TEST(PhoneCards, everyEntryOfTheGoldenFileAndElevenPairsComeBackAsTheyWere)
{
    QTemporaryDir dir;
    const QString tel = QDir(dir.path()).filePath("tel.txt");
    writeBytes(tel, readBytes(QStringLiteral(KIBANU_TEST_DATA "/quit/in/tel.txt")));
    PhoneBook book;
    book.loadPhoneBook(tel);
    phoneentry full;
    full.index = QStringLiteral("full");
    full.name = QString::fromUtf8("十一 組");
    full.keys = QString::fromUtf8("メモ; 区切り\\あり");
    full.numphone = phoneentry::MaxPairs;
    const QStringList numbers{"03-1111-2222", "a@b.jp", "https://x.jp/a,b", "東京都千代田区1-1",
                              "", "090-1234-5678", "(03)1234-5678", "http://y", "x;y", "0120-11-2222",
                              "最後"};
    const QStringList types{"電話", "メール", "HP", "住所", "空", "携帯", "自宅", "URL", "", "FAX", "会社"};
    for (int j = 0; j < phoneentry::MaxPairs; ++j) {
        full.phonetype[j] = types.at(j);
        full.phonenumber[j] = numbers.at(j);
    }
    ASSERT_TRUE(book.add(full));

    const phonecards::ReadResult back = phonecards::read(phonecards::write(book));
    ASSERT_EQ(back.error, QString());
    EXPECT_TRUE(back.replaced.isEmpty());
    PhoneBook again;
    for (const phonecards::Imported &i : back.entries) {
        EXPECT_TRUE(i.leftOutPairs.isEmpty());
        ASSERT_TRUE(again.add(i.entry));
    }
    EXPECT_EQ(again.fileLines(), book.fileLines());
}

TEST(PhoneCards, theExportSaysWhatEachPairIsAndKeepsItsTypeText)
{
    phoneentry e;
    e.index = QStringLiteral("abc");
    e.name = QString::fromUtf8("山田 太郎");
    e.numphone = 4;
    e.phonetype = {QString::fromUtf8("携帯"), QStringLiteral("FAX"), QString::fromUtf8("メール"),
                   QString::fromUtf8("住所")};
    e.phonenumber = {"090-1234-5678", "03-1111-2222", "t@example.jp", QString::fromUtf8("大阪市")};
    const QString card = QString::fromUtf8(phonecards::card(e));
    EXPECT_TRUE(card.startsWith("BEGIN:VCARD\r\nVERSION:3.0\r\n"));
    EXPECT_TRUE(card.contains(QString::fromUtf8("N:山田;太郎;;;\r\n")));
    EXPECT_TRUE(card.contains("NICKNAME:abc\r\nSORT-STRING:abc\r\n"));
    EXPECT_TRUE(card.contains(QString::fromUtf8("TEL;TYPE=CELL,VOICE;X-KIBANU-TYPE=\"携帯\":090-1234-5678\r\n")));
    EXPECT_TRUE(card.contains("TEL;TYPE=FAX;X-KIBANU-TYPE=\"FAX\":03-1111-2222\r\n"));
    EXPECT_TRUE(card.contains(QString::fromUtf8("EMAIL;TYPE=INTERNET;X-KIBANU-TYPE=\"メール\":t@example.jp\r\n")));
    EXPECT_TRUE(card.contains(QString::fromUtf8("NOTE;X-KIBANU-TYPE=\"住所\":大阪市\r\n")));
}

TEST(PhoneCards, cardsOfPhonesMailProgramsAndWebAddressBooks)
{
    EXPECT_EQ(shapes(phonecards::read(fixture("phone-2.1-qp-utf8.vcf"))),
              QStringList{QString::fromUtf8("yamadahanako|山田 花子|大学の同期、テニス|携帯=090-1111-2222|"
                                            "自宅=03-3333-4444|メール=hanako@example.jp")});
    EXPECT_EQ(shapes(phonecards::read(fixture("phone-2.1-shift-jis.vcf"))),
              QStringList{QString::fromUtf8("suzukiichirou|鈴木 一郎|株式会社サンプル 営業部|"
                                            "勤務先=045-111-2222|FAX=045-111-2223")});
    EXPECT_EQ(shapes(phonecards::read(fixture("mail-3.0-phonetic.vcf"))),
              QStringList{QString::fromUtf8("satouhana|佐藤 花|誕生日は5月、 好物はカレー 二行目|"
                                            "携帯=080-5555-6666|サポート窓口=0120-777-888|"
                                            "URL=https://example.jp/sato|メール=hana.sato@example.co.jp")});

    const phonecards::ReadResult web = phonecards::read(fixture("web-4.0-sort-as.vcf"));
    ASSERT_EQ(web.entries.size(), 2);
    const phoneentry &ken = web.entries.at(0).entry;
    EXPECT_EQ(ken.index, QStringLiteral("takahashiken"));
    EXPECT_EQ(ken.numphone, phoneentry::MaxPairs);
    EXPECT_EQ(ken.phonenumber.at(0), QStringLiteral("03-1234-5600")); // the URI's scheme dropped
    EXPECT_EQ(web.entries.at(0).leftOutPairs,
              QStringList({QString::fromUtf8("電話 03-1234-5611"),
                           QString::fromUtf8("メール ken@example.net")}));
    // CP932 has no ü: replaced, and said.
    EXPECT_EQ(shape(web.entries.at(1).entry),
              QString::fromUtf8("annamuller|Anna M？ller||勤務先=+49-30-1234567"));
    EXPECT_EQ(web.replaced, QStringList({QString::fromUtf8("ü")}));
}

TEST(PhoneCards, aFileThatIsNoVCardIsRefusedWithNothingTaken)
{
    const phonecards::ReadResult r = phonecards::read("BEGIN:VCALENDAR\r\nEND:VCALENDAR\r\n");
    EXPECT_NE(r.error, QString());
    EXPECT_TRUE(r.entries.isEmpty());
    // A card whose index cannot be made is still read: the user types one.
    const phonecards::ReadResult noIndex =
        phonecards::read(QString::fromUtf8("BEGIN:VCARD\r\nFN:山田\r\nEND:VCARD\r\n").toUtf8());
    ASSERT_EQ(noIndex.entries.size(), 1);
    EXPECT_EQ(noIndex.entries.at(0).entry.index, QString());
    EXPECT_EQ(noIndex.entries.at(0).cardName, QString::fromUtf8("山田"));
}

// What other programs must see as they wrote it: a Western name in its order, numbers
// from abroad and extensions as numbers, a firm's card by its name.
TEST(PhoneCards, cardsGoOutAsOtherProgramsReadThem)
{
    const phonecards::ReadResult android = phonecards::read(fixture("android-2.1-org-only.vcf"));
    ASSERT_EQ(android.entries.size(), 1);
    EXPECT_EQ(shape(android.entries.at(0).entry),
              QString::fromUtf8("|株式会社サンプル商事|株式会社サンプル商事|勤務先=03-5555-1234"));
    EXPECT_EQ(android.entries.at(0).cardName, QString::fromUtf8("株式会社サンプル商事"));

    const phonecards::ReadResult google = phonecards::read(fixture("google-3.0-western-intl.vcf"));
    ASSERT_EQ(google.entries.size(), 1);
    EXPECT_EQ(shape(google.entries.at(0).entry),
              QString::fromUtf8("carolsmith|Carol Smith||メール=carol@example.com|携帯=+1 415 555 0100|"
                                "Japan=+81-90-8888-9999"));
    const phonecards::ReadResult nextcloud = phonecards::read(fixture("nextcloud-4.0-tel-ext.vcf"));
    ASSERT_EQ(nextcloud.entries.size(), 1);
    const phoneentry &taro = nextcloud.entries.at(0).entry;
    EXPECT_EQ(taro.phonenumber.at(0), QString::fromUtf8("+81-3-5555-0000 内線123"));

    const QString carol = QString::fromUtf8(phonecards::card(google.entries.at(0).entry));
    EXPECT_TRUE(carol.contains("N:Smith;Carol;;;\r\n"));
    EXPECT_TRUE(carol.contains(QString::fromUtf8("TEL;TYPE=CELL,VOICE;X-KIBANU-TYPE=\"携帯\":+1 415 555 0100\r\n")));
    EXPECT_TRUE(carol.contains("TEL;TYPE=VOICE;X-KIBANU-TYPE=\"Japan\":+81-90-8888-9999\r\n"));
    const QByteArray taroCard = phonecards::card(taro);
    EXPECT_TRUE(QString::fromUtf8(taroCard).contains(
        QString::fromUtf8("TEL;TYPE=WORK,VOICE;X-KIBANU-TYPE=\"勤務先\":+81-3-5555-0000;ext=123\r\n")));
    EXPECT_EQ(phonecards::read(taroCard).entries.value(0).entry.phonenumber.at(0), taro.phonenumber.at(0));

    // N from a typed name: family first for a Japanese name, last for a Western one.
    const std::pair<const char *, const char *> names[] = {
        {"山田 花子", "N:山田;花子;;;"},       {"ヤマダ　ハナコ", "N:ヤマダ;ハナコ;;;"},
        {"Carol Smith", "N:Smith;Carol;;;"}, {"Mary Ann Smith", "N:Smith;Mary Ann;;;"},
        {"Madonna", "N:Madonna;;;;"},        {"李 小龍", "N:李;小龍;;;"},
    };
    for (const auto &[name, n] : names) {
        phoneentry e;
        e.index = QStringLiteral("x");
        e.name = QString::fromUtf8(name);
        EXPECT_TRUE(QString::fromUtf8(phonecards::card(e)).contains(QString::fromUtf8(n) + "\r\n")) << name;
    }
    // What is no number stays a note: a leading + alone does not make one.
    phoneentry note;
    note.index = QStringLiteral("n");
    note.numphone = 2;
    note.phonetype = {QString::fromUtf8("メモ"), QString::fromUtf8("メモ")};
    note.phonenumber = {"+1 ok", "+12"};
    const QString noteCard = QString::fromUtf8(phonecards::card(note));
    EXPECT_TRUE(noteCard.contains(QString::fromUtf8("NOTE;X-KIBANU-TYPE=\"メモ\":+1 ok\r\n")));
    EXPECT_TRUE(noteCard.contains(QString::fromUtf8("NOTE;X-KIBANU-TYPE=\"メモ\":+12\r\n")));
}
