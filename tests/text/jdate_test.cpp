// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/jdate.h"

#include <gtest/gtest.h>

namespace {

const QDate today2026(2026, 12, 7);

QDate parsed(const char *text, QDate today = today2026)
{
    return jdate::parseDate(QString::fromUtf8(text), today).value_or(QDate());
}

} // namespace

TEST(JDate, shortDateAndListFormsHaveLeadingZeros)
{
    EXPECT_EQ(jdate::shortDate(QDate(2026, 3, 4)), QStringLiteral("2026/03/04"));
    EXPECT_EQ(jdate::formatYyMmDd(QDate(2000, 1, 9)), QStringLiteral("00/01/09"));
    EXPECT_EQ(jdate::formatHhMm(QTime(9, 5)), QStringLiteral("09:05"));
}

TEST(JDate, twoDigitYearsSlideWithTheCurrentYear)
{
    EXPECT_EQ(jdate::windowYear(30, 2026), 2030);
    EXPECT_EQ(jdate::windowYear(97, 2026), 1997);
    EXPECT_EQ(jdate::windowYear(46, 2026), 1946); // 80 years back
    EXPECT_EQ(jdate::windowYear(45, 2026), 2045); // 19 years ahead
    EXPECT_EQ(jdate::windowYear(0, 2099), 2100);
}

TEST(JDate, parsesTheDateFormsUsersType)
{
    EXPECT_EQ(parsed("12/25"), QDate(2026, 12, 25));
    EXPECT_EQ(parsed("1/5"), QDate(2026, 1, 5));
    EXPECT_EQ(parsed("97/12/25"), QDate(1997, 12, 25));
    EXPECT_EQ(parsed("30/1/5"), QDate(2030, 1, 5));
    EXPECT_EQ(parsed("1/1/1"), QDate(2001, 1, 1));
    EXPECT_EQ(parsed("1997/12/25"), QDate(1997, 12, 25));
    EXPECT_EQ(parsed("999/1/2"), QDate(999, 1, 2));
    EXPECT_EQ(parsed("2/29", QDate(2028, 1, 1)), QDate(2028, 2, 29));
}

TEST(JDate, refusesDaysThatDoNotExistAndOtherForms)
{
    for (const char *text : {"2/29", "13/1", "2/30", "0/5", "4/31", "0000/1/1", "10000/1/1",
                             "12/5/", "/12/5", "12-25", "1/2/3/4", "１２/５", "", "123/4",
                             "2026/001/1"})
        EXPECT_FALSE(jdate::parseDate(QString::fromUtf8(text), today2026).has_value()) << text;
}

TEST(JDate, parsesTimesUpTo2359)
{
    EXPECT_EQ(jdate::parseTime(u"9:30"), QTime(9, 30));
    EXPECT_EQ(jdate::parseTime(u"0:00"), QTime(0, 0));
    EXPECT_EQ(jdate::parseTime(u"23:59"), QTime(23, 59));
    for (const char16_t *text : {u"24:00", u"12:60", u"930", u"123:45", u":30", u"9:", u"9:3:0"})
        EXPECT_FALSE(jdate::parseTime(text).has_value()) << QString::fromUtf16(text).toStdString();
}

TEST(JDate, aNewEntryTypedWithoutAYearFarBackIsNextYears)
{
    const QDate dec28(2026, 12, 28);
    EXPECT_EQ(jdate::dateForNewEntry("1/5", dec28), QStringLiteral("2027/1/5"));
    EXPECT_EQ(jdate::dateForNewEntry("09/28", dec28), QStringLiteral("2027/09/28")); // 91 days
    EXPECT_EQ(jdate::dateForNewEntry("9/29", dec28), QStringLiteral("9/29"));        // 90 days
    EXPECT_EQ(jdate::dateForNewEntry("12/27", dec28), QStringLiteral("12/27"));
    EXPECT_EQ(jdate::dateForNewEntry("12/31", dec28), QStringLiteral("12/31"));
    // Early in the year nothing lies 90 days back in it.
    EXPECT_EQ(jdate::dateForNewEntry("1/1", QDate(2027, 3, 31)), QStringLiteral("1/1"));
    EXPECT_EQ(jdate::dateForNewEntry("1/1", QDate(2027, 4, 2)), QStringLiteral("2028/1/1"));
    // A year typed is the user's; a day next year lacks, or no date at all, stays.
    for (const char *typed : {"2026/1/5", "26/1/5", "2/29", "1/5 ", "", "x"})
        EXPECT_EQ(jdate::dateForNewEntry(typed, dec28), QString::fromUtf8(typed)) << typed;
    EXPECT_EQ(jdate::dateForNewEntry("2/29", QDate(2028, 12, 28)), QStringLiteral("2/29"));
    EXPECT_EQ(jdate::dateForNewEntry("2/28", QDate(2027, 12, 28)), QStringLiteral("2028/2/28"));
}
