// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// How the windows reach each other through the application: what one window offers,
// another stores, and the first lets go once it is stored.
#include "board/slotwidgets.h"
#include "common/apphelper.h"
#include "common/dragging.h"
#include "common/testfiles.h"
#include "lists/frmtrash.h"
#include "phonebook/frmaddphone.h"
#include "phonebook/frmtel.h"
#include "schedule/dlgschedule.h"
#include "schedule/frmschedule.h"

#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QToolButton>

namespace {

class Commit : public AppTest {
protected:
    void SetUp() override { w = startBoard(); }
    void commit(int slot, const QString &text) { commitSlot(slot, text); }
    frmTodo *w = nullptr;
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
    EXPECT_EQ(schedule().at(0).eventdate, QStringLiteral("2026/12/24"));
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

// The shelf window's drops reach the board: a to-do dropped on the list is shelved, one
// dropped on the trash box is discarded; either way its slot empties and keeps its tick.
TEST_F(Commit, theShelfWindowsDropsEmptyTheBoardsSlot)
{
    board().setText(0, QStringLiteral("later"));
    board().setText(1, QStringLiteral("never"));
    board().setDone(1, true);
    frmTrash &trash = app->trashWindow();
    trash.show();
    rightDrag(w->findChild<QWidget *>("lblTodo_0"),
              trash.findChild<QListView *>("lstTrash")->viewport(), [] {});
    EXPECT_EQ(shelf().stringList(), QStringList({"later"}));
    EXPECT_EQ(board().text(0), QString());
    rightDrag(w->findChild<QWidget *>("lblTodo_1"), trash.findChild<QToolButton *>("cmdTrashBox"),
              [] {});
    EXPECT_EQ(board().text(1), QString());
    EXPECT_TRUE(board().isDone(1));
    EXPECT_EQ(shelf().stringList(), QStringList({"later"}));
}

// On 28 December, 1/5 is the coming January: typed on the board or in the dialog, it is
// stored with its year and stays in the schedule at the quit.
TEST_F(AppTest, anAppointmentTypedForEarlyNextYearIsStoredWithItsYear)
{
    clock->set(QDateTime(QDate(2026, 12, 28), QTime(9, 0)));
    startBoard();
    prompter->answers = {true};
    commitSlot(0, QString::fromUtf8("1/5 10:00 新年会"));
    ASSERT_EQ(schedule().ntschedule(), 1);
    EXPECT_EQ(schedule().at(0).eventdate, QStringLiteral("2027/1/5"));
    EXPECT_EQ(schedule().list().items().at(0), QString::fromUtf8("27/01/05  10:00  新年会"));

    app->scheduleWindow().show();
    app->scheduleWindow().findChild<QPushButton *>("cmdNew")->click();
    auto *dialog = app->scheduleWindow().findChild<dlgSchedule *>("dlgSchedule");
    dialog->findChild<QLineEdit *>("txtDate")->setText(QStringLiteral("2/1"));
    dialog->findChild<QLineEdit *>("txtEvent")->setText(QStringLiteral("b"));
    dialog->findChild<QPushButton *>("cmdOK")->click();
    ASSERT_EQ(schedule().ntschedule(), 2);
    EXPECT_EQ(schedule().at(1).eventdate, QStringLiteral("2027/2/1"));

    // A date changed in the dialog follows the rule; one left as stored keeps its year.
    auto *list = app->scheduleWindow().findChild<QListView *>("lstSchedule");
    list->setCurrentIndex(list->model()->index(1, 0));
    app->scheduleWindow().lstSchedule_DblClick();
    dialog->findChild<QLineEdit *>("txtDate")->setText(QStringLiteral("2/2"));
    dialog->findChild<QPushButton *>("cmdOK")->click();
    EXPECT_EQ(schedule().at(1).eventdate, QStringLiteral("2027/2/2"));
    ASSERT_TRUE(schedule().add("3/1", "9:00", "old", QDate(2026, 12, 28)));
    list->setCurrentIndex(list->model()->index(0, 0));
    ASSERT_EQ(schedule().at(0).eventinfo, QStringLiteral("old"));
    app->scheduleWindow().lstSchedule_DblClick();
    dialog->findChild<QLineEdit *>("txtTime")->setText(QStringLiteral("10:00"));
    dialog->findChild<QPushButton *>("cmdOK")->click();
    EXPECT_EQ(schedule().at(0).eventdate, QStringLiteral("3/1"));
    EXPECT_EQ(schedule().at(0).eventtime, QStringLiteral("10:00"));
    schedule().removeAt(0);

    ASSERT_TRUE(quit());
    EXPECT_EQ(readBytes(path("schedule.txt")),
              sjis(QString::fromUtf8("新年会,2027/1/5,10:00,,,\r\nb,2027/2/2,09:00,,,\r\n")));
    EXPECT_FALSE(QFile::exists(path("done.txt")));
}

TEST_F(AppTest, theBoardsButtonOpensTheScheduleWithTodaysCalendarPage)
{
    frmTodo *w = startBoard();
    w->findChild<QToolButton *>("cmdSchedule")->click();
    frmSchedule &schedule = app->scheduleWindow();
    EXPECT_TRUE(schedule.isVisible());
    EXPECT_FALSE(schedule.windowIcon().isNull());
    EXPECT_EQ(schedule.windowIcon().cacheKey(),
              w->findChild<QToolButton *>("cmdSchedule")->icon().cacheKey());
}

// A to-do handed to the add dialog leaves its slot once the pair is added, but only
// while the slot still holds it: the board may have been used meanwhile.
TEST_F(Commit, theAddedPairsToDoLeavesItsSlotUnlessTheSlotChangedMeanwhile)
{
    commit(5, QStringLiteral("kato 03-5555"));
    frmADDphone &dialog = app->addPhoneDialog();
    ASSERT_TRUE(dialog.isVisible());
    board().setText(5, QString::fromUtf8("別の用件"));
    dialog.findChild<QPushButton *>("cmdAdd")->click();
    EXPECT_TRUE(phoneBook().find("kato").has_value());
    EXPECT_EQ(board().text(5), QString::fromUtf8("別の用件"));
}
