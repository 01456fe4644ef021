// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/windowrig.h"
#include "lists/frmtrash.h"
#include "lists/shelflist.h"

#include <QLabel>
#include <QListView>
#include <QSignalSpy>
#include <QTest>

namespace {

// The shelf as the start loads it, and its window.
class TrashWindow : public ::testing::Test, public WindowRig {
protected:
    void SetUp() override
    {
        writeBytes(path("closet.txt"), sjis(QString::fromUtf8("ＡＢＣ全角\r\nsecond\r\n\r\nfourth\r\n")));
        files.noteRead(DataFile::Closet, shelf.loadCloset(path("closet.txt")));
        w = std::make_unique<frmTrash>(shelf, files, prompter);
        w->show();
        list = w->findChild<QListView *>("lstTrash");
        hint = w->findChild<QLabel *>("lblHint");
    }
    QStringList items() { return shelf.stringList(); }
    void select(int row) { list->setCurrentIndex(list->model()->index(row, 0)); }

    ShelfList shelf;
    std::unique_ptr<frmTrash> w;
    QListView *list = nullptr;
    QLabel *hint = nullptr;
};

} // namespace

TEST_F(TrashWindow, showsTheShelfAsStoredAndDeletesAfterAsking)
{
    EXPECT_EQ(w->windowTitle(), QString::fromUtf8("棚上げされていること"));
    EXPECT_EQ(items().first(), QString::fromUtf8("ＡＢＣ全角")); // not narrowed
    select(1);
    prompter.answers = {false};
    QTest::keyClick(list, Qt::Key_Delete);
    EXPECT_EQ(prompter.messages.last(), QString::fromUtf8("secondを削除します。よろしいですか？"));
    EXPECT_EQ(items().size(), 4);
    prompter.answers = {true};
    QTest::keyClick(list, Qt::Key_Delete);
    EXPECT_EQ(items(), QStringList({QString::fromUtf8("ＡＢＣ全角"), "", "fourth"}));
}

TEST_F(TrashWindow, trashBoxDiscardsTheSelectedItemOrAToDo)
{
    w->cmdTrashBox_DragEnter(QStringLiteral("TrashBox"));
    EXPECT_EQ(hint->text(), QString::fromUtf8("用件を捨てます"));
    w->cmdTrashBox_DragDrop(QStringLiteral("TrashBox"), -1);
    EXPECT_EQ(prompter.messages.last(),
              QString::fromUtf8("用件を削除するには、まず左ボタンで削除用件を選択して下さい"));
    EXPECT_EQ(items().size(), 4);
    EXPECT_TRUE(hint->text().isEmpty());

    select(3);
    w->cmdTrashBox_DragDrop(QStringLiteral("TrashBox"), -1);
    EXPECT_EQ(items().size(), 3);
    EXPECT_EQ(w->selectedIndex(), -1);

    // A to-do goes to the board as a request to discard it, the shelf untouched.
    QSignalSpy discarded(w.get(), &frmTrash::discardTodoRequested);
    w->cmdTrashBox_DragEnter(QStringLiteral("TodoLabel"));
    EXPECT_EQ(hint->text(), QString::fromUtf8("用件を捨てます"));
    w->cmdTrashBox_DragDrop(QStringLiteral("TodoLabel"), 0);
    ASSERT_EQ(discarded.count(), 1);
    EXPECT_EQ(discarded.at(0).at(0).toInt(), 0);
    EXPECT_EQ(items().size(), 3);
    EXPECT_TRUE(hint->text().isEmpty());
}

TEST_F(TrashWindow, aToDoDroppedOnTheListIsAskedOfTheBoardToShelve)
{
    QSignalSpy shelved(w.get(), &frmTrash::shelveTodoRequested);
    w->lstTrash_DragEnter(QStringLiteral("TodoLabel")); // slot 0 gets the feedback too
    EXPECT_EQ(hint->text(), QString::fromUtf8("用件を棚上げします"));
    w->lstTrash_DragDrop(QStringLiteral("TodoLabel"), 0);
    ASSERT_EQ(shelved.count(), 1);
    EXPECT_EQ(shelved.at(0).at(0).toInt(), 0);
    EXPECT_TRUE(hint->text().isEmpty());
    w->lstTrash_DragDrop(QStringLiteral("TrashBox"), -1); // the shelf onto itself: nothing
    EXPECT_EQ(shelved.count(), 1);
    EXPECT_EQ(items().size(), 4);
}

TEST_F(TrashWindow, closeBoxWritesTheShelfAndTheNextOpeningReadsItAgain)
{
    shelf.append(QStringLiteral("added"));
    w->close();
    EXPECT_EQ(readBytes(path("closet.txt")),
              sjis(QString::fromUtf8("ＡＢＣ全角\r\nsecond\r\n\r\nfourth\r\nadded\r\n")));
    shelf.removeAt(0); // gone from memory, still in the file
    w->show();
    EXPECT_EQ(items().size(), 5);
}

TEST_F(TrashWindow, failedCloseBoxWriteIsToldAndMemoryWins)
{
    ASSERT_TRUE(QFile::remove(path("closet.txt")));
    ASSERT_TRUE(QDir(dir.path()).mkdir("closet.txt"));
    shelf.append(QStringLiteral("kept"));
    w->close();
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages[0].contains(QStringLiteral("closet.txt")));
    w->show();
    EXPECT_EQ(items().last(), QStringLiteral("kept"));
    EXPECT_EQ(items().size(), 5);
}

// Read again after the close box and found damaged (here, by another program): the user
// is told, and the shelf as it was is still saved, with what is shelved later.
TEST_F(TrashWindow, aFailedReadAgainIsToldAndTheShelfStaysAndIsSaved)
{
    w->close();
    writeBytes(path("closet.txt"), "ok\r\n\x82"); // a cut-off double-byte character
    w->show();
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages[0].contains(QStringLiteral("closet.txt")));
    EXPECT_EQ(items().size(), 4);
    // Gone altogether (a sync tool took it away): the same.
    w->close();
    ASSERT_TRUE(QFile::remove(path("closet.txt")));
    w->show();
    ASSERT_EQ(prompter.messages.size(), 2);
    EXPECT_TRUE(prompter.messages[1].contains(QStringLiteral("closet.txt")));
    EXPECT_EQ(items().size(), 4);
    shelf.append(QStringLiteral("later"));
    EXPECT_TRUE(files.mayWrite(DataFile::Closet)); // the quit writes it
    w->close();
    EXPECT_EQ(readBytes(path("closet.txt")),
              sjis(QString::fromUtf8("ＡＢＣ全角\r\nsecond\r\n\r\nfourth\r\nlater\r\n")));
}

TEST_F(TrashWindow, closetThatCouldNotBeReadIsNotWrittenByTheCloseBox)
{
    const QByteArray damaged("ok\r\n\xFF\r\n");
    writeBytes(path("closet.txt"), damaged);
    files.noteRead(DataFile::Closet, shelf.loadCloset(path("closet.txt")));
    w->close();
    EXPECT_EQ(readBytes(path("closet.txt")), damaged);
    EXPECT_TRUE(prompter.messages.isEmpty());
}
