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

// A new appointment's date as it is to be stored. Typed without a year, a day that in
// today's year lies more than 90 days back is meant for next year: it gets that year in
// front ("1/5" on 28 December 2026 becomes "2027/1/5"), so the file, the list and the
// reminders agree. Every other text, and a day next year lacks (29 February), stays.
[[nodiscard]] QString dateForNewEntry(const QString &typed, QDate today);

// h:mm or hh:mm, up to 23:59.
[[nodiscard]] std::optional<QTime> parseTime(QStringView text);

// yy/mm/dd and hh:mm with leading zeros.
[[nodiscard]] QString formatYyMmDd(QDate date);
[[nodiscard]] QString formatHhMm(QTime time);

} // namespace jdate
