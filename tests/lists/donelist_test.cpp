// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/testfiles.h"
#include "lists/donelist.h"
#include "text/cp932.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

TEST(DoneList, showsLinesWithBytesThatAreNotCp932)
{
    QTemporaryDir dir;
    const QString file = QDir(dir.path()).filePath("done.txt");
    writeBytes(file, QByteArray("2026/12/01ok\r\nbad\x80here\r\ncut\x82"));
    DoneList list;
    list.loadDone(file);
    EXPECT_EQ(list.stringList(),
              QStringList({"2026/12/01ok", QString::fromUtf8("bad\uFFFDhere"), QString::fromUtf8("cut\uFFFD")}));
}

// A desktop editor may have saved it as UTF-8: shown as such, and made CP932 before a
// line is appended, so the file never holds two encodings.
TEST(DoneList, utf8DoneLogIsShownAndBecomesCp932BeforeAnAppend)
{
    QTemporaryDir dir;
    const QString file = QDir(dir.path()).filePath("done.txt");
    writeBytes(file, QString::fromUtf8("2026/12/01会議\r\n2026/12/02資料").toUtf8());
    DoneList list;
    list.loadDone(file);
    EXPECT_EQ(list.stringList(), QStringList({QString::fromUtf8("2026/12/01会議"),
                                              QString::fromUtf8("2026/12/02資料")}));
    ASSERT_TRUE(addToDone(file, QString::fromUtf8("電話"), "2026/12/07").ok);
    EXPECT_EQ(readBytes(file),
              sjis(QString::fromUtf8("2026/12/01会議\r\n2026/12/02資料\r\n2026/12/07電話\r\n")));

    ASSERT_TRUE(addToDone(file, "x", "2026/12/08").ok); // CP932 now: only appended
    EXPECT_TRUE(readBytes(file).endsWith("2026/12/08x\r\n"));
}

// Lines are found from every 64th: removals anywhere, alone or several at once, leave
// every other line where a list of lines would.
TEST(DoneList, removalsAnywhereLeaveTheOtherLinesAsAListWould)
{
    QTemporaryDir dir;
    const QString file = QDir(dir.path()).filePath("done.txt");
    QByteArray bytes;
    QStringList expected;
    for (int i = 0; i < 300; ++i) {
        const QByteArray line = "2026/12/01 " + QByteArray::number(i);
        bytes += line + (i % 3 ? "\r\n" : "\r"); // CR alone ends a line too
        expected.append(QString::fromLatin1(line));
    }
    writeBytes(file, bytes + "last, no line end");
    expected.append("last, no line end");
    DoneList list;
    list.loadDone(file);
    ASSERT_EQ(list.stringList(), expected);

    const std::pair<int, int> removals[] = {{150, 1}, {0, 1}, {62, 3}, {63, 1}, {270, 18},
                                           {127, 2}, {0, 5}};
    for (const auto &[row, count] : removals) {
        ASSERT_TRUE(list.removeRows(row, count));
        expected.remove(row, count);
        ASSERT_EQ(list.stringList(), expected) << row;
    }
    EXPECT_FALSE(list.removeRows(list.rowCount() - 1, 2)); // beyond the end: nothing
    EXPECT_EQ(list.rowCount(), expected.size());
}

// The window reads ahead while it is built; what it shows is the file when it is shown.
TEST(DoneList, aReadAheadIsOnlyTakenWhileTheFileIsAsItWasRead)
{
    QTemporaryDir dir;
    const QString file = QDir(dir.path()).filePath("done.txt");
    writeBytes(file, "2026/12/01a\r\n");
    DoneList list;
    list.readAhead(file);
    std::this_thread::sleep_for(std::chrono::milliseconds(50)); // the read ahead has run
    writeBytes(file, "2026/12/01a\r\n2026/12/02b\r\n");
    EXPECT_EQ(list.loadDone(file).status, TextFileRead::Ok);
    EXPECT_EQ(list.stringList(), QStringList({"2026/12/01a", "2026/12/02b"}));

    list.readAhead(file); // unchanged: taken as read
    EXPECT_EQ(list.loadDone(file).status, TextFileRead::Ok);
    EXPECT_EQ(list.stringList(), QStringList({"2026/12/01a", "2026/12/02b"}));
}

