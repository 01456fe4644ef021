// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/slotwidgets.h"
#include "boardrig.h"
#include "common/typing.h"

#include <QApplication>
#include <QCheckBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QSignalSpy>
#include <QToolButton>

namespace {

class BoardWindow : public ::testing::Test, public BoardRig {
protected:
    TodoLabel *label(int i) { return w->findChild<TodoLabel *>(QStringLiteral("lblTodo_%1").arg(i)); }
    SlotEdit *edit(int i) { return w->findChild<SlotEdit *>(QStringLiteral("txtTodo_%1").arg(i)); }
    QCheckBox *check(int i) { return w->findChild<QCheckBox *>(QStringLiteral("chkTodo_%1").arg(i)); }
    void open(int i) { QTest::mouseDClick(label(i), Qt::LeftButton); }
    bool isOpen(int i) { return edit(i)->isVisible() && !label(i)->isVisible(); }
};

} // namespace

TEST_F(BoardWindow, showsCaptionsDateAndLayoutInPixelsOfTwips)
{
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Kibanu "));
    EXPECT_EQ(w->findChild<QLabel *>("lblDate")->text(), QStringLiteral("2026/12/07"));
    EXPECT_EQ(w->findChild<QToolButton *>("cmdTrash")->text(), QString::fromUtf8("たな上げ"));
    EXPECT_EQ(label(0)->geometry(), QRect(32, 10, 345, 18));
    EXPECT_EQ(label(13)->geometry(), QRect(32, 320, 345, 17));
    EXPECT_EQ(edit(1)->geometry(), QRect(32, 33, 345, 20));
    EXPECT_EQ(check(1)->geometry(), QRect(8, 32, 17, 17));
    EXPECT_EQ(w->findChild<QToolButton *>("cmdClose")->geometry(), QRect(424, 328, 73, 47));
    for (int i = 0; i < 14; ++i)
        EXPECT_FALSE(edit(i)->isVisible()) << i;
}

TEST_F(BoardWindow, doubleClickOpensTypingAndEnterCommits)
{
    open(2);
    ASSERT_TRUE(isOpen(2));
    EXPECT_TRUE(edit(2)->hasFocus());
    EXPECT_EQ(board.inputStatus(), 2);
    QTest::keyClicks(edit(2), QStringLiteral("buy milk"));
    QTest::keyClick(edit(2), Qt::Key_Return);
    EXPECT_FALSE(isOpen(2));
    EXPECT_EQ(label(2)->text(), QStringLiteral("buy milk"));
    EXPECT_EQ(board.text(2), QStringLiteral("buy milk"));
    EXPECT_EQ(board.inputStatus(), -1);
    EXPECT_FALSE(board.isEditChanged(2)); // the analysis ran once and cleared it

    open(5); // an empty slot: Enter leaves it empty
    EXPECT_EQ(edit(5)->text(), QString());
    QTest::keyClick(edit(5), Qt::Key_Enter);
    EXPECT_EQ(board.text(5), QString());
    EXPECT_FALSE(isOpen(5));
}

TEST_F(BoardWindow, tabCommitsAndWalksDownWrappingToTheFirstSlot)
{
    board.setText(0, QStringLiteral("first"));
    open(12);
    QTest::keyClicks(edit(12), QStringLiteral("x"));
    QTest::keyClick(edit(12), Qt::Key_Tab);
    EXPECT_EQ(board.text(12), QStringLiteral("x"));
    ASSERT_TRUE(isOpen(13));
    QTest::keyClick(edit(13), Qt::Key_Tab);
    EXPECT_FALSE(isOpen(13));
    ASSERT_TRUE(isOpen(0));
    EXPECT_TRUE(edit(0)->hasFocus());
    EXPECT_EQ(edit(0)->text(), QStringLiteral("first"));
    EXPECT_EQ(board.inputStatus(), 0);
}

