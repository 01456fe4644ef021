// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>
#include <QTime>

#include <optional>

// Japanese date and time conventions, fixed here whatever the user's locale says.
namespace jdate {

// Today's short date: yyyy/MM/dd.
[[nodiscard]] QString shortDate(QDate date);

// The year that ends in the one or two digits given and lies between 80 years before
// and 19 years after the current year.
[[nodiscard]] int windowYear(int lastTwoDigits, int currentYear);

// A date text as users type it: m/d (current year), y/m/d or yy/m/d (the sliding
// window), yyy/m/d or yyyy/m/d (that year). Nothing else, and no day that does not exist.
[[nodiscard]] std::optional<QDate> parseDate(QStringView text, QDate today);

// A new appointment's date as it is to be stored. Typed without a year, it gets the year
// it is meant for in front, so that it keeps meaning that day in the years to come: a day
// that in today's year lies more than 90 days back is meant for next year ("1/5" on
// 28 December 2026 becomes "2027/1/5"), any other for this year ("12/28" becomes
// "2026/12/28"). Every other text, and a day that no such year has, stays.
[[nodiscard]] QString dateForNewEntry(const QString &typed, QDate today);

// A date text without a year with the year it means today in front ("12/28" in 2026 becomes
// "2026/12/28"); every other text as it is.
[[nodiscard]] QString withYear(const QString &text, QDate today);

// h:mm or hh:mm, up to 23:59.
[[nodiscard]] std::optional<QTime> parseTime(QStringView text);

// yyyy/m/d, the year whole and no leading zeros: a day that came from a calendar file.
[[nodiscard]] QString fullDate(QDate date);

// yy/mm/dd and hh:mm with leading zeros.
[[nodiscard]] QString formatYyMmDd(QDate date);
[[nodiscard]] QString formatHhMm(QTime time);

} // namespace jdate
