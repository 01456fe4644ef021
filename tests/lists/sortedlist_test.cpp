// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lists/sortedlist.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

TEST(CompareListText, ordersLikeTheSortedListsOfTheProgram)
{
    EXPECT_LT(compareListText(QStringLiteral("26/01/05       x"),
                              QStringLiteral("26/01/05  09:00  x")), 0); // blank before digit
    EXPECT_LT(compareListText(QStringLiteral("00/01/01"), QStringLiteral("99/01/01")), 0);
    EXPECT_EQ(compareListText(QStringLiteral("yamada"), QStringLiteral("YAMADA")), 0);
    EXPECT_LT(compareListText(QStringLiteral("abe"), QStringLiteral("Baba")), 0);
    EXPECT_LT(compareListText(QStringLiteral("9"), QStringLiteral("a")), 0); // digits first
}

TEST(SortedListModel, placesEachItemAfterItsEqualsAndReportsWhere)
{
    SortedListModel list;
    QSignalSpy inserted(&list, &SortedListModel::rowsInserted);
    EXPECT_EQ(list.insertSorted(QStringLiteral("tanaka")), 0);
    EXPECT_EQ(list.insertSorted(QStringLiteral("abe")), 0);
    EXPECT_EQ(list.insertSorted(QStringLiteral("suzuki")), 1);
    EXPECT_EQ(list.insertSorted(QStringLiteral("SUZUKI")), 2); // equal: goes last of them
    EXPECT_EQ(list.insertSorted(QStringLiteral("zz")), 4);
    EXPECT_EQ(list.items(),
              QStringList({"abe", "suzuki", "SUZUKI", "tanaka", "zz"}));
    EXPECT_EQ(inserted.count(), 5);
    EXPECT_EQ(list.data(list.index(2), Qt::DisplayRole).toString(), QStringLiteral("SUZUKI"));

    list.removeAt(1);
    EXPECT_EQ(list.items(), QStringList({"abe", "SUZUKI", "tanaka", "zz"}));
    EXPECT_EQ(list.rowCount(), 4);
    list.clear();
    EXPECT_EQ(list.count(), 0);
}

// Loading sorts a whole file at once: the order must be that of inserting its lines one
// by one, among them texts the collator finds equal, the empty text and one that
// collation ignores, and after what the list already held.
TEST(SortedListModel, insertingAllAtOnceGivesTheOrderOfOneByOne)
{
    const QStringList held{"suzuki", "Abe"};
    const QStringList texts{"\x01", "", "SUZUKI", "abe", "あべ", "アベ", "ｱﾍﾞ", "", "ABE",
                            "鈴木", "suzuki", "\x01", "9", "zz", "Suzuki"};
    SortedListModel oneByOne;
    SortedListModel atOnce;
    for (const QString &text : held) {
        oneByOne.insertSorted(text);
        atOnce.insertSorted(text);
    }
    for (const QString &text : texts)
        oneByOne.insertSorted(text);
    const QList<qsizetype> from = atOnce.insertAllSorted(texts);
    EXPECT_EQ(atOnce.items(), oneByOne.items());
    QStringList table = QStringList{"Abe", "suzuki"} + texts; // a table beside the list
    followOrder(table, from);
    EXPECT_EQ(table, atOnce.items());
    QStringList cycle{"b", "c", "a", "d"}; // three rows that move round in a cycle
    followOrder(cycle, SortedListModel().insertAllSorted(cycle));
    EXPECT_EQ(cycle, QStringList({"a", "b", "c", "d"}));
}
