// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/romaji.h"
#include "text/vcard.h"

#include <gtest/gtest.h>

namespace {

vcard::Card only(const QByteArray &bytes)
{
    const vcard::ReadResult r = vcard::read(bytes);
    EXPECT_EQ(r.error, QString());
    EXPECT_EQ(r.cards.size(), 1);
    return r.cards.value(0);
}

QString textOf(const vcard::Card &card, const char *name)
{
    const vcard::Property *p = card.first(QLatin1String(name));
    return p ? p->text() : QStringLiteral("<none>");
}

} // namespace

TEST(VCardRead, foldedLinesEscapesGroupsAndParametersOfThreeAndFour)
{
    const vcard::Card c = only("BEGIN:VCARD\r\nVERSION:3.0\r\nFN:山田\r\n  花子\r\n"
                               "N:山田;花子;;;\r\nNOTE:a\\, b\\; c\\nd\\\\e\r\n"
                               "item1.TEL;TYPE=cell,voice:090-1234-5678\r\n"
                               "item1.X-ABLabel:仕事\r\n"
                               "N;SORT-AS=\"やまだ,はなこ\":x;y\r\n"
                               "EMAIL;TYPE=\"work;x\":a@b.jp\r\nEND:VCARD\r\n");
    EXPECT_EQ(c.version, QStringLiteral("3.0"));
    EXPECT_EQ(textOf(c, "FN"), QString::fromUtf8("山田 花子")); // the fold's blank is dropped, the next kept
    EXPECT_EQ(c.first("N")->components(), QStringList({"山田", "花子", "", "", ""}));
    EXPECT_EQ(textOf(c, "NOTE"), QString::fromUtf8("a, b; c\nd\\e"));
    const vcard::Property *tel = c.first("TEL");
    ASSERT_NE(tel, nullptr);
    EXPECT_EQ(tel->group, QStringLiteral("item1"));
    EXPECT_EQ(tel->types(), QStringList({"CELL", "VOICE"}));
    EXPECT_EQ(c.properties.at(6).param("SORT-AS"), QString::fromUtf8("やまだ,はなこ"));
    EXPECT_EQ(c.first("EMAIL")->types(), QStringList({"WORK;X"}));
    EXPECT_EQ(textOf(c, "EMAIL"), QStringLiteral("a@b.jp"));
}

// A fold inside a UTF-8 character (山 is E5 B1 B1) is joined by its octets, then decoded.
TEST(VCardRead, aLineFoldedInsideAUtf8CharacterIsJoinedBeforeItIsDecoded)
{
    const vcard::Card c = only("BEGIN:VCARD\r\nVERSION:3.0\r\nFN:\xE5\xB1\r\n \xB1\xE7\x94\xB0\r\n"
                               "END:VCARD\r\n");
    EXPECT_EQ(textOf(c, "FN"), QString::fromUtf8("山田"));
}

TEST(VCardRead, twoOneWithQuotedPrintableSoftBreaksAndShiftJis)
{
    // A phone's 2.1: bare types, quoted-printable UTF-8 broken over lines, LF only.
    const vcard::Card c = only("BEGIN:VCARD\nVERSION:2.1\n"
                               "N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:=E5=B1=B1=E7=94=B0;=\n"
                               "=E8=8A=B1=E5=AD=90\n"
                               "TEL;CELL;PREF:09012345678\nEND:VCARD\n");
    EXPECT_EQ(c.first("N")->components(), QStringList({"山田", "花子"}));
    EXPECT_EQ(c.first("TEL")->types(), QStringList({"CELL", "PREF"}));
    // Shift-JIS declared on the property: 山田 is 8E 52 93 63.
    const vcard::Card s = only("BEGIN:VCARD\r\nVERSION:2.1\r\nFN;CHARSET=SHIFT_JIS:\x8E\x52\x93\x63\r\n"
                               "NOTE;CHARSET=SHIFT_JIS;ENCODING=QUOTED-PRINTABLE:=8E=52=93=63\r\n"
                               "ADR;CHARSET=SHIFT_JIS:\x81\x60\x87\x40\r\n"
                               "END:VCARD\r\n");
    EXPECT_EQ(textOf(s, "FN"), QString::fromUtf8("山田"));
    EXPECT_EQ(textOf(s, "NOTE"), QString::fromUtf8("山田"));
    // As Japanese phones mean Shift-JIS: Windows' CP932, with its wave dash and circled digits.
    EXPECT_EQ(textOf(s, "ADR"), QString::fromUtf8("～①"));
    // A feature phone's own property without the declaration: Shift-JIS too, in a 2.1 card.
    const vcard::Card phone = only("BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=SHIFT_JIS:\x8E\x52\x93\x63\r\n"
                                   "X-GN:\x97\x46\x90\x6C\r\nTEL;CELL:09012345678\r\nEND:VCARD\r\n");
    EXPECT_EQ(textOf(phone, "X-GN"), QString::fromUtf8("友人"));
    const vcard::ReadResult three = vcard::read("BEGIN:VCARD\r\nVERSION:3.0\r\nX-GN:\x97\x46\x90\x6C\r\nEND:VCARD\r\n");
    EXPECT_TRUE(three.error.contains("X-GN")) << three.error.toStdString();
}

