// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The schedule window with the series of repeat.txt: made, shown, changed and deleted.
#include "common/windowrig.h"
#include "schedule/dlgschedule.h"
#include "schedule/frmschedule.h"
#include "schedule/repeattable.h"
#include "schedule/scheduletable.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QUndoStack>

namespace {

// Today is Monday 2026/12/7; the entries fill 12/8 and 12/9.
class SeriesWindow : public ::testing::Test, public WindowRig {
protected:
    void SetUp() override
    {
        writeBytes(path("schedule.txt"), "a,2026/12/8,9:00\r\nb,2026/12/8,11:00\r\nc,2026/12/9,\r\n");
        schedule.loadSchedule(path("schedule.txt"), clock.today());
        series.reload(QStringLiteral("ヨガ,2026/12/3,10:00,毎月第1木,,,x,y,z\r\n"));
        w = std::make_unique<frmSchedule>(schedule, series, files, clock, prompter);
        w->show();
        list = w->findChild<QListView *>("lstSchedule");
    }
    dlgSchedule *dialog() { return w->findChild<dlgSchedule *>("dlgSchedule"); }
    QLineEdit *box(const char *name) { return dialog()->findChild<QLineEdit *>(name); }
    QComboBox *repeat() { return dialog()->findChild<QComboBox *>("cboRepeat"); }
    void click(const char *name) { dialog()->findChild<QPushButton *>(name)->click(); }
    QString row(int r) { return list->model()->index(r, 0).data().toString(); }
    void openRow(int r)
    {
        list->setCurrentIndex(list->model()->index(r, 0));
        w->lstSchedule_DblClick();
        ASSERT_TRUE(dialog()->isVisible());
    }

    ScheduleTable schedule;
    RepeatTable series;
    std::unique_ptr<frmSchedule> w;
    QListView *list = nullptr;
};

} // namespace

TEST_F(SeriesWindow, aNewSeriesGoesToRepeatTxtAndIsListedOnceAtItsNextDay)
{
    ASSERT_EQ(list->model()->rowCount(), 4);
    EXPECT_EQ(row(3), QStringLiteral("27/01/07  10:00  ヨガ（毎月第1木曜）"));
    w->cmdNew_Click();
    box("txtDate")->setText(QStringLiteral("12/10"));
    EXPECT_EQ(repeat()->itemText(6), QStringLiteral("毎月第2木曜")); // the date's own
    box("txtDate")->setText(QStringLiteral("12/29"));
    EXPECT_EQ(repeat()->itemText(6), QStringLiteral("毎月最終火曜"));
    box("txtDate")->setText(QStringLiteral("12/8"));
    box("txtTime")->setText(QStringLiteral("8:30"));
    box("txtEvent")->setText(QStringLiteral("朝会"));
    repeat()->setCurrentIndex(2); // 平日
    box("txtUntil")->setText(QStringLiteral("12/1"));
    click("cmdOK");
    EXPECT_EQ(prompter.messages.value(0),
              QStringLiteral("終わりには、日付以降の有効な日付を入力するか、空にして下さい"));
    ASSERT_TRUE(dialog()->isVisible());
    box("txtUntil")->setText(QStringLiteral("1/29"));
    click("cmdOK");
    EXPECT_FALSE(dialog()->isVisible());
    EXPECT_EQ(series.fileLines().value(1), QStringLiteral("朝会,2026/12/8,8:30,平日,2027/1/29,,,,"));
    EXPECT_EQ(schedule.ntschedule(), 3); // no occurrence is written as an entry
    // Placed as the list places lines: before the 9:00 entry of its first day.
    EXPECT_EQ(row(0), QStringLiteral("26/12/08  08:30  朝会（平日）"));
    EXPECT_EQ(row(1), QStringLiteral("26/12/08  09:00  a"));
    EXPECT_EQ(w->selectedIndex(), -1);
}

TEST_F(SeriesWindow, aSeriesOpensWithItsRuleAndOkChangesItWhole)
{
    openRow(3);
    EXPECT_EQ(box("txtDate")->text(), QStringLiteral("2027/1/7"));
    EXPECT_EQ(repeat()->currentText(), QStringLiteral("毎月第1木曜"));
    EXPECT_TRUE(dialog()->findChild<QPushButton *>("cmdThisDay")->isVisibleTo(dialog()));
    box("txtTime")->setText(QStringLiteral("11:00"));
    click("cmdOK");
    // The day shown left as it was: the series keeps its own start.
    EXPECT_EQ(series.fileLines(), QStringList{QStringLiteral("ヨガ,2026/12/3,11:00,毎月第1木,,,x,y,z")});
    EXPECT_EQ(row(3), QStringLiteral("27/01/07  11:00  ヨガ（毎月第1木曜）"));

    // A new rule counts from the day shown, not from the old start.
    openRow(3);
    repeat()->setCurrentIndex(4); // 隔週
    click("cmdOK");
    EXPECT_EQ(series.fileLines(), QStringList{QStringLiteral("ヨガ,2027/1/7,11:00,隔週,,,x,y,z")});
    EXPECT_EQ(row(3), QStringLiteral("27/01/07  11:00  ヨガ（隔週）"));

    // A single entry stays one: the button is the series' alone. One the sync holds is
    // not made a series (the server's event would go); another is, leaving schedule.txt.
    schedule.setUid(0, QStringLiteral("server-item"));
    openRow(0);
    EXPECT_FALSE(dialog()->findChild<QPushButton *>("cmdThisDay")->isVisibleTo(dialog()));
    EXPECT_EQ(repeat()->currentIndex(), 0);
    repeat()->setCurrentIndex(3); // 毎週
    click("cmdOK");
    EXPECT_TRUE(dialog()->isVisible());
    EXPECT_TRUE(prompter.messages.last().startsWith(QStringLiteral("サーバーと同期している予定")));
    click("cmdCancel");
    openRow(1);
    repeat()->setCurrentIndex(3);
    click("cmdOK");
    EXPECT_EQ(schedule.ntschedule(), 2);
    EXPECT_EQ(series.count(), 2);
}

