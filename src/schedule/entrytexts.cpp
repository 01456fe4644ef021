// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "entrytexts.h"

#include "text/classifier.h"
#include "text/datewords.h"
#include "text/jdate.h"

namespace entrytexts {
namespace {

const QString &unread()
{
    static const QString text = QStringLiteral("読めません");
    return text;
}

} // namespace

std::optional<QDate> dateOf(const QString &text, bool words, QDate today)
{
    if (isDateText(text, today)) {
        const auto meant = jdate::parseDate(jdate::dateForNewEntry(text, today), today);
        return meant ? meant : jdate::parseDate(text, today);
    }
    return words ? datewords::readDate(text, today) : std::nullopt;
}

std::optional<QTime> timeOf(const QString &text, bool words)
{
    if (isTimeText(text))
        return jdate::parseTime(text);
    return words ? datewords::readTime(text) : std::nullopt;
}

QString storedDate(const QString &text, bool words, QDate today)
{
    if (!words || isDateText(text, today))
        return text;
    const auto date = datewords::readDate(text, today);
    return date ? jdate::fullDate(*date) : text;
}

QString storedTime(const QString &text, bool words)
{
    if (!words || isTimeText(text))
        return text;
    const auto time = datewords::readTime(text);
    return time ? jdate::formatHhMm(*time) : text;
}

QString saidDate(const QString &text, bool words, QDate today)
{
    if (text.trimmed().isEmpty())
        return {};
    const auto date = dateOf(text, words, today);
    return date ? datewords::spoken(*date, today) : unread();
}

QString saidTime(const QString &text, bool words)
{
    if (text.trimmed().isEmpty())
        return {};
    const auto time = timeOf(text, words);
    return time ? jdate::formatHhMm(*time) : unread();
}

} // namespace entrytexts