TEST(VCardRead, aFileThatIsNoneOrCutOffOrNotItsCharsetIsRefusedWhole)
{
    EXPECT_NE(vcard::read("hello\r\n").error, QString());
    EXPECT_NE(vcard::read("").error, QString());
    // Cut off: the cards before the cut are not taken either.
    const vcard::ReadResult cut =
        vcard::read("BEGIN:VCARD\r\nFN:a\r\nEND:VCARD\r\nBEGIN:VCARD\r\nFN:b\r\n");
    EXPECT_NE(cut.error, QString());
    EXPECT_TRUE(cut.cards.isEmpty());
    // Shift-JIS bytes without a declaration are no UTF-8.
    const vcard::ReadResult undeclared = vcard::read("BEGIN:VCARD\r\nFN:\x8E\x52\x93\x63\r\nEND:VCARD\r\n");
    EXPECT_TRUE(undeclared.error.contains("FN")) << undeclared.error.toStdString();
    EXPECT_NE(vcard::read("BEGIN:VCARD\r\nBEGIN:VCARD\r\nEND:VCARD\r\n").error, QString());
    EXPECT_NE(vcard::read("BEGIN:VCARD\r\nno colon here\r\nEND:VCARD\r\n").error, QString());
    // Other calendars' blocks around the cards, a byte-order mark and base64 pictures pass.
    const vcard::ReadResult mixed = vcard::read("\xEF\xBB\xBF" "BEGIN:VCARD\r\nVERSION:2.1\r\n"
                                                "PHOTO;ENCODING=BASE64;TYPE=JPEG:/9j/4AAQ\r\n"
                                                " SkZJRg==\r\n\r\nFN:x\r\nEND:VCARD\r\n");
    EXPECT_EQ(mixed.error, QString());
    ASSERT_EQ(mixed.cards.size(), 1);
    EXPECT_EQ(textOf(mixed.cards.at(0), "FN"), QStringLiteral("x"));
}

TEST(VCardWrite, escapesAndFoldsAtSeventyFiveOctetsWithoutCuttingACharacter)
{
    EXPECT_EQ(vcard::escape(QStringLiteral("a,b;c\\d\ne")), QStringLiteral("a\\,b\\;c\\\\d\\ne"));
    // A parameter value keeps its quotes and carets through RFC 6868's escapes.
    const QString odd = QStringLiteral("say \"hi\" ^_^;x:y");
    const vcard::Card p = only(("BEGIN:VCARD\r\n" + vcard::line("TEL;X-T=" + vcard::quotedParam(odd) + ":1")
                                + "END:VCARD\r\n"));
    EXPECT_EQ(p.first("TEL")->param("X-T"), odd);
    const QString longName = QString::fromUtf8("名").repeated(60); // 180 octets
    const QByteArray folded = vcard::line(QStringLiteral("FN:") + longName);
    const QList<QByteArray> lines = folded.split('\n');
    ASSERT_GE(lines.size(), 3);
    for (const QByteArray &l : lines) {
        if (l.isEmpty())
            continue;
        EXPECT_TRUE(l.endsWith('\r'));
        EXPECT_LE(l.size() - 1, 75);
        // Every physical line is whole UTF-8 on its own.
        EXPECT_FALSE(QString::fromUtf8(l).contains(QChar::ReplacementCharacter));
    }
    // And it reads back as it was.
    const vcard::Card c = only("BEGIN:VCARD\r\n" + folded + "END:VCARD\r\n");
    EXPECT_EQ(textOf(c, "FN"), longName);
}

TEST(Romaji, readingsInKanaBecomeLowerCaseLettersOfAnIndex)
{
    EXPECT_EQ(romajiIndex(QString::fromUtf8("やまだ はなこ")), QStringLiteral("yamadahanako"));
    EXPECT_EQ(romajiIndex(QString::fromUtf8("ヤマダ タロウ")), QStringLiteral("yamadatarou"));
    EXPECT_EQ(romajiIndex(QString::fromUtf8("ｽｽﾞｷ")), QStringLiteral("suzuki"));
    EXPECT_EQ(romajiIndex(QStringLiteral("John Smith 2")), QStringLiteral("johnsmith2"));
    EXPECT_EQ(romajiIndex(QString::fromUtf8("山田")), QString()); // no reading, no letters
}
