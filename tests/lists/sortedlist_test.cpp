// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lists/sortedlist.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <cstdlib>

TEST(CompareListText, ordersLikeTheSortedListsOfTheProgram)
{
    EXPECT_LT(compareListText(QStringLiteral("26/01/05       x"),
                              QStringLiteral("26/01/05  09:00  x")), 0); // blank before digit
    EXPECT_LT(compareListText(QStringLiteral("00/01/01"), QStringLiteral("99/01/01")), 0);
    EXPECT_EQ(compareListText(QStringLiteral("yamada"), QStringLiteral("YAMADA")), 0);
    EXPECT_LT(compareListText(QStringLiteral("abe"), QStringLiteral("Baba")), 0);
    EXPECT_LT(compareListText(QStringLiteral("9"), QStringLiteral("a")), 0); // digits first
}

// A row kept beside its line: the row says where it came from.
using Table = SortedTable<int>;

TEST(SortedTable, placesEachRowAfterItsEqualsInOneStepWithItsLine)
{
    Table table;
    QSignalSpy inserted(&table, &Table::rowsInserted);
    // Views of the table find the row beside the line whenever they are told of a change.
    QObject::connect(&table, &Table::rowsInserted, [&](const QModelIndex &, int first, int) {
        EXPECT_EQ(table.rows().size(), table.count());
        EXPECT_EQ(std::abs(table.row(first)), table.at(first).size()) << "out of step";
    });
    QObject::connect(&table, &Table::rowsRemoved, [&] { EXPECT_EQ(table.rows().size(), table.count()); });
    const auto insert = [&](const char *line) { return table.insert(int(qstrlen(line)), line); };
    EXPECT_EQ(insert("tanaka"), 0);
    EXPECT_EQ(insert("abe"), 0);
    EXPECT_EQ(insert("suzuki"), 1);
    EXPECT_EQ(table.insert(-6, "SUZUKI"), 2); // equal: goes last of them
    EXPECT_EQ(insert("zz"), 4);
    EXPECT_EQ(table.items(), QStringList({"abe", "suzuki", "SUZUKI", "tanaka", "zz"}));
    EXPECT_EQ(table.rows(), QList<int>({3, 6, -6, 6, 2}));
    EXPECT_EQ(inserted.count(), 5);
    EXPECT_EQ(table.data(table.index(2), Qt::DisplayRole).toString(), QStringLiteral("SUZUKI"));

    table.removeAt(1);
    EXPECT_EQ(table.items(), QStringList({"abe", "SUZUKI", "tanaka", "zz"}));
    EXPECT_EQ(table.rows(), QList<int>({3, -6, 6, 2}));
    EXPECT_EQ(table.rowCount(), 4);
}

// Loading sorts a whole file at once: the order must be that of inserting its lines one
// by one, among them texts the collator finds equal, the empty text and one that
// collation ignores, and after what the table already held.
TEST(SortedTable, insertingAllAtOnceGivesTheOrderOfOneByOne)
{
    const QStringList held{"suzuki", "Abe"};
    const QStringList texts{"\x01", "", "SUZUKI", "abe", "あべ", "アベ", "ｱﾍﾞ", "", "ABE",
                            "鈴木", "suzuki", "\x01", "9", "zz", "Suzuki"};
    Table oneByOne;
    Table atOnce;
    for (int i = 0; i < held.size(); ++i) {
        oneByOne.insert(i, held.at(i));
        atOnce.insert(i, held.at(i));
    }
    QList<int> numbers;
    for (int i = 0; i < texts.size(); ++i) {
        oneByOne.insert(int(held.size()) + i, texts.at(i));
        numbers.append(int(held.size()) + i);
    }
    atOnce.insertAll(numbers, texts);
    EXPECT_EQ(atOnce.items(), oneByOne.items());
    EXPECT_EQ(atOnce.rows(), oneByOne.rows()); // each row beside its own line

    QList<QString> cycle{"b", "c", "a", "d"}; // three rows that move round in a cycle
    SortedTable<QString> table;
    table.insertAll(cycle, cycle);
    EXPECT_EQ(table.rows(), QList<QString>({"a", "b", "c", "d"}));
}
