// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A to-do that begins with a date in words (明日10時歯医者) offered to the schedule.
#include "common/apphelper.h"
#include "phonebook/frmaddphone.h"

#include <QAction>

namespace {

class DateWords : public AppTest {
protected:
    void SetUp() override { w = startBoard(); } // Monday 7 December 2026
    frmTodo *w = nullptr;
};

} // namespace

TEST_F(DateWords, theQuestionSaysTheDayReadAndOnlyYesMovesTheToDo)
{
    const QString typed = QString::fromUtf8("明日10時歯医者");
    prompter->answers = {false};
    commitSlot(2, typed);
    EXPECT_EQ(prompter->messages, QStringList{QString::fromUtf8(
                                      "「歯医者」を 12月8日(火) 10:00 の予定として予定表に移動してよいですか？")});
    EXPECT_EQ(board().text(2), typed);
    EXPECT_EQ(schedule().ntschedule(), 0);

    prompter->answers = {true};
    commitSlot(2, QString::fromUtf8("来週の金曜 15時半から17時 打合せ"));
    ASSERT_EQ(schedule().ntschedule(), 1);
    EXPECT_EQ(schedule().at(0).eventdate, QStringLiteral("2026/12/18"));
    EXPECT_EQ(schedule().at(0).eventtime, QStringLiteral("15:30"));
    EXPECT_EQ(schedule().at(0).eventinfo, QString::fromUtf8("～17時 打合せ"));
    EXPECT_EQ(board().text(2), QString());

    prompter->answers = {true};
    commitSlot(3, QString::fromUtf8("月末 請求書"));
    ASSERT_EQ(schedule().ntschedule(), 2);
    EXPECT_EQ(prompter->messages.last(),
              QString::fromUtf8("「請求書」を 12月31日(木) の予定として予定表に移動してよいですか？"));
    EXPECT_EQ(schedule().at(1).eventdate, QStringLiteral("2026/12/31"));
    EXPECT_EQ(schedule().at(1).eventtime, QString());
}

// What the reader does not understand, and what the older rules take, is never asked.
TEST_F(DateWords, anUnreadableTextOrOneTheOlderRulesTakeIsNotAsked)
{
    for (const char *typed : {"明日25時 会議", "来月 会議", "日本出張", "月に一度の掃除"}) {
        commitSlot(4, QString::fromUtf8(typed));
        EXPECT_EQ(board().text(4), QString::fromUtf8(typed));
    }
    EXPECT_TRUE(prompter->messages.isEmpty());

    commitSlot(5, QString::fromUtf8("明日 田中 03-1234-5678"));
    EXPECT_TRUE(app->addPhoneDialog().isVisible());
    EXPECT_TRUE(prompter->messages.isEmpty());
}

TEST_F(DateWords, theOptionOffLeavesTheCommitAsBefore)
{
    QAction *option = w->findChild<QAction *>(QStringLiteral("mnuNaturalDates"));
    ASSERT_TRUE(option->isChecked());
    option->trigger();
    EXPECT_FALSE(option->isChecked());
    commitSlot(2, QString::fromUtf8("明日10時歯医者"));
    EXPECT_TRUE(prompter->messages.isEmpty());
    EXPECT_EQ(board().text(2), QString::fromUtf8("明日10時歯医者"));
}
