// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/typing.h"
#include "common/windowrig.h"
#include "schedule/dlgschedule.h"
#include "schedule/frmschedule.h"
#include "schedule/repeattable.h"
#include "schedule/scheduletable.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QToolButton>
#include <QUndoStack>

namespace {

// The schedule as the start loads it, and its window.
class ScheduleWindow : public ::testing::Test, public WindowRig {
protected:
    void SetUp() override
    {
        writeBytes(path("schedule.txt"), "a,2026/12/8,9:00\r\nb,2026/12/8,11:00\r\nc,2026/12/9,\r\n");
        load();
        w = std::make_unique<frmSchedule>(schedule, series, files, clock, prompter);
        w->show();
        list = w->findChild<QListView *>("lstSchedule");
    }
    void load()
    {
        files.noteRead(DataFile::Schedule,
                       schedule.loadSchedule(path("schedule.txt"), clock.today()));
    }
    dlgSchedule *dialog() { return w->findChild<dlgSchedule *>("dlgSchedule"); }
    QLineEdit *box(const char *name) { return dialog()->findChild<QLineEdit *>(name); }
    void select(int row) { list->setCurrentIndex(list->model()->index(row, 0)); }
    QStringList lines() { return schedule.list().items(); }

    ScheduleTable schedule;
    RepeatTable series;
    std::unique_ptr<frmSchedule> w;
    QListView *list = nullptr;
};

} // namespace

TEST_F(ScheduleWindow, showsTheSortedList)
{
    EXPECT_EQ(w->windowTitle(), QString::fromUtf8("予定表"));
    EXPECT_EQ(list->model()->rowCount(), 3);
    EXPECT_EQ(list->model()->index(2, 0).data().toString(), QStringLiteral("26/12/09         c"));
}

TEST_F(ScheduleWindow, newEntryIsCheckedThenAdded)
{
    w->findChild<QPushButton *>("cmdNew")->click();
    ASSERT_TRUE(dialog()->isVisible());
    EXPECT_EQ(box("txtDate")->text(), QStringLiteral("2026/12/07"));
    EXPECT_EQ(box("txtTime")->text(), QStringLiteral("09:00"));
    box("txtDate")->setText(QStringLiteral("2/30"));
    box("txtTime")->setText(QStringLiteral("9:5"));
    QTest::keyClicks(box("txtEvent"), QStringLiteral("lunch"));
    dialog()->findChild<QPushButton *>("cmdOK")->click();
    EXPECT_EQ(prompter.messages, QStringList({QString::fromUtf8("有効な日付を入力して下さい")}));
    EXPECT_TRUE(dialog()->isVisible());
    EXPECT_EQ(box("txtDate")->selectedText(), QStringLiteral("2/30"));

    box("txtDate")->setText(QStringLiteral("12/8"));
    dialog()->findChild<QPushButton *>("cmdOK")->click();
    EXPECT_EQ(prompter.messages.last(), QString::fromUtf8("有効な時間を入力して下さい"));
    EXPECT_TRUE(dialog()->isVisible());

    box("txtTime")->setText(QStringLiteral("10:00"));
    // Once the event text was typed, Enter stores like OK.
    QTest::keyClick(box("txtTime"), Qt::Key_Return);
    EXPECT_FALSE(dialog()->isVisible());
    EXPECT_EQ(lines().at(1), QStringLiteral("26/12/08  10:00  lunch"));
    EXPECT_EQ(schedule.at(1).eventdate, QStringLiteral("2026/12/8")); // with the year it meant
}

TEST_F(ScheduleWindow, changingATimeMovesTheEntryWithinItsDay)
{
    select(0); // a at 9:00
    w->lstSchedule_DblClick();
    ASSERT_TRUE(dialog()->isVisible());
    EXPECT_EQ(box("txtTime")->text(), QStringLiteral("9:00"));
    box("txtTime")->setText(QStringLiteral("12:00"));
    dialog()->findChild<QPushButton *>("cmdOK")->click();
    EXPECT_EQ(lines(), QStringList({QStringLiteral("26/12/08  11:00  b"),
                                    QStringLiteral("26/12/08  12:00  a"),
                                    QStringLiteral("26/12/09         c")}));
    EXPECT_EQ(schedule.at(1).eventinfo, QStringLiteral("a"));
}

