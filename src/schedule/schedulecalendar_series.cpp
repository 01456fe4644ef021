// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The series of repeat.txt as iCalendar: one VEVENT with its RRULE and EXDATEs out, and
// in, an RRULE that one of the program's rules says the same as.
#include "schedulecalendar_internal.h"

#include "repeattable.h"
#include "text/jdate.h"
#include "text/typedtext.h"

namespace schedulecalendar::detail {

namespace {

const char *const dayNames[] = {"MO", "TU", "WE", "TH", "FR", "SA", "SU"};

// The last of the days 28 to `day` of each month: the day, or the month's last.
QByteArray dayOrLast(int day)
{
    QByteArray days = "28";
    for (int d = 29; d <= day; ++d)
        days += ',' + QByteArray::number(d);
    return ";BYMONTHDAY=" + days + ";BYSETPOS=-1";
}

QByteArray ruleText(const RepeatRule &rule, QDate start)
{
    using Kind = RepeatRule::Kind;
    switch (rule.kind) {
    case Kind::Daily:
        return "FREQ=DAILY";
    case Kind::Weekdays:
        return "FREQ=WEEKLY;BYDAY=MO,TU,WE,TH,FR";
    case Kind::Weekly:
        return "FREQ=WEEKLY";
    case Kind::EveryOtherWeek:
        return "FREQ=WEEKLY;INTERVAL=2";
    case Kind::Monthly:
        return start.day() <= 28 ? "FREQ=MONTHLY" : "FREQ=MONTHLY" + dayOrLast(start.day());
    case Kind::MonthlyNth:
        return "FREQ=MONTHLY;BYDAY=" + QByteArray::number(rule.nth == RepeatRule::Last ? -1 : rule.nth)
               + dayNames[rule.weekday - 1];
    case Kind::Yearly:
        break;
    }
    return start.month() == 2 && start.day() == 29 ? "FREQ=YEARLY;BYMONTH=2" + dayOrLast(29)
                                                   : QByteArray("FREQ=YEARLY");
}

// The last day's end as UNTIL: a DATE for an all-day series; else its last second in UTC,
// which no time of that day passes (one that summer time skips included). Where libical
// does not know the zone and the times are written as UTC, so is the last second.
QString untilText(QDate until, bool timed, const SeriesZone &z)
{
    if (!timed)
        return until.toString(u"yyyyMMdd");
    const QDateTime end = z.named ? QDateTime(until.addDays(1), QTime(0, 0), z.zone).addSecs(-1)
                                  : QDateTime(until, QTime(23, 59, 59), QTimeZone::utc());
    return end.toUTC().toString(u"yyyyMMddTHHmmssZ");
}

} // namespace

icalcomponent *seriesEvent(const repeatitem &item, const RepeatSeries &series, const QString &uid,
                           const SeriesZone &z)
{
    // The first day the rule gives is the start: a start off the rule would be one more day.
    const QDate first = *series.rule.firstOnOrAfter(series.start, series.start);
    const std::optional<QTime> time =
        item.eventtime.isEmpty() ? std::nullopt : jdate::parseTime(item.eventtime);
    scheduleitem stored{item.eventinfo, jdate::fullDate(first), item.eventtime,
                        item.extra1,    item.extra2,           item.extra3};
    const Readable r{&stored, first, time};
    icalcomponent *event = icalcomponent_new(ICAL_VEVENT_COMPONENT);
    icalcomponent_add_property(event, icalproperty_new_uid(uid.toUtf8().constData()));
    icalcomponent_add_property(event, icalproperty_new_dtstamp(z.dtstamp));
    setMoment(event, r.date, r.time, z.tz, z.tzid, z.named, 3600);
    icalcomponent_add_property(event, icalproperty_new_summary(item.eventinfo.toUtf8().constData()));
    addOwnTexts(event, stored);
    QByteArray rule = ruleText(series.rule, series.start);
    if (series.until.isValid())
        rule += ";UNTIL=" + untilText(series.until, time.has_value(), z).toLatin1();
    icalcomponent_add_property(event, icalproperty_new_rrule(icalrecurrencetype_from_string(rule)));
    for (const QDate day : series.except) {
        icaltimetype t = dateValue(day);
        if (time) {
            t.is_date = 0;
            t.hour = time->hour();
            t.minute = time->minute();
            t.second = 0;
            t = icaltime_set_timezone(&t, z.tz);
        }
        icalproperty *exdate = icalproperty_new_exdate(t);
        if (time && z.named)
            icalproperty_add_parameter(exdate, icalparameter_new_tzid(z.tzid.constData()));
        icalcomponent_add_property(event, exdate);
    }
    return event;
}

} // namespace schedulecalendar::detail
