// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/slotwidgets.h"
#include "board/todoboard.h"
#include "common/apphelper.h"
#include "common/dragging.h"
#include "common/testfiles.h"
#include "lists/frmtrash.h"
#include "lists/shelflist.h"
#include "phonebook/frmaddphone.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QToolButton>

namespace {

class BoardMoves : public AppTest {
protected:
    void SetUp() override
    {
        w = startBoard();
        for (int k = 0; k < 5; ++k)
            board().setText(k, QString(QChar(u'A' + k)));
    }
    TodoLabel *label(int i) { return w->findChild<TodoLabel *>(QStringLiteral("lblTodo_%1").arg(i)); }
    QString hint() { return w->findChild<QLabel *>("lblHint")->text(); }
    QStringList texts()
    {
        QStringList t;
        for (int k = 0; k < 5; ++k)
            t << board().text(k);
        return t;
    }
    bool drag(QWidget *source, QWidget *target)
    {
        hintDuringDrag = QStringLiteral("(no drag)");
        return rightDrag(source, target, [this] { hintDuringDrag = hint(); });
    }

    frmTodo *w = nullptr;
    QString hintDuringDrag;
};

} // namespace

TEST_F(BoardMoves, rightDragOntoASlotInsertsAndShowsTheHintMeanwhile)
{
    board().setDone(1, true);
    board().setEditText(9, QStringLiteral("left over"));
    EXPECT_TRUE(drag(label(4), label(1)));
    EXPECT_EQ(hintDuringDrag, QString::fromUtf8("順番を入れ替えます"));
    EXPECT_EQ(texts(), QStringList({"A", "E", "B", "C", "D"}));
    EXPECT_TRUE(board().isDone(1));
    EXPECT_EQ(board().editText(9), QString());
    EXPECT_EQ(hint(), QString());

    w->findChild<QAction *>("mnuOverwrite")->trigger();
    drag(label(0), label(2));
    EXPECT_EQ(hintDuringDrag, QString::fromUtf8("場所を移動します"));
    EXPECT_EQ(texts(), QStringList({"", "E", "A", "C", "D"}));
    EXPECT_EQ(shelf().stringList(), QStringList({"B"}));
}

TEST_F(BoardMoves, onlyARightPressOnAClosedTextDrags)
{
    EXPECT_FALSE(drag(label(3), label(3))); // its own slot does not take it
    EXPECT_EQ(texts(), QStringList({"A", "B", "C", "D", "E"}));
    EXPECT_EQ(w->dragIndex, 3);

    QTest::mousePress(label(7), Qt::LeftButton);
    EXPECT_EQ(w->dragIndex, 7);
    EXPECT_FALSE(w->startsDrag(7, Qt::RightButton)); // empty
    EXPECT_FALSE(w->startsDrag(2, Qt::LeftButton));
    EXPECT_TRUE(w->startsDrag(2, Qt::RightButton));
    QTest::mouseDClick(label(0), Qt::LeftButton);
    EXPECT_FALSE(w->startsDrag(2, Qt::RightButton)); // a slot is open
}

TEST_F(BoardMoves, dropsOnTheDoneAndShelfButtons)
{
    board().setDone(2, true);
    board().setDone(3, true);
    drag(label(2), w->findChild<QToolButton *>("cmdDone"));
    EXPECT_EQ(hintDuringDrag, QString::fromUtf8("終わった用件をやったことに移動します"));
    EXPECT_EQ(readBytes(path("done.txt")), QByteArray("2026/12/07C\r\n"));
    EXPECT_EQ(board().text(2), QString());
    EXPECT_FALSE(board().isDone(2));

    drag(label(3), w->findChild<QToolButton *>("cmdTrash"));
    EXPECT_EQ(hintDuringDrag, QString::fromUtf8("用件を棚上げします"));
    EXPECT_EQ(shelf().stringList(), QStringList({"D"}));
    EXPECT_TRUE(board().isDone(3));
    EXPECT_EQ(hint(), QString());
}

