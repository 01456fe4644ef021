// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A repeating event read as a series of repeat.txt, where one of the program's rules says
// what its RRULE says; any other stays a list of occurrences.
#include "schedulecalendar_internal.h"

#include "repeatrule.h"
#include "text/jdate.h"
#include "text/typedtext.h"

namespace schedulecalendar::detail {

namespace {

QList<int> valuesOf(const short *array, int size)
{
    QList<int> values;
    for (int i = 0; i < size && array[i] != ICAL_RECURRENCE_ARRAY_MAX; ++i)
        values.append(array[i]);
    return values;
}

// Qt's weekday (1 Monday .. 7 Sunday) of an encoded BYDAY value.
int weekdayOf(short day)
{
    const int wd = icalrecurrencetype_day_day_of_week(day); // 1 Sunday .. 7 Saturday
    return wd == 1 ? 7 : wd - 1;
}

// BYMONTHDAY=28..day with BYSETPOS=-1: the day, or the month's last.
bool isDayOrLast(const QList<int> &monthDays, const QList<int> &setPos, int day)
{
    QList<int> expected;
    for (int d = 28; d <= day; ++d)
        expected.append(d);
    return setPos == QList<int>{-1} && monthDays == expected;
}

// The BY parts of a rule that the program's rules may use.
struct ByParts {
    QList<int> days, monthDays, months, setPos;
    [[nodiscard]] bool none() const
    {
        return days.isEmpty() && monthDays.isEmpty() && months.isEmpty() && setPos.isEmpty();
    }
};

std::optional<RepeatRule> only(RepeatRule::Kind kind)
{
    return RepeatRule{kind, 0, 0};
}

std::optional<RepeatRule> weeklyRule(const ByParts &by, int interval, QDate start)
{
    if (!by.monthDays.isEmpty() || !by.months.isEmpty() || !by.setPos.isEmpty())
        return std::nullopt;
    if (interval == 1 && by.days.size() == 5) {
        QList<int> days;
        for (const int d : by.days)
            days.append(icalrecurrencetype_day_position(short(d)) == 0 ? weekdayOf(short(d)) : 0);
        std::sort(days.begin(), days.end());
        return days == QList<int>{1, 2, 3, 4, 5} ? only(RepeatRule::Kind::Weekdays) : std::nullopt;
    }
    if (!by.days.isEmpty()
        && (by.days.size() > 1 || icalrecurrencetype_day_position(short(by.days[0])) != 0
            || weekdayOf(short(by.days[0])) != start.dayOfWeek()))
        return std::nullopt;
    return interval == 1   ? only(RepeatRule::Kind::Weekly)
           : interval == 2 ? only(RepeatRule::Kind::EveryOtherWeek)
                           : std::nullopt;
}

std::optional<RepeatRule> monthlyRule(const ByParts &by, QDate start)
{
    if (!by.months.isEmpty())
        return std::nullopt;
    // RFC's month without the day is skipped; the program's takes its last day.
    if (by.none() || (by.monthDays == QList<int>{start.day()} && by.setPos.isEmpty() && by.days.isEmpty()))
        return start.day() <= 28 ? only(RepeatRule::Kind::Monthly) : std::nullopt;
    if (by.days.isEmpty() && isDayOrLast(by.monthDays, by.setPos, start.day()))
        return only(RepeatRule::Kind::Monthly);
    if (by.days.size() == 1 && by.monthDays.isEmpty() && by.setPos.isEmpty()) {
        const int nth = icalrecurrencetype_day_position(short(by.days[0]));
        if ((nth >= 1 && nth <= 5) || nth == -1)
            return RepeatRule{RepeatRule::Kind::MonthlyNth, nth == -1 ? RepeatRule::Last : nth,
                              weekdayOf(short(by.days[0]))};
    }
    return std::nullopt;
}

std::optional<RepeatRule> yearlyRule(const ByParts &by, QDate start)
{
    if (!by.days.isEmpty())
        return std::nullopt;
    if (start.month() == 2 && start.day() == 29)
        return by.months == QList<int>{2} && isDayOrLast(by.monthDays, by.setPos, 29)
                   ? only(RepeatRule::Kind::Yearly)
                   : std::nullopt;
    if (by.none() || (by.months == QList<int>{start.month()} && by.monthDays == QList<int>{start.day()}
                      && by.setPos.isEmpty()))
        return only(RepeatRule::Kind::Yearly);
    return std::nullopt;
}

std::optional<RepeatRule> ruleOf(const icalrecurrencetype &r, QDate start)
{
    const bool finer = !valuesOf(r.by_second, ICAL_BY_SECOND_SIZE).isEmpty()
                       || !valuesOf(r.by_minute, ICAL_BY_MINUTE_SIZE).isEmpty()
                       || !valuesOf(r.by_hour, ICAL_BY_HOUR_SIZE).isEmpty()
                       || !valuesOf(r.by_year_day, ICAL_BY_YEARDAY_SIZE).isEmpty()
                       || !valuesOf(r.by_week_no, ICAL_BY_WEEKNO_SIZE).isEmpty();
    if (finer || r.rscale)
        return std::nullopt;
    const ByParts by{valuesOf(r.by_day, ICAL_BY_DAY_SIZE), valuesOf(r.by_month_day, ICAL_BY_MONTHDAY_SIZE),
                     valuesOf(r.by_month, ICAL_BY_MONTH_SIZE), valuesOf(r.by_set_pos, ICAL_BY_SETPOS_SIZE)};
    switch (r.freq) {
    case ICAL_DAILY_RECURRENCE:
        return by.none() && r.interval == 1 ? only(RepeatRule::Kind::Daily) : std::nullopt;
    case ICAL_WEEKLY_RECURRENCE:
        return weeklyRule(by, r.interval, start);
    case ICAL_MONTHLY_RECURRENCE:
        return r.interval == 1 ? monthlyRule(by, start) : std::nullopt;
    case ICAL_YEARLY_RECURRENCE:
        return r.interval == 1 ? yearlyRule(by, start) : std::nullopt;
    default:
        return std::nullopt;
    }
}

// The last day of a rule counted out: the start and every day after it count.
QDate countedEnd(const RepeatRule &rule, QDate start, int count)
{
    QDate day = start;
    for (int i = 1; i < count; ++i)
        day = rule.firstOnOrAfter(start, day.addDays(1)).value_or(day);
    return day;
}

// The last day an UNTIL lets in: the day of its moment here, or the day before where the
// moment comes before the series' time that day.
QDate lastDayOf(icaltimetype until, const std::optional<QTime> &time, const QTimeZone &zone)
{
    const Moment m = localMoment(until, zone);
    return time && m.time && *m.time < *time ? m.date.addDays(-1) : m.date;
}

// Whether the series gives exactly the days (and times) libical finds for the event from
// today to a year ahead: a rule read the program's way must not move a single day, be it
// by a zone whose summer time differs from this one or an edge of UNTIL or COUNT.
bool sameDays(icalcomponent *event, const repeatitem &item, const QList<icaltimetype> &replaced,
              QDate today, const QTimeZone &zone)
{
    const auto series = RepeatSeries::of(item);
    if (!series)
        return false;
    const Occurrences when =
        occurrences(event, icalcomponent_get_dtstart(event), today, zone, replaced);
    const auto time = item.eventtime.isEmpty() ? std::nullopt : jdate::parseTime(item.eventtime);
    std::optional<QDate> day = series->next(today);
    for (const icaltimetype &t : when.times) {
        const Moment m = localMoment(t, zone);
        if (!day || *day != m.date || m.time != time)
            return false;
        day = series->next(day->addDays(1));
    }
    // Nothing more within the year, unless libical stopped at its share.
    return when.limited || !day || *day > today.addYears(1);
}

// The days left out, as 除く日 writes them: the EXDATEs and the changed occurrences. An
// EXDATE or RECURRENCE-ID without a zone of its own is in the start's, as the expansion
// takes it; one at another time than the series' leaves its day in (RFC 5545), which no
// 除く日 can say: nothing then.
std::optional<QString> leftOutDays(icalcomponent *event, icaltimetype dtstart,
                                   const std::optional<QTime> &time,
                                   const QList<icaltimetype> &replaced, const QTimeZone &zone)
{
    QList<icaltimetype> all = replaced;
    for (icalproperty *p = icalcomponent_get_first_property(event, ICAL_EXDATE_PROPERTY); p;
         p = icalcomponent_get_next_property(event, ICAL_EXDATE_PROPERTY))
        all.append(icalproperty_get_exdate(p));
    QStringList days;
    for (icaltimetype t : std::as_const(all)) {
        if (!t.zone && !t.is_date)
            t.zone = dtstart.zone;
        const Moment m = localMoment(t, zone);
        if (!t.is_date && m.time != time)
            return std::nullopt;
        days.append(jdate::fullDate(m.date));
    }
    days.removeDuplicates();
    return days.join(QLatin1Char(';'));
}

} // namespace

std::optional<repeatitem> seriesOf(icalcomponent *event, QDate today, const QTimeZone &zone,
                                   const QList<icaltimetype> &replaced, QStringList &changedChars)
{
    icalproperty *rruleProperty = icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY);
    if (!rruleProperty || icalcomponent_get_next_property(event, ICAL_RRULE_PROPERTY)
        || icalcomponent_get_first_property(event, ICAL_RDATE_PROPERTY)
        || icalcomponent_get_first_property(event, ICAL_EXRULE_PROPERTY))
        return std::nullopt;
    const icalrecurrencetype r = icalproperty_get_rrule(rruleProperty);
    const icaltimetype dtstart = icalcomponent_get_dtstart(event);
    const Moment start = localMoment(dtstart, zone);
    const auto rule = ruleOf(r, start.date);
    // A start off the rule is one day more than the rule gives: the occurrences say it. A
    // count of over ten years a day is left to them too: counting it out would take seconds.
    if (!start.date.isValid() || !rule || rule->firstOnOrAfter(start.date, start.date) != start.date
        || r.count > 3660)
        return std::nullopt;
    const auto except = leftOutDays(event, dtstart, start.time, replaced, zone);
    if (!except)
        return std::nullopt;
    repeatitem item;
    const char *summary = icalcomponent_get_summary(event);
    item.eventinfo = typedtext::cleanImportedField(QString::fromUtf8(summary ? summary : ""), changedChars);
    item.startdate = jdate::fullDate(start.date);
    if (start.time)
        item.eventtime = QStringLiteral("%1:%2").arg(start.time->hour()).arg(start.time->minute(), 2, 10, QLatin1Char('0'));
    item.rule = rule->text();
    if (!icaltime_is_null_time(r.until))
        item.until = jdate::fullDate(lastDayOf(r.until, start.time, zone));
    else if (r.count > 0)
        item.until = jdate::fullDate(countedEnd(*rule, start.date, r.count));
    item.except = *except;
    item.extra1 = typedtext::cleanImportedField(xText(event, "X-KIBANU-EXTRA1"), changedChars);
    item.extra2 = typedtext::cleanImportedField(xText(event, "X-KIBANU-EXTRA2"), changedChars);
    item.extra3 = typedtext::cleanImportedField(xText(event, "X-KIBANU-EXTRA3"), changedChars);
    if (!sameDays(event, item, replaced, today, zone))
        return std::nullopt;
    return item;
}

} // namespace schedulecalendar::detail
