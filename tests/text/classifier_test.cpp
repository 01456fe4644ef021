// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/clock.h"
#include "common/fakes.h"
#include "text/classifier.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char *text;
    qint16 code;  // classifyText
    qint16 phone; // phoneNumberKind
};

// Read on 2026-12-07 (not a leap year; 2028 is one).
const Case cases[] = {
    // dates
    {"12/25", 100, -1},
    {"97/12/25", 100, -1},
    {"1997/12/25", 100, -1},
    {"1/1/1", 0, -1},           // two slashes need four digits at least
    {"28/2/29", 100, -1},
    {"2/29", 0, -1},
    {"27/2/29", 0, -1},
    {"13/1", 0, -1},
    {"2/30", 0, -1},
    {"12/5/", 0, -1},
    {"12-25", 300, 150},
    {"12/25a", 0, -1},
    {"/12/25", 0, -1},
    // times
    {"9:30", 200, -1},
    {"12:30", 200, -1},
    {"0:00", 200, -1},
    {"23:59", 200, -1},
    {"24:00", 0, -1},
    {"9:60", 0, -1},
    {"930", 300, 150},
    {"123:45", 0, -1},
    // telephone numbers
    {"03-1234-5678", 300, 150},
    {"03-1234-5678(会社)", 300, 103},
    {"1234-5678", 300, 150},
    {"1234-5678様", 300, 105},
    {"(03)1234-5678", 300, 150},
    {"(03)1234-5678内線", 300, 103},
    {"(03)1234内", 300, 105},
    {"-1234", 0, -1},
    {"123", 300, 150},
    {"-", 0, -1},
    {"1-", 300, 150},
    {"1--", 300, 150},
    {"(03", 300, 150},          // an open bracket alone still counts
    {"03)12", 0, -1},           // a closing bracket first stops the scan
    {"(0)(1)", 0, -1},          // a second pair leaves the state open
    {"080-1234-5678", 300, 102},
    {"030-123-4567x", 300, 102},
    {"030-1234-5678x", 0, -1},  // eleven digits and trailing text
    {"050-1234-5678", 300, 101},
    {"060(1234)56x", 300, 101},
    {"0801", 300, 102},
    {"080-12", 300, 102},
    {"0901-23x", 300, 105},
    {"050x", 0, -1},
    // letters
    {"", 400, 150},
    {"abc", 400, -1},
    {"Yamada", 400, -1},
    {"abc1", 0, -1},
    {"１２３", 0, -1},
    {"ａｂｃ", 0, -1},
    {"山田", 0, -1},
};

} // namespace

TEST(Classifier, givesTheCodesOfEveryListedText)
{
    const FakeClock clock(QDateTime(QDate(2026, 12, 7), QTime(8, 0)));
    for (const Case &c : cases) {
        const QString text = QString::fromUtf8(c.text);
        EXPECT_EQ(classifyText(text, clock.today()), c.code) << c.text;
        EXPECT_EQ(phoneNumberKind(text), c.phone) << c.text;
        EXPECT_EQ(isDateText(text, clock.today()), c.code == 100) << c.text;
        EXPECT_EQ(isTimeText(text), c.code == 200) << c.text;
        EXPECT_EQ(isLettersOnly(text), c.code == 400) << c.text;
    }
}

TEST(Classifier, dateWithoutYearIsReadInTheClocksYear)
{
    FakeClock clock(QDateTime(QDate(2028, 1, 10), QTime(8, 0)));
    EXPECT_TRUE(isDateText(QStringLiteral("2/29"), clock.today()));
    clock.set(QDateTime(QDate(2029, 1, 10), QTime(8, 0)));
    EXPECT_FALSE(isDateText(QStringLiteral("2/29"), clock.today()));
}
