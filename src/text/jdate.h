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

// h:mm or hh:mm, up to 23:59.
[[nodiscard]] std::optional<QTime> parseTime(QStringView text);

// yy/mm/dd and hh:mm with leading zeros.
[[nodiscard]] QString formatYyMmDd(QDate date);
[[nodiscard]] QString formatHhMm(QTime time);

} // namespace jdate
