// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "repeatrule.h"

#include "text/jdate.h"

#include <QStringList>

#include <algorithm>

namespace {

const QString weekdayNames = QStringLiteral("月火水木金土日");
const QString monthlyPrefix = QStringLiteral("毎月");

// 第1 to 第5 (half or full width) or 最終, then the weekday, 曜 or 曜日 optional.
std::optional<RepeatRule> parseNth(QStringView rest)
{
    RepeatRule rule;
    rule.kind = RepeatRule::Kind::MonthlyNth;
    if (rest.startsWith(u"最終")) {
        rule.nth = RepeatRule::Last;
        rest = rest.mid(2);
    } else if (rest.size() >= 2 && rest.at(0) == u'第') {
        const int digit = rest.at(1).digitValue(); // full-width digits too
        if (digit < 1 || digit > 5)
            return std::nullopt;
        rule.nth = digit;
        rest = rest.mid(2);
    } else {
        return std::nullopt;
    }
    if (rest.isEmpty())
        return std::nullopt;
    rule.weekday = int(weekdayNames.indexOf(rest.at(0))) + 1;
    rest = rest.mid(1);
    if (rule.weekday == 0 || !(rest.isEmpty() || rest == u"曜" || rest == u"曜日"))
        return std::nullopt;
    return rule;
}

// The day of that month, or the month's last where it has none.
QDate dayOrLast(int year, int month, int day)
{
    return QDate(year, month, std::min(day, QDate(year, month, 1).daysInMonth()));
}

// The nth (or last) weekday of a month; invalid where the month has no fifth.
QDate nthWeekday(int year, int month, int nth, int weekday)
{
    const QDate first(year, month, 1);
    if (nth == RepeatRule::Last) {
        const QDate last(year, month, first.daysInMonth());
        return last.addDays(-((last.dayOfWeek() - weekday + 7) % 7));
    }
    const QDate day = first.addDays((weekday - first.dayOfWeek() + 7) % 7 + 7 * (nth - 1));
    return day.month() == month ? day : QDate();
}

// The first day on or after `from` that steps of `step` days from `start` reach.
QDate stepping(QDate start, QDate from, int step)
{
    const qint64 behind = start.daysTo(from);
    return start.addDays((behind + step - 1) / step * step);
}

// A yyyy/m/d text, the year whole: repeat.txt holds no other.
std::optional<QDate> yearFirstDate(QStringView text)
{
    const QStringView trimmed = text.trimmed();
    if (trimmed.indexOf(u'/') != 4)
        return std::nullopt;
    return jdate::parseDate(trimmed, QDate(2000, 1, 1));
}

} // namespace

std::optional<RepeatRule> RepeatRule::parse(QStringView text)
{
    static const QList<std::pair<QString, Kind>> plain{
        {QStringLiteral("毎日"), Kind::Daily},   {QStringLiteral("平日"), Kind::Weekdays},
        {QStringLiteral("毎週"), Kind::Weekly},  {QStringLiteral("隔週"), Kind::EveryOtherWeek},
        {QStringLiteral("毎月"), Kind::Monthly}, {QStringLiteral("毎年"), Kind::Yearly}};
    for (const auto &[name, kind] : plain)
        if (text == name)
            return RepeatRule{kind, 0, 0};
    if (text.startsWith(monthlyPrefix))
        return parseNth(text.mid(monthlyPrefix.size()));
    return std::nullopt;
}

RepeatRule RepeatRule::monthlyNthOf(QDate start)
{
    const int nth = (start.day() - 1) / 7 + 1;
    return {Kind::MonthlyNth, nth == 5 ? Last : nth, start.dayOfWeek()};
}

QString RepeatRule::text() const
{
    switch (kind) {
    case Kind::Daily:
        return QStringLiteral("毎日");
    case Kind::Weekdays:
        return QStringLiteral("平日");
    case Kind::Weekly:
        return QStringLiteral("毎週");
    case Kind::EveryOtherWeek:
        return QStringLiteral("隔週");
    case Kind::Monthly:
        return monthlyPrefix;
    case Kind::Yearly:
        return QStringLiteral("毎年");
    case Kind::MonthlyNth:
        break;
    }
    const QString which =
        nth == Last ? QStringLiteral("最終") : QStringLiteral("第") + QString::number(nth);
    return monthlyPrefix + which + weekdayNames.at(weekday - 1);
}

QString RepeatRule::caption() const
{
    return kind == Kind::MonthlyNth ? text() + QStringLiteral("曜") : text();
}

std::optional<QDate> RepeatRule::firstOnOrAfter(QDate start, QDate from) const
{
    from = std::max(start, from);
    switch (kind) {
    case Kind::Daily:
        return from;
    case Kind::Weekdays:
        return from.dayOfWeek() > 5 ? from.addDays(8 - from.dayOfWeek()) : from;
    case Kind::Weekly:
        return stepping(start, from, 7);
    case Kind::EveryOtherWeek:
        return stepping(start, from, 14);
    case Kind::Yearly: {
        const QDate day = dayOrLast(from.year(), start.month(), start.day());
        return day >= from ? day : dayOrLast(from.year() + 1, start.month(), start.day());
    }
    case Kind::Monthly:
    case Kind::MonthlyNth:
        break;
    }
    // A month at a time; a fifth weekday may be missing for months on end.
    QDate month(from.year(), from.month(), 1);
    for (int i = 0; i < 1200; ++i, month = month.addMonths(1)) {
        const QDate day = kind == Kind::Monthly
                              ? dayOrLast(month.year(), month.month(), start.day())
                              : nthWeekday(month.year(), month.month(), nth, weekday);
        if (day.isValid() && day >= from)
            return day;
    }
    return std::nullopt;
}

std::optional<RepeatSeries> RepeatSeries::of(const repeatitem &item)
{
    RepeatSeries series;
    const auto start = yearFirstDate(item.startdate);
    const auto rule = RepeatRule::parse(item.rule);
    if (!start || !rule || (!item.eventtime.isEmpty() && !jdate::parseTime(item.eventtime)))
        return std::nullopt;
    series.start = *start;
    series.rule = *rule;
    if (!item.until.isEmpty()) {
        const auto until = yearFirstDate(item.until);
        if (!until)
            return std::nullopt;
        series.until = *until;
    }
    for (const QString &day : item.except.split(u';', Qt::SkipEmptyParts)) {
        const auto date = yearFirstDate(day);
        if (!date)
            return std::nullopt;
        series.except.append(*date);
    }
    return series;
}

std::optional<QDate> RepeatSeries::next(QDate from) const
{
    auto day = rule.firstOnOrAfter(start, from);
    while (day && except.contains(*day))
        day = rule.firstOnOrAfter(start, day->addDays(1));
    if (day && until.isValid() && *day > until)
        return std::nullopt;
    return day;
}
