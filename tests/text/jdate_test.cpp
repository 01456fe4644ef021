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
    EXPECT_EQ(jdate::formatYyMmDd(QDate(999, 12, 31)), QStringLiteral("99/12/31"));
    EXPECT_EQ(jdate::formatYyMmDd(QDate(2105, 10, 20)), QStringLiteral("05/10/20"));
    EXPECT_EQ(jdate::formatHhMm(QTime(9, 5)), QStringLiteral("09:05"));
    EXPECT_EQ(jdate::formatHhMm(QTime(23, 59)), QStringLiteral("23:59"));
    EXPECT_EQ(jdate::formatYyMmDd(QDate()), QString());
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
                             "2026/001/1", "1//2", "/", "//", "12/5 ", "2026/12/5/1",
                             "2026//5"})
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

TEST(JDate, aNewEntryTypedWithoutAYearIsStoredWithTheYearItIsMeantFor)
{
    const QDate dec28(2026, 12, 28);
    const struct {
        const char *typed;
        QDate today;
        const char *stored;
    } cases[] = {
        {"1/5", dec28, "2027/1/5"},
        {"09/28", dec28, "2027/09/28"}, // 91 days back
        {"9/29", dec28, "2026/9/29"},   // 90 days back: still this year's
        {"12/27", dec28, "2026/12/27"},
        {"12/31", dec28, "2026/12/31"},
        // Early in the year nothing lies 90 days back in it.
        {"1/1", QDate(2027, 3, 31), "2027/1/1"},
        {"1/1", QDate(2027, 4, 2), "2028/1/1"},
        // A day only one of the two years has is that year's.
        {"2/29", QDate(2028, 12, 28), "2028/2/29"},
        {"2/29", QDate(2027, 12, 28), "2028/2/29"},
        {"2/28", QDate(2027, 12, 28), "2028/2/28"},
        // A year typed is the user's; a day no year has, or no date at all, stays.
        {"2026/1/5", dec28, "2026/1/5"},
        {"26/1/5", dec28, "26/1/5"},
        {"2/30", dec28, "2/30"},
        {"1/5 ", dec28, "1/5 "},
        {"", dec28, ""},
        {"x", dec28, "x"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(jdate::dateForNewEntry(c.typed, c.today), QString::fromUtf8(c.stored))
            << c.typed << " on " << c.today.toString(Qt::ISODate).toStdString();
}
