// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// 編集 → 元に戻す and やり直し over the board's steps: each undone and redone, and refused
// (with a word, nothing applied) once what it changed moved on.
#include "common/apphelper.h"
#include "app/appwindows.h"
#include "app/folderwatch.h"
#include "common/testfiles.h"
#include "lists/frmtrash.h"
#include "phonebook/frmaddphone.h"
#include "phonebook/phonebook.h"
#include "schedule/dlgschedule.h"
#include "schedule/frmschedule.h"
#include "schedule/scheduletable.h"
#include "ui/dragdrop.h"

#include <QAction>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QUndoStack>

namespace {

class Undo : public AppTest {
public:
    void SetUp() override
    {
        w = startBoard();
        for (int slot = 0; slot < 5; ++slot)
            board().setText(slot, QString(QChar(u'A' + slot)));
        shelf().setStringList({QStringLiteral("X")});
    }
    QStringList texts() const
    {
        QStringList texts;
        for (int slot = 0; slot < 5; ++slot)
            texts << app->session().board().text(slot);
        return texts;
    }
    QAction *menu(const char *name) { return w->findChild<QAction *>(QLatin1String(name)); }
    void drop(int source, int target)
    {
        w->dragIndex = qint16(source);
        w->lblTodo_DragDrop(target, dragdrop::TodoLabel, source);
    }
    frmTodo *w = nullptr;
};

} // namespace

