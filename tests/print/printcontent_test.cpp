// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/todoboard.h"
#include "phonebook/phonebook.h"
#include "print/printcontent.h"
#include "schedule/repeattable.h"
#include "schedule/scheduletable.h"

#include <gtest/gtest.h>

namespace {

const QDate friday(2026, 12, 11);

// A block as one line per row, columns joined by "|".
QStringList shown(const PrintBlock &block)
{
    QStringList lines{block.heading};
    for (const QStringList &row : block.rows)
        lines.append(row.join(u'|'));
    return lines;
}

} // namespace

TEST(PrintContent, theScheduleByDayWithItsWeekdayTimesInOrderAndSeriesMarked)
{
    ScheduleTable table;
    for (const auto &[date, time, text] : {std::tuple{"2026/12/12", "15:00", "歯医者"},
                                          {"2026/12/12", "", "買い物"},
                                          {"2026/12/12", "9:30", "会議"},
                                          {"2026/12/10", "10:00", "昨日より前"},
                                          {"2026/12/25", "10:00", "範囲の外"}})
        ASSERT_TRUE(table.add(QString::fromUtf8(date), QString::fromUtf8(time), QString::fromUtf8(text), friday));
    RepeatTable series;
    series.add({QString::fromUtf8("ヨガ"), QStringLiteral("2026/12/7"), QStringLiteral("19:00"),
                QString::fromUtf8("毎週")});
    const PrintDocument doc = printcontent::schedule(table, series, friday, 14, friday);
    EXPECT_EQ(doc.title, QString::fromUtf8("予定表　2026/12/11(金)～2026/12/24(木)　（2026/12/11 印刷）"));
    ASSERT_EQ(doc.blocks.size(), 3);
    EXPECT_EQ(shown(doc.blocks.at(0)),
              QStringList({"2026/12/12(土)", "|買い物|", "09:30|会議|", "15:00|歯医者|"}));
    EXPECT_EQ(shown(doc.blocks.at(1)),
              QStringList({"2026/12/14(月)", "19:00|ヨガ|繰り返し（毎週）"}));
    EXPECT_EQ(doc.blocks.at(2).heading, QStringLiteral("2026/12/21(月)"));
}

TEST(PrintContent, thePhoneBookWholeOrOneEntryTheDoneLogInItsRangeAndTheBoard)
{
    PhoneBook book;
    phoneentry yamada{QStringLiteral("yamada"), QString::fromUtf8("山田"), QString::fromUtf8("営業"), 2, {}, {}};
    yamada.phonetype[0] = QString::fromUtf8("会社");
    yamada.phonenumber[0] = QStringLiteral("03-1234-5678");
    yamada.phonetype[1] = QString::fromUtf8("携帯");
    yamada.phonenumber[1] = QStringLiteral("090-1111-2222");
    ASSERT_TRUE(book.add(yamada));
    ASSERT_TRUE(book.add({QStringLiteral("abe"), QString::fromUtf8("阿部"), {}, 0, {}, {}}));
    PrintDocument doc = printcontent::phoneBook(book, -1, friday);
    EXPECT_EQ(doc.title, QString::fromUtf8("電話帳　全 2 件　（2026/12/11 印刷）"));
    // The print dialog offers the job's name as a file in the current folder.
    EXPECT_EQ(printcontent::jobName(doc.title), QString::fromUtf8("電話帳　全 2 件　（2026-12-11 印刷）"));
    ASSERT_EQ(doc.blocks.size(), 2);
    EXPECT_EQ(shown(doc.blocks.at(0)), QStringList{QString::fromUtf8("abe　阿部")}); // index order
    EXPECT_EQ(shown(doc.blocks.at(1)),
              QStringList({"yamada　山田", "|営業|", "会社|03-1234-5678|", "携帯|090-1111-2222|"}));
    doc = printcontent::phoneBook(book, 1, friday);
    ASSERT_EQ(doc.blocks.size(), 1);
    EXPECT_EQ(doc.blocks.at(0).heading, QString::fromUtf8("yamada　山田"));

    const QStringList lines{"26/12/01 古い", "26/12/05 会議", "26/12/05 電話", "見出しなし", "26/12/11 今日"};
    doc = printcontent::done(lines, QDate(2026, 12, 5), friday, friday);
    ASSERT_EQ(doc.blocks.size(), 2);
    EXPECT_EQ(shown(doc.blocks.at(0)), QStringList({"2026/12/05(土)", "|会議|", "|電話|"}));
    EXPECT_EQ(shown(printcontent::done(lines, friday, QDate(2026, 12, 5), friday).blocks.at(1)),
              QStringList({"2026/12/11(金)", "|今日|"})); // a range given backwards

    TodoBoard board;
    board.setText(0, QString::fromUtf8("牛乳"));
    board.setDone(0, true);
    board.setText(13, QString::fromUtf8("最後"));
    doc = printcontent::board(board, friday);
    ASSERT_EQ(doc.blocks.size(), 1);
    ASSERT_EQ(doc.blocks.at(0).rows.size(), TodoBoard::SlotCount);
    EXPECT_EQ(doc.blocks.at(0).rows.at(0).join(u'|'), QString::fromUtf8("✓|牛乳|"));
    EXPECT_EQ(doc.blocks.at(0).rows.at(13).join(u'|'), QString::fromUtf8("□|最後|"));
}
