// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/slotwidgets.h"
#include "boardrig.h"
#include "common/dragging.h"
#include "lists/frmtrash.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolButton>

namespace {

class BoardMoves : public ::testing::Test, public BoardRig {
protected:
    void SetUp() override
    {
        for (int k = 0; k < 5; ++k)
            board.setText(k, QString(QChar(u'A' + k)));
    }
    TodoLabel *label(int i) { return w->findChild<TodoLabel *>(QStringLiteral("lblTodo_%1").arg(i)); }
    QString hint() { return w->findChild<QLabel *>("lblHint")->text(); }
    QStringList texts()
    {
        QStringList t;
        for (int k = 0; k < 5; ++k)
            t << board.text(k);
        return t;
    }
    bool drag(QWidget *source, QWidget *target)
    {
        hintDuringDrag = QStringLiteral("(no drag)");
        return rightDrag(source, target, [this] { hintDuringDrag = hint(); });
    }

    QString hintDuringDrag;
};

} // namespace

TEST_F(BoardMoves, rightDragOntoASlotInsertsAndShowsTheHintMeanwhile)
{
    board.setDone(1, true);
    board.setEditText(9, QStringLiteral("left over"));
    EXPECT_TRUE(drag(label(4), label(1)));
    EXPECT_EQ(hintDuringDrag, QString::fromUtf8("順番を入れ替えます"));
    EXPECT_EQ(texts(), QStringList({"A", "E", "B", "C", "D"}));
    EXPECT_TRUE(board.isDone(1));
    EXPECT_EQ(board.editText(9), QString());
    EXPECT_EQ(hint(), QString());

    w->findChild<QAction *>("mnuOverwrite")->trigger();
    drag(label(0), label(2));
    EXPECT_EQ(hintDuringDrag, QString::fromUtf8("場所を移動します"));
    EXPECT_EQ(texts(), QStringList({"", "E", "A", "C", "D"}));
    EXPECT_EQ(shelf.stringList(), QStringList({"B"}));
}

TEST_F(BoardMoves, onlyARightPressOnAClosedTextDrags)
{
    EXPECT_FALSE(drag(label(3), label(3))); // its own slot does not take it
    EXPECT_EQ(texts(), QStringList({"A", "B", "C", "D", "E"}));

    // Any press marks the slot a drop takes its text from, though no drag starts there.
    QTest::mousePress(label(7), Qt::LeftButton);
    w->lblTodo_DragDrop(1, QStringLiteral("TodoLabel"), 7);
    EXPECT_EQ(texts(), QStringList({"A", "", "B", "C", "D"})); // slot 7's empty text
    QTest::mousePress(label(9), Qt::RightButton); // empty: no drag
    w->lblTodo_DragDrop(0, QStringLiteral("TodoLabel"), 9);
    EXPECT_EQ(texts(), QStringList({"", "A", "", "B", "C"}));
    EXPECT_FALSE(w->startsDrag(7, Qt::RightButton)); // empty
    EXPECT_FALSE(w->startsDrag(1, Qt::LeftButton));
    EXPECT_TRUE(w->startsDrag(1, Qt::RightButton));
    QTest::mouseDClick(label(0), Qt::LeftButton);
    EXPECT_FALSE(w->startsDrag(1, Qt::RightButton)); // a slot is open
}

TEST_F(BoardMoves, dropsOnTheDoneAndShelfButtons)
{
    board.setDone(2, true);
    board.setDone(3, true);
    drag(label(2), w->findChild<QToolButton *>("cmdDone"));
    EXPECT_EQ(hintDuringDrag, QString::fromUtf8("終わった用件をやったことに移動します"));
    EXPECT_EQ(readBytes(path("done.txt")), QByteArray("2026/12/07C\r\n"));
    EXPECT_EQ(board.text(2), QString());
    EXPECT_FALSE(board.isDone(2));

    drag(label(3), w->findChild<QToolButton *>("cmdTrash"));
    EXPECT_EQ(hintDuringDrag, QString::fromUtf8("用件を棚上げします"));
    EXPECT_EQ(shelf.stringList(), QStringList({"D"}));
    EXPECT_TRUE(board.isDone(3));
    EXPECT_EQ(hint(), QString());
}