TEST_F(SeriesWindow, thisDayOnlyMakesTheDayASingleEntryAndLeavesItOutOfTheSeries)
{
    series.setUid(0, QStringLiteral("yoga-item")); // the day stays in the series' item
    openRow(3);
    box("txtTime")->setText(QStringLiteral("13:00"));
    box("txtEvent")->setText(QStringLiteral("ヨガ（振替）"));
    click("cmdThisDay");
    EXPECT_FALSE(dialog()->isVisible());
    EXPECT_EQ(schedule.fileLines().constLast(), QStringLiteral("ヨガ（振替）,2027/1/7,13:00,x,y,z"));
    EXPECT_EQ(series.at(0).except, QStringLiteral("2027/1/7"));
    EXPECT_EQ(schedule.at(schedule.ntschedule() - 1).uid, QStringLiteral("yoga-item"));
    EXPECT_EQ(series.at(0).uid, QStringLiteral("yoga-item"));
    EXPECT_EQ(series.at(0).eventinfo, QStringLiteral("ヨガ")); // the series as it was
    EXPECT_EQ(row(4), QStringLiteral("27/02/04  10:00  ヨガ（毎月第1木曜）"));
}

// はい: the whole series; いいえ: the day shown only; キャンセル: nothing.
TEST_F(SeriesWindow, deletingASeriesLineAsksWhetherAllOrTheDayShown)
{
    using Answer = Prompter::Answer;
    list->setCurrentIndex(list->model()->index(3, 0));
    prompter.choices = {Answer::Cancel};
    QTest::keyClick(list, Qt::Key_Delete);
    EXPECT_EQ(prompter.messages.value(0), QStringLiteral("この繰り返しの予定をすべて削除しますか？"));
    EXPECT_TRUE(series.at(0).except.isEmpty());

    prompter.choices = {Answer::No};
    QTest::keyClick(list, Qt::Key_Delete);
    EXPECT_EQ(series.at(0).except, QStringLiteral("2027/1/7"));
    EXPECT_EQ(row(3), QStringLiteral("27/02/04  10:00  ヨガ（毎月第1木曜）"));

    openRow(3);
    prompter.choices = {Answer::Yes};
    click("cmdDelete");
    EXPECT_FALSE(dialog()->isVisible());
    EXPECT_EQ(series.count(), 0);
    EXPECT_EQ(list->model()->rowCount(), 3);
    EXPECT_EQ(schedule.ntschedule(), 3);
}

// Each change of a series is one step of the history, with the single entry it gave or
// took: undone, schedule.txt and repeat.txt are as before; redone, as after.
TEST_F(SeriesWindow, eachChangeOfASeriesIsUndoneAndRedone)
{
    QUndoStack history;
    w->setHistory(&history);
    using Answer = Prompter::Answer;
    const auto files = [this] { return schedule.fileLines() + QStringList{"|"} + series.fileLines(); };
    const auto select = [this](int r) { list->setCurrentIndex(list->model()->index(r, 0)); };
    struct Case {
        const char *name;
        std::function<void()> act;
    };
    const Case cases[] = {
        {"繰り返しの予定の追加",
         [&] {
             w->cmdNew_Click();
             box("txtDate")->setText(QStringLiteral("12/8"));
             box("txtEvent")->setText(QStringLiteral("朝会"));
             repeat()->setCurrentIndex(3); // 毎週
             click("cmdOK");
         }},
        {"繰り返しの予定の変更",
         [&] {
             openRow(3);
             box("txtTime")->setText(QStringLiteral("11:00"));
             click("cmdOK");
         }},
        {"この日だけ変更",
         [&] {
             openRow(3);
             box("txtTime")->setText(QStringLiteral("13:00"));
             click("cmdThisDay");
         }},
        {"この日を除く",
         [&] {
             select(3);
             prompter.choices = {Answer::No};
             QTest::keyClick(list, Qt::Key_Delete);
         }},
        {"繰り返しの予定の削除",
         [&] {
             select(3);
             prompter.choices = {Answer::Yes};
             QTest::keyClick(list, Qt::Key_Delete);
         }},
        {"繰り返しの予定にする",
         [&] {
             openRow(0);
             repeat()->setCurrentIndex(3);
             click("cmdOK");
         }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const QStringList before = files();
        c.act();
        const QStringList after = files();
        ASSERT_NE(after, before);
        EXPECT_EQ(history.undoText(), QString::fromUtf8(c.name));
        history.undo();
        EXPECT_EQ(files(), before);
        history.redo();
        EXPECT_EQ(files(), after);
        history.undo();
    }

    // この日だけ変更, then its single entry deleted outside the history: neither half comes back.
    openRow(3);
    click("cmdThisDay");
    const QStringList after = files();
    schedule.removeAt(schedule.ntschedule() - 1);
    const QStringList changed = files();
    history.undo();
    EXPECT_EQ(files(), changed);
    EXPECT_NE(files(), after);
    EXPECT_TRUE(prompter.messages.last().contains(QString::fromUtf8("この日だけ変更")));
}
