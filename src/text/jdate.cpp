// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "jdate.h"

#include <array>
#include <cstdlib>

namespace jdate {
namespace {

// Splits at the separator into numbers of at most maxDigits digits each. Without a list
// made on the way: the start parses every date of the schedule.
template <std::size_t N>
std::optional<std::array<int, N>> numbers(QStringView text, QChar separator,
                                          const std::array<int, N> &maxDigits)
{
    std::array<int, N> values{};
    std::size_t part = 0;
    int digits = 0;
    for (const QChar c : text) {
        if (c == separator) {
            if (digits == 0 || part + 1 == N)
                return std::nullopt;
            ++part;
            digits = 0;
        } else if (c >= u'0' && c <= u'9' && digits < maxDigits[part]) {
            values[part] = values[part] * 10 + (c.unicode() - u'0');
            ++digits;
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0 || part + 1 != N)
        return std::nullopt;
    return values;
}

constexpr std::array<int, 2> monthDay{2, 2};
constexpr std::array<int, 3> yearMonthDay{4, 2, 2};
constexpr std::array<int, 2> hourMinute{2, 2};

// Two digits of n, with a leading zero.
void putTwo(char16_t *at, int n)
{
    at[0] = char16_t(u'0' + n / 10 % 10);
    at[1] = char16_t(u'0' + n % 10);
}

std::optional<QDate> validDate(int year, int month, int day)
{
    const QDate date(year, month, day);
    if (!date.isValid() || year < 1)
        return std::nullopt;
    return date;
}

} // namespace

QString shortDate(QDate date)
{
    return date.toString(QStringLiteral("yyyy/MM/dd"));
}

int windowYear(int lastTwoDigits, int currentYear)
{
    const int lowest = currentYear - 80;
    const int candidate = lowest - (((lowest % 100) + 100) % 100) + lastTwoDigits;
    return candidate < lowest ? candidate + 100 : candidate;
}

std::optional<QDate> parseDate(QStringView text, QDate today)
{
    if (const auto md = numbers(text, u'/', monthDay))
        return validDate(today.year(), (*md)[0], (*md)[1]);
    const qsizetype firstSlash = text.indexOf(u'/');
    const auto ymd = numbers(text, u'/', yearMonthDay);
    if (!ymd)
        return std::nullopt;
    const int year = firstSlash <= 2 ? windowYear((*ymd)[0], today.year()) : (*ymd)[0];
    return validDate(year, (*ymd)[1], (*ymd)[2]);
}

QString dateForNewEntry(const QString &typed, QDate today)
{
    constexpr int DaysBackStillThisYear = 90;
    const auto md = numbers(typed, u'/', monthDay);
    if (!md)
        return typed;
    const auto thisYear = validDate(today.year(), (*md)[0], (*md)[1]);
    const int next = today.year() + 1;
    const auto nextYear = next > 9999 ? std::nullopt : validDate(next, (*md)[0], (*md)[1]);
    const bool meantForNext = nextYear && (!thisYear || *thisYear < today.addDays(-DaysBackStillThisYear));
    if (!meantForNext && !thisYear)
        return typed; // no such day: the text stays as typed, as any other text
    return QString::number(meantForNext ? next : today.year()) + u'/' + typed;
}

QString fullDate(QDate date)
{
    return QStringLiteral("%1/%2/%3").arg(date.year()).arg(date.month()).arg(date.day());
}

QString withYear(const QString &text, QDate today)
{
    const auto md = numbers(text, u'/', monthDay);
    if (!md || !validDate(today.year(), (*md)[0], (*md)[1]))
        return text;
    return QString::number(today.year()) + u'/' + text;
}

std::optional<QTime> parseTime(QStringView text)
{
    const auto hm = numbers(text, u':', hourMinute);
    if (!hm || (*hm)[0] > 23 || (*hm)[1] > 59)
        return std::nullopt;
    return QTime((*hm)[0], (*hm)[1]);
}

// By hand, as the list of every appointment needs them: QDate::toString reads its format
// each time.
QString formatYyMmDd(QDate date)
{
    if (!date.isValid())
        return {};
    char16_t text[8] = {0, 0, u'/', 0, 0, u'/', 0, 0};
    putTwo(text, std::abs(date.year()) % 100);
    putTwo(text + 3, date.month());
    putTwo(text + 6, date.day());
    return QString(reinterpret_cast<const QChar *>(text), 8);
}

QString formatHhMm(QTime time)
{
    if (!time.isValid())
        return {};
    char16_t text[5] = {0, 0, u':', 0, 0};
    putTwo(text, time.hour());
    putTwo(text + 3, time.minute());
    return QString(reinterpret_cast<const QChar *>(text), 5);
}

} // namespace jdate