// Each kind of the board's steps: what it did, undone, and done again.
TEST_F(Undo, eachStepOfTheBoardIsUndoneAndRedone)
{
    struct Case {
        const char *name;
        std::function<void(Undo &)> act;
        QStringList slotsAfter;
        QStringList shelfAfter;
    };
    const Case cases[] = {
        {"順番の入れ替え", [](Undo &t) { t.drop(4, 1); }, {"A", "E", "B", "C", "D"}, {"X"}},
        {"場所の移動",
         [](Undo &t) {
             t.app->session().settings().board.editMode = EditMode::Overwrite;
             t.drop(0, 1);
         },
         {"", "A", "C", "D", "E"}, {"X", "B"}},
        {"たな上げへの移動", [](Undo &t) { t.w->cmdTrash_DragDrop(dragdrop::TodoLabel, 2); },
         {"A", "B", "", "D", "E"}, {"X", "C"}},
        {"たな上げからの復活", [](Undo &t) { t.w->lblTodo_DragDrop(3, dragdrop::TrashBox, 0); },
         {"A", "B", "C", "X", "E"}, {"D"}},
        {"用件の入力", [](Undo &t) { t.commitSlot(4, QStringLiteral("E2")); }, {"A", "B", "C", "D", "E2"}, {"X"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        app->session().settings().board.editMode = EditMode::Insert;
        const QStringList slotsBefore = texts();
        c.act(*this);
        EXPECT_EQ(texts(), c.slotsAfter);
        EXPECT_EQ(shelf().stringList(), c.shelfAfter);
        EXPECT_EQ(menu("mnuUndo")->text(), QString::fromUtf8("元に戻す(&U): ") + QString::fromUtf8(c.name));
        menu("mnuUndo")->trigger();
        EXPECT_EQ(texts(), slotsBefore);
        EXPECT_EQ(shelf().stringList(), QStringList{"X"});
        menu("mnuRedo")->trigger();
        EXPECT_EQ(texts(), c.slotsAfter);
        EXPECT_EQ(shelf().stringList(), c.shelfAfter);
        menu("mnuUndo")->trigger();
    }
    EXPECT_TRUE(prompter->messages.isEmpty());
}

TEST_F(Undo, aToDoMovedToTheScheduleComesBackAndItsAppointmentGoes)
{
    prompter->answers = {true};
    commitSlot(6, QStringLiteral("12/24 10:00 dentist"));
    ASSERT_EQ(app->session().schedule().ntschedule(), 1);
    EXPECT_EQ(menu("mnuUndo")->text(), QString::fromUtf8("元に戻す(&U): 予定表への移動"));
    menu("mnuUndo")->trigger();
    EXPECT_EQ(app->session().schedule().ntschedule(), 0);
    EXPECT_EQ(board().text(6), QStringLiteral("12/24 10:00 dentist"));
    menu("mnuRedo")->trigger();
    EXPECT_EQ(app->session().schedule().ntschedule(), 1);
    EXPECT_EQ(board().text(6), QString());
}

// done.txt gives its line back only while it still ends with it.
TEST_F(Undo, aDropOnTheDoneLogIsTakenBackOutOfDoneTxtOnlyWhileItIsItsLastLine)
{
    writeBytes(path("done.txt"), "2026/12/06old\r\n");
    w->cmdDone_DragDrop(dragdrop::TodoLabel, 0);
    EXPECT_EQ(readBytes(path("done.txt")), QByteArray("2026/12/06old\r\n2026/12/07A\r\n"));
    menu("mnuUndo")->trigger();
    EXPECT_EQ(readBytes(path("done.txt")), QByteArray("2026/12/06old\r\n"));
    EXPECT_EQ(board().text(0), QStringLiteral("A"));
    menu("mnuRedo")->trigger();
    EXPECT_EQ(readBytes(path("done.txt")), QByteArray("2026/12/06old\r\n2026/12/07A\r\n"));
    EXPECT_EQ(board().text(0), QString());

    // Another line came after it: the file and the board stay, and the user is told why.
    writeBytes(path("done.txt"), "2026/12/06old\r\n2026/12/07A\r\n2026/12/07other\r\n");
    menu("mnuUndo")->trigger();
    EXPECT_EQ(readBytes(path("done.txt")), QByteArray("2026/12/06old\r\n2026/12/07A\r\n2026/12/07other\r\n"));
    EXPECT_EQ(board().text(0), QString());
    ASSERT_EQ(prompter->messages.size(), 1);
    EXPECT_TRUE(prompter->messages.at(0).contains(QStringLiteral("2026/12/07A")));
    EXPECT_EQ(app->windows().history().count(), 0); // the step left the history
}

// A step whose texts moved on since is never applied to others; the keys work while no
// box is open, and an open box keeps its own undo.
TEST_F(Undo, aStepWhoseTextsMovedOnIsSkippedAndTheKeysFollowTheOpenBox)
{
    w->cmdTrash_DragDrop(dragdrop::TodoLabel, 2);
    board().setText(2, QStringLiteral("new")); // not through the board's moves
    QTest::keyClick(w, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(board().text(2), QStringLiteral("new"));
    EXPECT_EQ(shelf().stringList(), QStringList({"X", "C"}));
    EXPECT_EQ(prompter->messages.size(), 1);

    drop(4, 0);
    QTest::keyClick(w, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(texts(), QStringList({"A", "B", "new", "D", "E"}));
    QTest::keyClick(w, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(texts(), QStringList({"E", "A", "B", "new", "D"}));

    QTest::mouseDClick(w->findChild<QWidget *>(QStringLiteral("lblTodo_6")), Qt::LeftButton);
    auto *box = w->findChild<QLineEdit *>(QStringLiteral("txtTodo_6"));
    QTest::keyClicks(box, QStringLiteral("abc"));
    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(texts(), QStringList({"E", "A", "B", "new", "D"}));
    EXPECT_NE(box->text(), QStringLiteral("abc")); // the box's own undo
}

TEST_F(Undo, aFileReadAgainAndTheQuitEmptyTheHistory)
{
    drop(4, 0);
    ASSERT_NE(app->folderWatch(), nullptr);
    emit app->folderWatch()->reloaded(DataFile::Closet);
    EXPECT_EQ(app->windows().history().count(), 0);
    EXPECT_FALSE(menu("mnuUndo")->isEnabled());

    drop(4, 0);
    EXPECT_EQ(app->windows().history().count(), 1);
    EXPECT_TRUE(quit());
    EXPECT_EQ(app->windows().history().count(), 0);
}

// The schedule window's steps: an appointment added, changed and deleted, undone in the
// opposite order; one changed since (not through a step) is not taken back.
TEST_F(Undo, theSchedulesAppointmentsAddedChangedAndDeletedComeBack)
{
    w->cmdSchedule_Click();
    frmSchedule *window = app->windows().madeScheduleWindow();
    ASSERT_NE(window, nullptr);
    ScheduleTable &table = app->session().schedule();
    const auto lines = [&] { return table.list().items(); };
    ASSERT_TRUE(window->additemdatetime(QStringLiteral("12/20"), QStringLiteral("10:00"), QStringLiteral("dentist")));
    ASSERT_TRUE(window->additemdatetime(QStringLiteral("12/21"), QStringLiteral("9:00"), QStringLiteral("bank")));
    window->selectEntry(0);
    window->lstSchedule_DblClick();
    auto *dialog = window->findChild<dlgSchedule *>(QStringLiteral("dlgSchedule"));
    dialog->findChild<QLineEdit *>(QStringLiteral("txtTime"))->setText(QStringLiteral("11:30"));
    dialog->cmdOK_Click();
    window->removeEntry(1);
    EXPECT_EQ(lines(), QStringList{QStringLiteral("26/12/20  11:30  dentist")});
    EXPECT_EQ(menu("mnuUndo")->text(), QString::fromUtf8("元に戻す(&U): 予定の削除"));
    menu("mnuUndo")->trigger();
    EXPECT_EQ(lines(), QStringList({"26/12/20  11:30  dentist", "26/12/21  09:00  bank"}));
    menu("mnuUndo")->trigger();
    EXPECT_EQ(lines(), QStringList({"26/12/20  10:00  dentist", "26/12/21  09:00  bank"}));
    menu("mnuUndo")->trigger();
    EXPECT_EQ(lines(), QStringList({"26/12/20  10:00  dentist"}));
    menu("mnuRedo")->trigger();
    EXPECT_EQ(table.ntschedule(), 2);

    // Changed outside the history: its step finds no such appointment and leaves it.
    (void)table.change(1, QStringLiteral("2026/12/21"), QStringLiteral("9:15"), QStringLiteral("bank"), QDate(2026, 12, 7));
    menu("mnuUndo")->trigger();
    EXPECT_EQ(lines(), QStringList({"26/12/20  10:00  dentist", "26/12/21  09:15  bank"}));
    ASSERT_EQ(prompter->messages.size(), 1);
    EXPECT_TRUE(prompter->messages.at(0).contains(QString::fromUtf8("予定の追加")));
}

// A to-do filed in the phone book is one step: its entry and its slot come back together.
TEST_F(Undo, aToDoFiledInThePhoneBookComesBackAndItsEntryGoes)
{
    const QString typed = QString::fromUtf8("tanaka 田中 03-1234-5678");
    commitSlot(7, typed);
    app->addPhoneDialog().findChild<QPushButton *>(QStringLiteral("cmdAdd"))->click();
    PhoneBook &book = app->session().phoneBook();
    ASSERT_TRUE(book.find(QStringLiteral("tanaka")));
    ASSERT_EQ(board().text(7), QString());
    EXPECT_EQ(menu("mnuUndo")->text(), QString::fromUtf8("元に戻す(&U): 電話帳への移動"));
    menu("mnuUndo")->trigger();
    EXPECT_FALSE(book.find(QStringLiteral("tanaka")));
    EXPECT_EQ(board().text(7), typed);
    menu("mnuRedo")->trigger();
    EXPECT_TRUE(book.find(QStringLiteral("tanaka")));
    EXPECT_EQ(board().text(7), QString());

    // The slot took another text since: neither half is undone.
    board().setText(7, QStringLiteral("other"));
    menu("mnuUndo")->trigger();
    EXPECT_TRUE(book.find(QStringLiteral("tanaka")));
    EXPECT_EQ(board().text(7), QStringLiteral("other"));
    EXPECT_FALSE(prompter->messages.isEmpty());
}

// The shelf window's changes are steps of the board's history: an item deleted, a to-do
// shelved or thrown away there.
TEST_F(Undo, theShelfWindowsChangesAreUndone)
{
    frmTrash &trash = app->trashWindow();
    trash.show();
    auto *list = trash.findChild<QListView *>(QStringLiteral("lstTrash"));
    list->setCurrentIndex(shelf().index(0));
    prompter->answers = {true};
    QTest::keyClick(list, Qt::Key_Delete);
    EXPECT_EQ(shelf().stringList(), QStringList());
    EXPECT_EQ(menu("mnuUndo")->text(), QString::fromUtf8("元に戻す(&U): たな上げ項目の削除"));
    trash.cmdTrashBox_DragDrop(dragdrop::TodoLabel, 1);
    trash.lstTrash_DragDrop(dragdrop::TodoLabel, 2);
    EXPECT_EQ(texts(), QStringList({"A", "", "", "D", "E"}));
    EXPECT_EQ(shelf().stringList(), QStringList({"C"}));
    for (int i = 0; i < 3; ++i)
        menu("mnuUndo")->trigger();
    EXPECT_EQ(texts(), QStringList({"A", "B", "C", "D", "E"}));
    EXPECT_EQ(shelf().stringList(), QStringList({"X"}));
}
