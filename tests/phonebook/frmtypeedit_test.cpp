// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/windowrig.h"
#include "phonebook/dlgtypeedit.h"
#include "phonebook/frmtypeedit.h"
#include "phonebook/phonebook.h"
#include "phonebook/phonetypes.h"

#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QUndoStack>

namespace {

class TypeEditor : public ::testing::Test, public WindowRig {
protected:
    void SetUp() override
    {
        writeBytes(path("type.txt"), "A\r\nB\r\nC\r\nD\r\n");
        (void)types.loadPhoneTypes(path("type.txt"));
        editor = std::make_unique<frmTypeEdit>(types, prompter);
        editor->open();
        list = editor->findChild<QListView *>("lstType");
    }
    QStringList rows() const
    {
        QStringList r;
        for (int i = 0; i < list->model()->rowCount(); ++i)
            r << list->model()->index(i, 0).data().toString();
        return r;
    }
    QStringList master() { return types.stringList(); }
    void select(int row) { list->setCurrentIndex(list->model()->index(row, 0)); }
    void click(const char *name) { editor->findChild<QPushButton *>(name)->click(); }
    dlgTypeEdit &dialog() { return editor->typeDialog(); }
    QLineEdit *typeBox() { return dialog().findChild<QLineEdit *>("txtType"); }
    QString help() { return dialog().findChild<QLabel *>("lblHelp")->text(); }

    PhoneTypes types;
    PhoneBook book;
    std::unique_ptr<frmTypeEdit> editor;
    QListView *list = nullptr;
};

} // namespace

TEST_F(TypeEditor, upAndDownMoveTheSelectionAndStopAtTheEnds)
{
    list->clearSelection();
    click("cmdUp");
    click("cmdDown");
    EXPECT_EQ(rows(), QStringList({"A", "B", "C", "D"}));
    select(0);
    click("cmdUp");
    EXPECT_EQ(rows(), QStringList({"A", "B", "C", "D"}));
    click("cmdDown");
    click("cmdDown");
    EXPECT_EQ(rows(), QStringList({"B", "C", "A", "D"}));
    EXPECT_EQ(editor->selectedIndex(), 2);
    click("cmdDown");
    click("cmdDown"); // the last row stays
    EXPECT_EQ(rows(), QStringList({"B", "C", "D", "A"}));
    click("cmdUp");
    EXPECT_EQ(rows(), QStringList({"B", "C", "A", "D"}));
    EXPECT_EQ(editor->selectedIndex(), 2);
    EXPECT_EQ(master(), QStringList({"A", "B", "C", "D"})); // until OK
    click("cmdClose");
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(master(), QStringList({"B", "C", "A", "D"}));
}

TEST_F(TypeEditor, deleteAsksForAnyRowButTheFirst)
{
    select(0);
    click("cmdTrash");
    EXPECT_TRUE(prompter.messages.isEmpty());
    list->clearSelection();
    click("cmdTrash");
    EXPECT_TRUE(prompter.messages.isEmpty());
    select(2);
    prompter.answers = {false, true};
    click("cmdTrash");
    EXPECT_EQ(prompter.messages.value(0), QString::fromUtf8("Cを削除して良いですか？"));
    EXPECT_EQ(rows(), QStringList({"A", "B", "C", "D"}));
    click("cmdTrash");
    EXPECT_EQ(rows(), QStringList({"A", "B", "D"}));
    EXPECT_EQ(editor->selectedIndex(), -1);
}

TEST_F(TypeEditor, newTypeGoesInFrontOfTheSelectionOrAtTheEnd)
{
    select(2);
    typeBox()->setText("left over");
    click("cmdNew");
    ASSERT_TRUE(dialog().isVisible());
    EXPECT_EQ(dialog().windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(typeBox()->text(), QString()); // a new type starts empty
    EXPECT_EQ(help(), QString::fromUtf8("新しい種類を入力し、OKボタンを押して下さい"));
    typeBox()->setText(QStringLiteral("X,Y"));
    dialog().findChild<QPushButton *>("cmdOK")->click();
    EXPECT_FALSE(dialog().isVisible());
    EXPECT_EQ(rows(), QStringList({"A", "B", "X,Y", "C", "D"}));

    list->clearSelection();
    click("cmdNew");
    dialog().findChild<QPushButton *>("cmdOK")->click(); // an empty type is a type
    EXPECT_EQ(rows(), QStringList({"A", "B", "X,Y", "C", "D", ""}));

    click("cmdNew");
    typeBox()->setText("Z");
    QTest::keyClick(typeBox(), Qt::Key_Escape);
    EXPECT_FALSE(dialog().isVisible());
    EXPECT_EQ(rows().size(), 6);
}

TEST_F(TypeEditor, doubleClickChangesTheTypeInPlaceAndEntriesKeepTheOldText)
{
    phoneentry e;
    e.index = "aoki";
    e.numphone = 1;
    e.phonetype[0] = "B";
    ASSERT_TRUE(book.add(e).has_value());

    list->clearSelection();
    editor->lstType_DblClick();
    EXPECT_FALSE(dialog().isVisible());
    select(1);
    editor->lstType_DblClick();
    ASSERT_TRUE(dialog().isVisible());
    EXPECT_EQ(typeBox()->text(), QStringLiteral("B"));
    EXPECT_EQ(help(), QString::fromUtf8(" 種類を変更し、OKボタンを押して下さい"));
    typeBox()->setText(QString::fromUtf8("携帯"));
    dialog().findChild<QPushButton *>("cmdOK")->click();
    EXPECT_EQ(rows(), QStringList({"A", QString::fromUtf8("携帯"), "C", "D"}));
    EXPECT_EQ(editor->selectedIndex(), -1);

    select(2);
    editor->lstType_DblClick();
    dialog().findChild<QPushButton *>("cmdCancel")->click();
    EXPECT_EQ(rows(), QStringList({"A", QString::fromUtf8("携帯"), "C", "D"}));

    click("cmdClose");
    EXPECT_EQ(book.at(0).phonetype[0], QStringLiteral("B"));
}

// The editor always opens on the list as it stands; what its close box leaves is dropped.
TEST_F(TypeEditor, reopeningShowsTheListOnceAndTheCloseBoxDiscards)
{
    click("cmdClose");
    editor->open();
    EXPECT_EQ(rows(), QStringList({"A", "B", "C", "D"}));

    select(3);
    click("cmdTrash");
    editor->open(); // chosen again while open: the unconfirmed delete goes
    EXPECT_EQ(rows(), QStringList({"A", "B", "C", "D"}));

    select(3);
    click("cmdTrash");
    editor->close();
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(master(), QStringList({"A", "B", "C", "D"}));
}

// The list put back by 閉じる is one step; undone while the list is still as it left it.
TEST_F(TypeEditor, theListPutBackIsOneStepOfTheHistory)
{
    QUndoStack history;
    editor->setHistory(&history);
    select(0);
    click("cmdDown");
    click("cmdClose");
    EXPECT_EQ(master(), QStringList({"B", "A", "C", "D"}));
    EXPECT_EQ(history.undoText(), QString::fromUtf8("電話種類の編集"));
    history.undo();
    EXPECT_EQ(master(), QStringList({"A", "B", "C", "D"}));
    history.redo();
    EXPECT_EQ(master(), QStringList({"B", "A", "C", "D"}));
    types.setStringList({QStringLiteral("Z")}); // read again from type.txt, say
    history.undo();
    EXPECT_EQ(master(), QStringList({"Z"}));
    EXPECT_EQ(prompter.messages.size(), 1);
}