TEST_F(BoardWindow, focusToAnotherControlClosesButPopupsAndOtherProgramsDoNot)
{
    open(1);
    QTest::keyClicks(edit(1), QStringLiteral("abc"));
    QFocusEvent popup(QEvent::FocusOut, Qt::PopupFocusReason);
    QApplication::sendEvent(edit(1), &popup);
    QFocusEvent menuBar(QEvent::FocusOut, Qt::MenuBarFocusReason);
    QApplication::sendEvent(edit(1), &menuBar);
    // Another program becomes active: the program has no active window any more.
    QApplication::setActiveWindow(nullptr);
    EXPECT_TRUE(isOpen(1));
    QApplication::setActiveWindow(w.get()); // and back
    EXPECT_TRUE(edit(1)->hasFocus());

    open(4); // double click on another slot while one is open
    EXPECT_FALSE(isOpen(1));
    EXPECT_EQ(board.text(1), QStringLiteral("abc"));
    ASSERT_TRUE(isOpen(4));
    EXPECT_EQ(board.inputStatus(), 4);

    check(7)->setFocus(Qt::MouseFocusReason);
    EXPECT_FALSE(isOpen(4));
    EXPECT_EQ(board.inputStatus(), -1);
}

TEST_F(BoardWindow, activatingAnotherWindowOfTheProgramClosesTheSlot)
{
    open(2);
    QTest::keyClicks(edit(2), QStringLiteral("call back"));
    w->findChild<QToolButton *>("cmdTrash")->click(); // the click itself keeps the focus
    ASSERT_TRUE(isOpen(2));
    QWidget shelfWindow; // the window that button opens
    shelfWindow.show();
    shelfWindow.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&shelfWindow));
    EXPECT_FALSE(isOpen(2));
    EXPECT_EQ(board.text(2), QStringLiteral("call back"));
}

TEST_F(BoardWindow, shiftTabClosesTheSlotWithoutOpeningTheNext)
{
    open(5);
    QTest::keyClicks(edit(5), QStringLiteral("back"));
    QTest::keyClick(edit(5), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_FALSE(isOpen(5));
    EXPECT_FALSE(isOpen(6));
    EXPECT_EQ(board.text(5), QStringLiteral("back"));
    EXPECT_EQ(board.inputStatus(), -1);
}

TEST_F(BoardWindow, enterThatConfirmsAConversionStaysWithTheInputMethod)
{
    open(3);
    QInputMethodEvent composing(QString::fromUtf8("かいぎ"), {});
    QApplication::sendEvent(edit(3), &composing);
    QTest::keyClick(edit(3), Qt::Key_Return);
    EXPECT_TRUE(isOpen(3));
    QInputMethodEvent commit;
    commit.setCommitString(QString::fromUtf8("会議"));
    QApplication::sendEvent(edit(3), &commit);
    QTest::keyClick(edit(3), Qt::Key_Return);
    EXPECT_FALSE(isOpen(3));
    EXPECT_EQ(board.text(3), QString::fromUtf8("会議"));
}

// The close box asks the application and never closes by itself: after a failed save the
// board stays. 閉じる asks for the quit.
TEST_F(BoardWindow, theCloseBoxAsksAndTheBoardStays)
{
    QSignalSpy closeBox(w.get(), &frmTodo::closeBoxClicked);
    QSignalSpy quit(w.get(), &frmTodo::quitRequested);
    w->close();
    EXPECT_EQ(closeBox.count(), 1);
    EXPECT_EQ(quit.count(), 0);
    EXPECT_TRUE(w->isVisible());
    w->findChild<QToolButton *>("cmdClose")->click();
    EXPECT_EQ(quit.count(), 1);
    EXPECT_EQ(closeBox.count(), 1);
}

TEST_F(BoardWindow, everySlotTakesOnlyWhatTodoTxtCanHoldAndNeverCutsALongText)
{
    for (int i = 0; i < 14; ++i) {
        open(i);
        typeText(edit(i), QString::fromUtf8("a,b😀〜"));
        EXPECT_EQ(edit(i)->text(), QString::fromUtf8("a,b～")) << i; // commas may stay here
        QTest::keyClick(edit(i), Qt::Key_Return);
    }
    const QString longText(40000, QChar(u'長'));
    board.setText(3, longText);
    open(3);
    QTest::keyClick(edit(3), Qt::Key_End);
    typeText(edit(3), QStringLiteral("!"));
    QTest::keyClick(edit(3), Qt::Key_Return);
    EXPECT_EQ(board.text(3), longText + QLatin1Char('!'));
}