TEST(DoneList, linesOfACp932FileAreThoseOfItsWholeText)
{
    QTemporaryDir dir;
    const QString file = QDir(dir.path()).filePath("done.txt");
    const auto linesOf = [&](const QByteArray &bytes) {
        writeBytes(file, bytes);
        DoneList list;
        list.loadDone(file);
        return list.stringList();
    };
    const QByteArray bytes =
        sjis(QString::fromUtf8("2026/12/01表示ソ\r\n\r\nｶﾅ\rlone\nLF\r\r\n\n十能\r\nlast"));
    EXPECT_EQ(linesOf(bytes), LineReader(cp932::decode(bytes).text).readAll());

    static const char pieces[][3] = {"a", "\r", "\n", "\x82", "\x82\xA0", "\x85\x40", "\x80",
                                     "\xFC", "\xB1", "\x81\x7F", "\xFF", "\x5C"};
    std::uint32_t seed = 12345;
    for (int round = 0; round < 300; ++round) {
        QByteArray faulty("2026/12/01");
        for (int i = 0; i < 12; ++i) {
            seed = seed * 1103515245u + 12345u;
            faulty += pieces[(seed >> 16) % std::size(pieces)];
        }
        ASSERT_EQ(linesOf(faulty), LineReader(cp932::decodeForDisplay(faulty)).readAll())
            << faulty.toHex().constData();
    }
    for (int b = 0; b < 256; ++b) { // only CR and LF themselves end or join lines
        const cp932::Decoded one = cp932::decode(QByteArray(1, char(b)));
        const bool endsLines = one.text.contains(u'\r') || one.text.contains(u'\n');
        EXPECT_EQ(one.complete && endsLines, b == '\r' || b == '\n') << b;
    }
}

// A done log a Linux tool wrote, lines ended by LF alone: CR LF throughout before a line is
// appended, so the file never holds two kinds of line end.
TEST(DoneList, lineFeedDoneLogBecomesCrLfBeforeAnAppend)
{
    QTemporaryDir dir;
    const QString file = QDir(dir.path()).filePath("done.txt");
    writeBytes(file, sjis(QString::fromUtf8("2026/12/01会議\n2026/12/02資料\r\n2026/12/03電話\n")));
    DoneList list;
    list.loadDone(file);
    EXPECT_EQ(list.rowCount(), 3);
    ASSERT_TRUE(addToDone(file, "x", "2026/12/07").ok);
    EXPECT_EQ(readBytes(file), sjis(QString::fromUtf8(
                                   "2026/12/01会議\r\n2026/12/02資料\r\n2026/12/03電話\r\n2026/12/07x\r\n")));
}

// A done line is its date directly followed by its text; the day's digits may run on into
// a text that begins with a digit.
TEST(DoneList, aLineIsSplitIntoItsDateAndText)
{
    const QDate today(2026, 12, 11);
    const auto split = [&](const char *line) {
        const auto d = splitDoneLine(QString::fromUtf8(line), today);
        return d ? d->date.toString(Qt::ISODate) + u'|' + d->dateText + u'|' + d->text : QStringLiteral("-");
    };
    EXPECT_EQ(split("2026/12/07牛乳"), QString::fromUtf8("2026-12-07|2026/12/07|牛乳"));
    EXPECT_EQ(split("97/12/25 古い形"), QString::fromUtf8("1997-12-25|97/12/25|古い形"));
    EXPECT_EQ(split("2026/12/1112時の会議"), QString::fromUtf8("2026-12-11|2026/12/11|12時の会議"));
    EXPECT_EQ(split("2026/12/312個"), QString::fromUtf8("2026-12-31|2026/12/31|2個"));
    EXPECT_EQ(split("2026/2/305件"), QString::fromUtf8("2026-02-03|2026/2/3|05件"));
    EXPECT_EQ(split("2026/12/07"), QStringLiteral("2026-12-07|2026/12/07|"));
    EXPECT_EQ(split("メモ"), QStringLiteral("-"));
    EXPECT_EQ(split("2026/13/01x"), QStringLiteral("-"));
}
