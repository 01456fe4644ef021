// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/commitanalysis.h"
#include "board/todoboard.h"
#include "common/testfiles.h"
#include "lists/shelflist.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class Moves : public ::testing::Test {
protected:
    void fill(const QStringList &texts)
    {
        for (int k = 0; k < TodoBoard::SlotCount; ++k)
            board.setText(k, texts.value(k));
    }
    QStringList texts(int count = 5) const
    {
        QStringList t;
        for (int k = 0; k < count; ++k)
            t << board.text(k);
        return t;
    }
    TodoBoard board;
    ShelfList shelf;
};

const QDate today(2026, 12, 7);

} // namespace

TEST_F(Moves, insertShiftsTheTextsBetweenTowardsTheSourceAndMarksStay)
{
    fill({"A", "B", "C", "D", "E"});
    board.setDone(1, true);
    board.moveInsert(4, 1);
    EXPECT_EQ(texts(), QStringList({"A", "E", "B", "C", "D"}));
    EXPECT_TRUE(board.isDone(1));
    EXPECT_FALSE(board.isDone(4));

    fill({"A", "B", "C", "D", "E"});
    board.moveInsert(0, 3);
    EXPECT_EQ(texts(), QStringList({"B", "C", "D", "A", "E"}));
    board.moveInsert(2, 3);
    EXPECT_EQ(texts(), QStringList({"B", "C", "A", "D", "E"}));
    board.moveInsert(13, 0); // onto the first slot from the last, an empty text
    EXPECT_EQ(texts(), QStringList({"", "B", "C", "A", "D"}));
    EXPECT_EQ(board.text(13), QString());
    EXPECT_TRUE(shelf.stringList().isEmpty());
}

TEST_F(Moves, overwritePutsTheTargetsTextOnTheShelfAndRestoreSwapsWithIt)
{
    fill({"A", "B", "", "D"});
    board.setDone(0, true);
    board.setDone(3, true);
    board.moveOverwrite(0, 1, shelf);
    EXPECT_EQ(texts(4), QStringList({"", "A", "", "D"}));
    EXPECT_EQ(shelf.stringList(), QStringList({"B"}));
    board.moveOverwrite(3, 2, shelf); // onto an empty slot: a plain move
    EXPECT_EQ(texts(4), QStringList({"", "A", "D", ""}));
    EXPECT_EQ(shelf.stringList(), QStringList({"B"}));
    // The ticks stay where they were, with whatever text is there now.
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(board.isDone(k), k == 0 || k == 3) << k;

    shelf.append("X");
    EXPECT_TRUE(board.restore(1, shelf, 1));
    EXPECT_EQ(board.text(1), QStringLiteral("X"));
    EXPECT_EQ(shelf.stringList(), QStringList({"B", "A"}));
    EXPECT_TRUE(board.restore(0, shelf, 0)); // into an empty slot: nothing goes back
    EXPECT_EQ(shelf.stringList(), QStringList({"A"}));
    EXPECT_FALSE(board.restore(3, shelf, -1));
    EXPECT_FALSE(board.restore(3, shelf, 1));
    EXPECT_EQ(board.text(3), QString());
}

TEST_F(Moves, finishingAppendsToDoneOrKeepsTheSlotWhenItCannot)
{
    QTemporaryDir dir;
    const QString done = QDir(dir.path()).filePath("done.txt");
    fill({"A", QString::fromUtf8("買い物")});
    board.setDone(1, true);
    EXPECT_TRUE(board.finish(1, "26/12/07", done).ok);
    EXPECT_EQ(readBytes(done), sjis(QString::fromUtf8("26/12/07買い物\r\n")));
    EXPECT_EQ(board.text(1), QString());
    EXPECT_FALSE(board.isDone(1));

    board.setDone(0, true);
    EXPECT_FALSE(board.finish(0, "26/12/07", QDir(dir.path()).filePath("none/done.txt")).ok);
    EXPECT_EQ(board.text(0), QStringLiteral("A"));
    EXPECT_TRUE(board.isDone(0));
}

TEST(CommitAnalysis, aDateFirstGoesToTheScheduleWithOrWithoutTime)
{
    CommitAnalysis a = analyseCommit(QString::fromUtf8("９/２０ １０:００ 歯医者 予約"), today);
    EXPECT_EQ(a.kind, CommitAnalysis::ScheduleDateTime);
    EXPECT_EQ(a.date, QStringLiteral("9/20"));
    EXPECT_EQ(a.time, QStringLiteral("10:00"));
    EXPECT_EQ(a.event, QString::fromUtf8("歯医者予約"));
    EXPECT_EQ(analyseCommit(QStringLiteral("9/20 10:00"), today).event, QString());

    a = analyseCommit(QString::fromUtf8("12/24 パーティ 準備"), today);
    EXPECT_EQ(a.kind, CommitAnalysis::ScheduleDate);
    EXPECT_EQ(a.date, QStringLiteral("12/24"));
    EXPECT_EQ(a.event, QString::fromUtf8("ﾊﾟｰﾃｨ 準備 ")); // katakana narrowed too
    EXPECT_EQ(analyseCommit(QStringLiteral("12/24"), today).event, QStringLiteral(" "));
    EXPECT_EQ(analyseCommit(QStringLiteral("10:00 12/24"), today).kind, CommitAnalysis::Nothing);
}

TEST(CommitAnalysis, numbersOpenThePhoneBookWithIndexNameAndKeyword)
{
    CommitAnalysis a = analyseCommit(
        QString::fromUtf8("田中 ０３-１２３４-５６７８ 営業 tanaka 090-1111-2222 suzuki 余り"), today);
    EXPECT_EQ(a.kind, CommitAnalysis::PhoneBook);
    EXPECT_EQ(a.numbers, QStringList({"03-1234-5678", "090-1111-2222"}));
    EXPECT_EQ(a.index, QStringLiteral("tanaka"));
    EXPECT_EQ(a.name, QString::fromUtf8("田中"));
    EXPECT_EQ(a.keys, QString::fromUtf8("営業"));

    a = analyseCommit(QString::fromUtf8("山田 03-1 03-2"), today);
    EXPECT_EQ(a.index, QString());
    EXPECT_EQ(a.name, QString::fromUtf8("山田"));

    QStringList many;
    for (int i = 0; i < 13; ++i)
        many << QStringLiteral("03-%1").arg(i);
    a = analyseCommit(many.join(' '), today);
    EXPECT_EQ(a.numbers, many.mid(0, 11));

    EXPECT_EQ(analyseCommit(QString::fromUtf8("牛乳を買う"), today).kind, CommitAnalysis::Nothing);
}