TEST_F(BoardMoves, shelfItemComesBackOnlyWhenOneIsSelected)
{
    shelf().append(QStringLiteral("X"));
    shelf().append(QStringLiteral("Y"));
    frmTrash &trash = app->trashWindow();
    trash.show();
    auto *list = trash.findChild<QListView *>("lstTrash");
    list->clearSelection();
    list->setCurrentIndex({});
    drag(list->viewport(), label(1));
    EXPECT_EQ(hintDuringDrag, QString::fromUtf8("項目を復活します"));
    EXPECT_EQ(prompter->messages.value(0),
              QString::fromUtf8("棚上げ用件を復活するには、まず左ボタンで用件を選択して下さい"));
    EXPECT_EQ(board().text(1), QStringLiteral("B"));

    list->setCurrentIndex(shelf().index(1));
    drag(list->viewport(), label(1));
    EXPECT_EQ(board().text(1), QStringLiteral("Y"));
    EXPECT_EQ(shelf().stringList(), QStringList({"X", "B"}));
}

namespace {

class Commit : public BoardMoves {
protected:
    void commit(int slot, const QString &text)
    {
        QTest::mouseDClick(label(slot), Qt::LeftButton);
        auto *box = w->findChild<SlotEdit *>(QStringLiteral("txtTodo_%1").arg(slot));
        box->setText(text);
        QTest::keyClick(box, Qt::Key_Return);
    }
};

} // namespace

TEST_F(Commit, aDatedTextMovesToTheScheduleOnlyWhenTheUserAgrees)
{
    const QString typed = QString::fromUtf8("１２/２４ 10:00 歯医者");
    prompter->answers = {false};
    commit(6, typed);
    EXPECT_EQ(prompter->messages.value(0), typed + QString::fromUtf8("\nを予定表に移動してよいですか？"));
    EXPECT_EQ(board().text(6), typed);
    EXPECT_EQ(schedule().ntschedule(), 0);
    EXPECT_FALSE(board().isEditChanged(6));

    prompter->answers = {true};
    commit(6, typed + QStringLiteral(" "));
    ASSERT_EQ(schedule().ntschedule(), 1);
    EXPECT_EQ(schedule().at(0).eventdate, QStringLiteral("12/24"));
    EXPECT_EQ(schedule().at(0).eventtime, QStringLiteral("10:00"));
    EXPECT_EQ(schedule().at(0).eventinfo, QString::fromUtf8("歯医者"));
    EXPECT_EQ(board().text(6), QString());

    prompter->answers = {true};
    commit(7, QStringLiteral("12/25 party"));
    ASSERT_EQ(schedule().ntschedule(), 2);
    EXPECT_EQ(schedule().at(1).eventtime, QString());
    EXPECT_EQ(schedule().at(1).eventinfo, QStringLiteral("party "));
}

// A full schedule refuses the entry and says so; the to-do must not vanish with it.
TEST_F(Commit, aTextTheFullScheduleRefusesStaysOnTheBoard)
{
    QByteArray lines;
    for (int i = 0; i < ScheduleTable::Capacity; ++i)
        lines += "2027/1/1,10:00,x\r\n";
    writeBytes(path("schedule.txt"), lines);
    ASSERT_EQ(schedule().loadSchedule(path("schedule.txt"), clock->today()).status,
              TextFileRead::Ok);
    prompter->answers = {true};
    commit(2, QStringLiteral("12/24 party"));
    EXPECT_EQ(prompter->messages.size(), 2); // the question, then the refusal
    EXPECT_EQ(board().text(2), QStringLiteral("12/24 party"));
}

TEST_F(Commit, numbersOpenTheAddDialogAndTheSlotEmptiesOnceAdded)
{
    commit(3, QString::fromUtf8("tanaka 田中 03-1234-5678 営業"));
    frmADDphone &dialog = app->addPhoneDialog();
    ASSERT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.findChild<QLineEdit *>("txtIndex")->text(), QStringLiteral("tanaka"));
    EXPECT_EQ(dialog.findChild<QLineEdit *>("txtName")->text(), QString::fromUtf8("田中"));
    EXPECT_EQ(dialog.findChild<QLineEdit *>("txtTel")->text(), QStringLiteral("03-1234-5678"));
    EXPECT_EQ(dialog.findChild<QLineEdit *>("txtKeyword")->text(), QString::fromUtf8("営業"));
    EXPECT_EQ(board().text(3), QString::fromUtf8("tanaka 田中 03-1234-5678 営業"));
    dialog.findChild<QPushButton *>("cmdAdd")->click();
    EXPECT_TRUE(phoneBook().find(QStringLiteral("tanaka")).has_value());
    EXPECT_EQ(board().text(3), QString());

    commit(4, QString::fromUtf8("牛乳 2本")); // no number on its own: nothing opens
    EXPECT_EQ(board().text(4), QString::fromUtf8("牛乳 2本"));
    EXPECT_TRUE(prompter->messages.isEmpty());
}