TEST_F(ScheduleWindow, escapeCancelsAndDoubleClickWithoutSelectionOpensNothing)
{
    w->lstSchedule_DblClick();
    EXPECT_EQ(dialog(), nullptr);
    w->cmdNew_Click();
    QTest::keyClick(box("txtEvent"), Qt::Key_Escape);
    EXPECT_FALSE(dialog()->isVisible());
    EXPECT_EQ(schedule.ntschedule(), 3);
}

TEST_F(ScheduleWindow, deleteKeyAsksFirst)
{
    select(1);
    prompter.answers = {false};
    QTest::keyClick(list, Qt::Key_Delete);
    EXPECT_EQ(prompter.messages.last(), QString::fromUtf8("bを削除します。よろしいですか？"));
    EXPECT_EQ(schedule.ntschedule(), 3);
    prompter.answers = {true};
    QTest::keyClick(list, Qt::Key_Delete);
    EXPECT_EQ(schedule.ntschedule(), 2);
    EXPECT_EQ(schedule.at(1).eventinfo, QStringLiteral("c"));
}

TEST_F(ScheduleWindow, trashBoxTakesTheSelectedEntryOnly)
{
    auto *hint = w->findChild<QLabel *>("lblHint");
    w->cmdTrashBox_DragEnter(QStringLiteral("ScheduleBox"));
    EXPECT_EQ(hint->text(), QString::fromUtf8("予定を捨てます"));
    w->cmdTrashBox_DragDrop(QStringLiteral("ScheduleBox"));
    EXPECT_EQ(prompter.messages,
              QStringList({QString::fromUtf8("予定を削除するには、まず左ボタンで削除予定を選択して下さい")}));
    EXPECT_EQ(schedule.ntschedule(), 3);
    EXPECT_TRUE(hint->text().isEmpty());

    select(2);
    w->cmdTrashBox_DragDrop(QStringLiteral("TodoLabel")); // another window's control
    EXPECT_EQ(schedule.ntschedule(), 3);
    w->cmdTrashBox_DragDrop(QStringLiteral("ScheduleBox"));
    EXPECT_EQ(schedule.ntschedule(), 2);
    EXPECT_EQ(prompter.messages.size(), 1);
    EXPECT_EQ(w->selectedIndex(), -1); // a second drop asks for a selection again
}

TEST_F(ScheduleWindow, closeBoxWritesTheFileAndReopeningShowsTheSameList)
{
    select(0);
    prompter.answers = {true};
    QTest::keyClick(list, Qt::Key_Delete);
    w->close();
    EXPECT_EQ(readBytes(path("schedule.txt")), QByteArray("b,2026/12/8,11:00,,,\r\nc,2026/12/9,,,,\r\n"));
    w->show();
    EXPECT_EQ(list->model()->rowCount(), 2);
    EXPECT_EQ(lines().at(0), QStringLiteral("26/12/08  11:00  b"));
}

