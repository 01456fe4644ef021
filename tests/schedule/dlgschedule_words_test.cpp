// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The entry dialog's date and time boxes with dates in words on and off.
#include "common/windowrig.h"
#include "schedule/dlgschedule.h"
#include "schedule/frmschedule.h"
#include "schedule/repeattable.h"
#include "schedule/scheduletable.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

class EntryWords : public ::testing::Test, public WindowRig {
protected:
    void SetUp() override // Monday 7 December 2026
    {
        w = std::make_unique<frmSchedule>(schedule, series, files, clock, prompter);
        w->show();
    }
    void open(bool words)
    {
        w->setNaturalDates(words);
        w->cmdNew_Click();
        dialog = w->findChild<dlgSchedule *>("dlgSchedule");
    }
    QLineEdit *box(const char *name) { return dialog->findChild<QLineEdit *>(name); }
    QLabel *said(const char *name) { return dialog->findChild<QLabel *>(name); }
    void type(const char *name, const char *text) { box(name)->setText(QString::fromUtf8(text)); }
    void ok() { dialog->findChild<QPushButton *>("cmdOK")->click(); }

    ScheduleTable schedule;
    RepeatTable series;
    std::unique_ptr<frmSchedule> w;
    dlgSchedule *dialog = nullptr;
};

} // namespace

TEST_F(EntryWords, theBoxesSayWhatTheyReadAndOkStoresIt)
{
    open(true);
    ASSERT_TRUE(said("lblDateRead")->isVisible());
    type("txtDate", "来週の金曜");
    EXPECT_EQ(said("lblDateRead")->text(), QString::fromUtf8("12月18日(金)"));
    type("txtTime", "25時");
    EXPECT_EQ(said("lblTimeRead")->text(), QString::fromUtf8("読めません"));
    type("txtEvent", "打合せ");
    ok();
    EXPECT_EQ(prompter.messages, QStringList{QString::fromUtf8("有効な時間を入力して下さい")});
    EXPECT_TRUE(dialog->isVisible());

    type("txtTime", "3時半");
    EXPECT_EQ(said("lblTimeRead")->text(), QStringLiteral("15:30"));
    ok();
    EXPECT_FALSE(dialog->isVisible());
    ASSERT_EQ(schedule.ntschedule(), 1);
    EXPECT_EQ(schedule.at(0).eventdate, QStringLiteral("2026/12/18"));
    EXPECT_EQ(schedule.at(0).eventtime, QStringLiteral("15:30"));

    // Dates as the schedule writes them are stored as typed, and said too.
    open(true);
    type("txtDate", "1/5");
    EXPECT_EQ(said("lblDateRead")->text(), QString::fromUtf8("2027年1月5日(火)"));
    type("txtTime", "9:00");
    ok();
    ASSERT_EQ(schedule.ntschedule(), 2);
    EXPECT_EQ(schedule.at(1).eventdate, QStringLiteral("2027/1/5"));
    EXPECT_EQ(schedule.at(1).eventtime, QStringLiteral("9:00"));
}

TEST_F(EntryWords, withTheOptionOffWordsAreRefusedAsBefore)
{
    open(false);
    EXPECT_FALSE(said("lblDateRead")->isVisible());
    EXPECT_EQ(box("txtDate")->width(), box("txtEvent")->width());
    type("txtDate", "明日");
    ok();
    EXPECT_EQ(prompter.messages, QStringList{QString::fromUtf8("有効な日付を入力して下さい")});
    EXPECT_EQ(schedule.ntschedule(), 0);
}
