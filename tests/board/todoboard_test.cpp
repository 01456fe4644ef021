// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lists/shelflist.h"
#include "board/todoboard.h"
#include "common/saving.h"
#include "common/testfiles.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class BoardFiles : public ::testing::Test {
protected:
    QString path(const char *name) const { return QDir(dir.path()).filePath(name); }
    QByteArray fourteenLines(QList<QByteArray> first) const
    {
        while (first.size() < 14)
            first.append(QByteArray());
        return first.join("\r\n") + "\r\n";
    }
    QTemporaryDir dir;
    TodoBoard board;
    ShelfList shelf;
};

} // namespace

TEST_F(BoardFiles, shortTodoListFillsTheFirstSlotsAndIsWrittenBackWithFourteenLines)
{
    writeBytes(path("todo.txt"), sjis(QString::fromUtf8("会議\r\n\r\n電話\r\n")));
    EXPECT_EQ(board.loadTodoList(path("todo.txt")).status, TextFileRead::Ok);
    EXPECT_EQ(board.text(0), QString::fromUtf8("会議"));
    EXPECT_EQ(board.text(1), QString());
    EXPECT_EQ(board.text(2), QString::fromUtf8("電話"));
    EXPECT_EQ(board.text(13), QString());
    ASSERT_TRUE(saveAsTheQuit(path("todo.txt"), board.todoLines()).ok);
    EXPECT_EQ(readBytes(path("todo.txt")),
              fourteenLines({sjis(QString::fromUtf8("会議")), "", sjis(QString::fromUtf8("電話"))}));
}

TEST_F(BoardFiles, longTodoListKeepsOnlyFourteenLines)
{
    QList<QByteArray> lines;
    for (int i = 0; i < 20; ++i)
        lines.append("line" + QByteArray::number(i));
    writeBytes(path("todo.txt"), lines.join("\r\n") + "\r\n");
    board.loadTodoList(path("todo.txt"));
    EXPECT_EQ(board.text(13), QStringLiteral("line13"));
    ASSERT_TRUE(saveAsTheQuit(path("todo.txt"), board.todoLines()).ok);
    EXPECT_EQ(readBytes(path("todo.txt")), lines.mid(0, 14).join("\r\n") + "\r\n");
}

TEST_F(BoardFiles, missingTodoListGivesEmptySlots)
{
    board.setText(3, QStringLiteral("old"));
    EXPECT_EQ(board.loadTodoList(path("todo.txt")).status, TextFileRead::Missing);
    EXPECT_EQ(board.text(3), QString());
}

TEST_F(BoardFiles, closetKeepsEmptyLinesAndLineFeedOnlyFiles)
{
    writeBytes(path("closet.txt"), "a\r\n\r\nb\r\n\r\n");
    shelf.loadCloset(path("closet.txt"));
    EXPECT_EQ(shelf.stringList(), QStringList({"a", "", "b", ""}));
    ASSERT_TRUE(saveAsTheQuit(path("closet.txt"), shelf.stringList()).ok);
    EXPECT_EQ(readBytes(path("closet.txt")), QByteArray("a\r\n\r\nb\r\n\r\n"));

    writeBytes(path("closet.txt"), "x\n\ny\n");
    shelf.loadCloset(path("closet.txt"));
    EXPECT_EQ(shelf.stringList(), QStringList({"x", "", "y"}));
    ASSERT_TRUE(saveAsTheQuit(path("closet.txt"), shelf.stringList()).ok);
    EXPECT_EQ(readBytes(path("closet.txt")), QByteArray("x\r\n\r\ny\r\n"));

    writeBytes(path("closet.txt"), "");
    shelf.loadCloset(path("closet.txt"));
    EXPECT_EQ(shelf.count(), 0);
}

TEST_F(BoardFiles, quitCommitMovesMarkedSlotsToTheDoneLog)
{
    board.setText(0, QString::fromUtf8("報告書"));
    board.setText(2, QStringLiteral("keep"));
    board.setDone(0, true);
    board.setDone(5, true); // marked but empty: the date alone
    board.beginEdit(2);
    board.setEditText(2, QStringLiteral("edited"));
    ASSERT_TRUE(board.commitForQuit(QStringLiteral("2026/12/07"), path("done.txt")).ok);
    EXPECT_EQ(readBytes(path("done.txt")),
              sjis(QString::fromUtf8("2026/12/07報告書\r\n2026/12/07\r\n")));
    EXPECT_EQ(board.text(0), QString());
    EXPECT_EQ(board.text(2), QStringLiteral("edited"));
    EXPECT_FALSE(board.isEditing(2));
    EXPECT_EQ(board.inputStatus(), -1);
    ASSERT_TRUE(saveAsTheQuit(path("todo.txt"), board.todoLines()).ok);
    EXPECT_EQ(readBytes(path("todo.txt")), fourteenLines({"", "", "edited"}));

    // A second attempt (after a failed save) appends nothing again.
    ASSERT_TRUE(board.commitForQuit(QStringLiteral("2026/12/07"), path("done.txt")).ok);
    EXPECT_EQ(readBytes(path("done.txt")).count("\r\n"), 2);
}

TEST_F(BoardFiles, quitCommitKeepsASlotWhoseDoneLineCannotBeWritten)
{
    board.setText(1, QString::fromUtf8("絵文字😀"));
    board.setDone(1, true);
    EXPECT_FALSE(board.commitForQuit(QStringLiteral("2026/12/07"), path("done.txt")).ok);
    EXPECT_EQ(board.text(1), QString::fromUtf8("絵文字😀"));
    EXPECT_TRUE(board.isDone(1));
}

TEST(TodoBoard, anyChangeOfAnEditBoxSetsItsChangedFlag)
{
    TodoBoard board;
    board.setText(0, QStringLiteral("text"));
    board.beginEdit(0); // the box takes the text: a change
    EXPECT_TRUE(board.isEditChanged(0));
    board.clearEditChanged(0);
    board.setEditText(0, QStringLiteral("text")); // the same text: no change
    EXPECT_FALSE(board.isEditChanged(0));
    EXPECT_TRUE(board.endEdit(0));
    EXPECT_FALSE(board.endEdit(0)); // already closed
    board.setText(1, QStringLiteral(""));
    board.beginEdit(1); // empty into empty
    EXPECT_FALSE(board.isEditChanged(1));
}

TEST(TodoBoard, shelvingAndDiscardingEmptyTheSlotKeepItsMarkAndIgnoreOtherNumbers)
{
    TodoBoard board;
    ShelfList shelf;
    board.setText(2, QStringLiteral("later"));
    board.setDone(2, true);
    board.shelve(2, shelf);
    EXPECT_EQ(shelf.stringList(), QStringList({"later"}));
    EXPECT_EQ(board.text(2), QString());
    EXPECT_TRUE(board.isDone(2));
    board.setText(13, QStringLiteral("gone"));
    board.discard(13);
    EXPECT_EQ(board.text(13), QString());
    // A drag from another program's window may carry any number.
    board.shelve(14, shelf);
    board.shelve(-1, shelf);
    board.discard(99);
    EXPECT_EQ(shelf.count(), 1);
}