TEST_F(ScheduleWindow, scheduleThatCouldNotBeReadIsNeverWrittenByTheCloseBox)
{
    const QByteArray damaged("a,2026/12/8,9:00\r\n\x81");
    writeBytes(path("schedule.txt"), damaged);
    load();
    w->close();
    EXPECT_EQ(readBytes(path("schedule.txt")), damaged);
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(ScheduleWindow, fullScheduleRefusesAndSaysSo)
{
    QByteArray content;
    for (int i = 3; i < 1001; ++i)
        content += "e,2027/1/1,\r\n";
    writeBytes(path("schedule.txt"), content);
    load();
    ASSERT_EQ(schedule.ntschedule(), 1001);
    EXPECT_FALSE(w->additemdate("1/9", "more"));
    EXPECT_EQ(prompter.messages.size(), 1);
    EXPECT_EQ(schedule.ntschedule(), 1001);
}

TEST_F(ScheduleWindow, enterStoresNothingBeforeTheEventTextIsTyped)
{
    w->cmdNew_Click();
    ASSERT_TRUE(dialog()->isVisible());
    QTest::keyClick(box("txtDate"), Qt::Key_Return);
    QTest::keyClick(box("txtTime"), Qt::Key_Enter);
    EXPECT_TRUE(dialog()->isVisible());
    EXPECT_EQ(schedule.ntschedule(), 3);
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(ScheduleWindow, dateLineIsTodayWheneverTheWindowIsShown)
{
    auto *date = w->findChild<QLabel *>("lblDate");
    EXPECT_EQ(date->text(), QStringLiteral("2026/12/07"));
    w->cmdClose_Click();
    clock.set(QDateTime(QDate(2026, 12, 8), QTime(0, 1)));
    w->show();
    EXPECT_EQ(date->text(), QStringLiteral("2026/12/08"));
}

TEST_F(ScheduleWindow, doubleClickAnywhereOnTheListOpensTheSelectedEntry)
{
    select(1);
    const QPoint belowTheItems(10, list->viewport()->height() - 5);
    ASSERT_FALSE(list->indexAt(belowTheItems).isValid());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, belowTheItems);
    ASSERT_NE(dialog(), nullptr);
    EXPECT_TRUE(dialog()->isVisible());
    EXPECT_EQ(box("txtEvent")->text(), QStringLiteral("b"));
    EXPECT_EQ(dialog()->mode, dlgSchedule::ChangeEntry);
}

TEST_F(ScheduleWindow, storedBoxesOfTheDialogTakeOnlyWhatTheFileCanHold)
{
    w->cmdNew_Click();
    for (const char *name : {"txtDate", "txtTime", "txtEvent"}) {
        QLineEdit *b = box(name);
        b->clear();
        typeText(b, QString::fromUtf8("a,b😀"));
        EXPECT_EQ(b->text(), QString::fromUtf8("a、b")) << name;
    }
}

// A day of an event over several days in the sync folder: a change or a deletion asks
// whether it is for every day; はい does it to each, いいえ to that day alone. An entry of
// an item that is no such event, and one of none, are not asked about.
TEST_F(ScheduleWindow, aDayOfAnEventOverSeveralDaysAsksWhetherTheOtherDaysChangeToo)
{
    struct Case {
        bool remove;
        bool whole;
        QStringList after;
    } const cases[] = {
        {false, true, {"26/12/09  09:00  trip2", "26/12/10  09:00  trip2", "26/12/11  09:00  trip2"}},
        {false, false, {"26/12/08         trip", "26/12/10         trip", "26/12/10  09:00  trip2"}},
        {true, true, {}},
        {true, false, {"26/12/08         trip", "26/12/10         trip"}},
    };
    QUndoStack history;
    w->setHistory(&history);
    for (const Case &c : cases) {
        SCOPED_TRACE(QStringLiteral("remove %1, whole %2").arg(c.remove).arg(c.whole).toStdString());
        writeBytes(path("schedule.txt"),
                   "trip,2026/12/8,\r\ntrip,2026/12/9,\r\ntrip,2026/12/10,\r\nother,2026/12/12,\r\n");
        schedule.reload(readFileBytes(path("schedule.txt")), clock.today());
        for (int i = 0; i < 3; ++i)
            schedule.setUid(i, QStringLiteral("trip"));
        schedule.setUid(3, QStringLiteral("single"));
        schedule.setSpanning({QStringLiteral("trip")});
        prompter.messages.clear();
        select(1);
        if (c.remove) {
            prompter.answers = {true, c.whole};
            QTest::keyClick(list, Qt::Key_Delete);
        } else {
            prompter.answers = {c.whole};
            w->lstSchedule_DblClick();
            box("txtDate")->setText(QStringLiteral("2026/12/10"));
            box("txtTime")->setText(QStringLiteral("9:00"));
            box("txtEvent")->setText(QStringLiteral("trip2"));
            dialog()->findChild<QPushButton *>("cmdOK")->click();
        }
        ASSERT_FALSE(prompter.messages.isEmpty());
        EXPECT_EQ(prompter.messages.last(),
                  QString::fromUtf8(c.remove ? "「trip」は何日かにわたる予定の 1 日です。ほかの日もすべて削除しますか？"
                                             : "「trip」は何日かにわたる予定の 1 日です。ほかの日もすべて同じように変えますか？"));
        QStringList trip = lines();
        trip.removeLast(); // the other entry, untouched
        EXPECT_EQ(trip, c.after);
        for (int i = 0; i + 1 < schedule.ntschedule(); ++i)
            EXPECT_EQ(schedule.at(i).uid, QStringLiteral("trip"));
        // Undone, every day of the trip is back, with its item.
        history.undo();
        EXPECT_EQ(lines(), QStringList({"26/12/08         trip", "26/12/09         trip",
                                        "26/12/10         trip", "26/12/12         other"}));
        ASSERT_EQ(schedule.ntschedule(), 4);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(schedule.at(i).uid, QStringLiteral("trip"));
    }
    // The single entry: only the Part's own question.
    select(schedule.ntschedule() - 1);
    prompter.messages.clear();
    prompter.answers = {true};
    QTest::keyClick(list, Qt::Key_Delete);
    EXPECT_EQ(prompter.messages.size(), 1);
}