TEST_F(BoardMoves, shelfItemComesBackOnlyWhenOneIsSelected)
{
    shelf.append(QStringLiteral("X"));
    shelf.append(QStringLiteral("Y"));
    frmTrash trash(shelf, files, prompter);
    trash.show();
    auto *list = trash.findChild<QListView *>("lstTrash");
    list->clearSelection();
    list->setCurrentIndex({});
    drag(list->viewport(), label(1));
    EXPECT_EQ(hintDuringDrag, QString::fromUtf8("項目を復活します"));
    EXPECT_EQ(prompter.messages.value(0),
              QString::fromUtf8("棚上げ用件を復活するには、まず左ボタンで用件を選択して下さい"));
    EXPECT_EQ(board.text(1), QStringLiteral("B"));

    list->setCurrentIndex(shelf.index(1));
    drag(list->viewport(), label(1));
    EXPECT_EQ(board.text(1), QStringLiteral("Y"));
    EXPECT_EQ(shelf.stringList(), QStringList({"X", "B"}));
}

// A committed to-do is offered to the schedule or the phone book; it leaves its slot only
// once stored there (the application's part).
TEST_F(BoardMoves, aCommittedTextIsOfferedToTheScheduleOrThePhoneBook)
{
    QSignalSpy schedule(w.get(), &frmTodo::scheduleEntryOffered);
    QSignalSpy phone(w.get(), &frmTodo::phoneEntryOffered);
    const auto commit = [&](int slot, const QString &text) {
        QTest::mouseDClick(label(slot), Qt::LeftButton);
        auto *box = w->findChild<SlotEdit *>(QStringLiteral("txtTodo_%1").arg(slot));
        box->setText(text);
        QTest::keyClick(box, Qt::Key_Return);
    };
    const QString typed = QString::fromUtf8("１２/２４ 10:00 歯医者");
    prompter.answers = {false};
    commit(6, typed);
    EXPECT_EQ(prompter.messages.value(0), typed + QString::fromUtf8("\nを予定表に移動してよいですか？"));
    EXPECT_EQ(schedule.count(), 0);
    EXPECT_FALSE(board.isEditChanged(6));

    prompter.answers = {true};
    commit(6, typed + QStringLiteral(" "));
    ASSERT_EQ(schedule.count(), 1);
    EXPECT_EQ(schedule.at(0).at(0).toInt(), 6);
    EXPECT_EQ(schedule.at(0).at(1).toString(), typed + QStringLiteral(" "));
    EXPECT_EQ(schedule.at(0).at(2).toString(), QStringLiteral("12/24")); // narrowed
    EXPECT_EQ(schedule.at(0).at(3).toString(), QStringLiteral("10:00"));
    EXPECT_EQ(schedule.at(0).at(4).toString(), QString::fromUtf8("歯医者"));
    EXPECT_EQ(board.text(6), typed + QStringLiteral(" ")); // until the schedule took it

    prompter.answers = {true};
    commit(7, QStringLiteral("12/25 party"));
    ASSERT_EQ(schedule.count(), 2);
    EXPECT_EQ(schedule.at(1).at(3).toString(), QString());
    EXPECT_EQ(schedule.at(1).at(4).toString(), QStringLiteral("party "));

    commit(3, QString::fromUtf8("tanaka 田中 03-1234-5678 営業"));
    ASSERT_EQ(phone.count(), 1);
    EXPECT_EQ(phone.at(0).at(0).toInt(), 3);
    EXPECT_EQ(phone.at(0).at(2).toString(), QStringLiteral("tanaka"));
    EXPECT_EQ(phone.at(0).at(3).toString(), QString::fromUtf8("田中"));
    EXPECT_EQ(phone.at(0).at(4).toStringList(), QStringList({"03-1234-5678"}));
    EXPECT_EQ(phone.at(0).at(5).toString(), QString::fromUtf8("営業"));

    commit(4, QString::fromUtf8("牛乳 2本")); // no number on its own: nothing is offered
    EXPECT_EQ(phone.count(), 1);
    EXPECT_EQ(board.text(4), QString::fromUtf8("牛乳 2本"));
}
