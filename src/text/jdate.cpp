// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "jdate.h"

#include <QList>

namespace jdate {
namespace {

bool allAsciiDigits(QStringView part)
{
    if (part.isEmpty())
        return false;
    for (QChar c : part)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

// Splits at the separator into numbers of at most maxDigits digits each.
std::optional<QList<int>> numbers(QStringView text, QChar separator, const QList<int> &maxDigits)
{
    const QList<QStringView> parts = text.split(separator);
    if (parts.size() != maxDigits.size())
        return std::nullopt;
    QList<int> values;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (!allAsciiDigits(parts[i]) || parts[i].size() > maxDigits[i])
            return std::nullopt;
        values.append(parts[i].toInt());
    }
    return values;
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
    if (const auto md = numbers(text, u'/', {2, 2}))
        return validDate(today.year(), (*md)[0], (*md)[1]);
    const qsizetype firstSlash = text.indexOf(u'/');
    const auto ymd = numbers(text, u'/', {4, 2, 2});
    if (!ymd)
        return std::nullopt;
    const int year = firstSlash <= 2 ? windowYear((*ymd)[0], today.year()) : (*ymd)[0];
    return validDate(year, (*ymd)[1], (*ymd)[2]);
}

QString dateForNewEntry(const QString &typed, QDate today)
{
    constexpr int DaysBackStillThisYear = 90;
    const auto md = numbers(typed, u'/', {2, 2});
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

QString withYear(const QString &text, QDate today)
{
    const auto md = numbers(text, u'/', {2, 2});
    if (!md || !validDate(today.year(), (*md)[0], (*md)[1]))
        return text;
    return QString::number(today.year()) + u'/' + text;
}

std::optional<QTime> parseTime(QStringView text)
{
    const auto hm = numbers(text, u':', {2, 2});
    if (!hm || (*hm)[0] > 23 || (*hm)[1] > 59)
        return std::nullopt;
    return QTime((*hm)[0], (*hm)[1]);
}

QString formatYyMmDd(QDate date)
{
    return date.toString(QStringLiteral("yy/MM/dd"));
}

QString formatHhMm(QTime time)
{
    return time.toString(QStringLiteral("HH:mm"));
}

} // namespace jdate
