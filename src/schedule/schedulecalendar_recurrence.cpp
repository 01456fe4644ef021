// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// When an event falls in this program's terms: its moments in the system's zone and the
// occurrences of a recurring event in the coming year.
#include "schedulecalendar_internal.h"

#include <algorithm>

namespace schedulecalendar::detail {

namespace {

// Steps of a rule's iterator before it is given up: a rule by the second from long ago
// cannot hold the import up. Occurrences taken: one event cannot fill the schedule.
constexpr int mostSteps = 200000;
constexpr int mostOccurrences = 100;

// The event's EXDATEs; one without a zone is in the zone of the start.
QList<icaltimetype> excludedDates(icalcomponent *event, icaltimetype start)
{
    QList<icaltimetype> excluded;
    for (icalproperty *p = icalcomponent_get_first_property(event, ICAL_EXDATE_PROPERTY); p;
         p = icalcomponent_get_next_property(event, ICAL_EXDATE_PROPERTY)) {
        icaltimetype ex = icalproperty_get_exdate(p);
        if (!ex.zone && !ex.is_date)
            ex.zone = start.zone;
        excluded.append(ex);
    }
    return excluded;
}

// The start moved to that day: its time and zone kept.
icaltimetype startOn(icaltimetype start, QDate d)
{
    start.year = d.year();
    start.month = d.month();
    start.day = d.day();
    return start;
}

// Whether the occurrence is one of `listed` (EXDATEs, RECURRENCE-IDs); a date stands for
// its whole day.
bool isListed(const QList<icaltimetype> &listed, const icaltimetype &occurrence, QDate day,
              const QTimeZone &zone)
{
    return std::any_of(listed.cbegin(), listed.cend(), [&](const icaltimetype &ex) {
        return ex.is_date || occurrence.is_date ? localMoment(ex, zone).date == day
                                                : icaltime_compare(ex, occurrence) == 0;
    });
}

bool finerThanADay(const icalrecurrencetype &recurrence)
{
    return recurrence.freq == ICAL_SECONDLY_RECURRENCE
           || recurrence.freq == ICAL_MINUTELY_RECURRENCE
           || recurrence.freq == ICAL_HOURLY_RECURRENCE;
}

// A rule finer than a day gives one entry a day, so the rest of the day is skipped rather
// than stepped through, which by the second is 86400 steps. libical restarts such a rule
// at once only at the start's own time of day (to any other time it steps there second by
// second), so the next day is entered at that time: the first such moment after `day` in
// the system's zone. Only a rule without a count may be restarted; a counted one is left
// to the step limit.
void skipRestOfDay(icalrecur_iterator *it, const icalrecurrencetype &recurrence,
                   icaltimetype start, icaltimetype occurrence, QDate day, const QTimeZone &zone)
{
    if (!finerThanADay(recurrence) || recurrence.count != 0 || start.is_date)
        return;
    for (int k = 0; k <= 2; ++k) {
        const icaltimetype next = startOn(start, day.addDays(k));
        if (icaltime_compare(next, occurrence) > 0 && localMoment(next, zone).date > day) {
            icalrecur_iterator_set_start(it, next);
            return;
        }
    }
}

// Takes the occurrence unless its day has one already from a rule finer than a day (every
// hour or minute is no appointment: one a day stands for it); false once the event has
// given all it may.
bool take(Occurrences &found, icaltimetype occurrence, QDate day, QDate &lastTaken, bool fine)
{
    if (fine && day == lastTaken) {
        found.limited = true;
        return true;
    }
    if (found.times.size() == mostOccurrences) {
        found.limited = true;
        return false;
    }
    found.times.append(occurrence);
    lastTaken = day;
    return true;
}

// A rule without a count may start at the window; one with a count must be counted from
// its first occurrence.
icalrecur_iterator *iteratorFrom(const icalrecurrencetype &recurrence, icaltimetype start,
                                 icaltimetype from)
{
    icalrecur_iterator *it = icalrecur_iterator_new(recurrence, start);
    if (it && recurrence.count == 0 && icaltime_compare(start, from) < 0)
        icalrecur_iterator_set_start(it, from);
    return it;
}

// An all-day event over several days stands on each of them, at most a month of them;
// any other event on its start.
QList<icaltimetype> daysOf(icalcomponent *event, icaltimetype start)
{
    constexpr int mostDays = 31;
    const icaltimetype end = icalcomponent_get_dtend(event);
    if (!start.is_date || icaltime_is_null_time(end) || !end.is_date)
        return {start};
    const QDate first(start.year, start.month, start.day);
    const qint64 days = std::clamp<qint64>(first.daysTo(QDate(end.year, end.month, end.day)), 1, mostDays);
    QList<icaltimetype> all;
    for (qint64 k = 0; k < days; ++k)
        all.append(startOn(start, first.addDays(k)));
    return all;
}

} // namespace


Moment localMoment(icaltimetype t, const QTimeZone &zone)
{
    if (t.is_date)
        return {QDate(t.year, t.month, t.day), std::nullopt};
    if (!t.zone) // floating: the same wall time everywhere
        return {QDate(t.year, t.month, t.day), QTime(t.hour, t.minute)};
    const QDateTime local =
        QDateTime::fromSecsSinceEpoch(icaltime_as_timet_with_zone(t, t.zone), zone);
    return {local.date(), QTime(local.time().hour(), local.time().minute())};
}

Occurrences occurrences(icalcomponent *event, icaltimetype start, QDate today,
                        const QTimeZone &zone, const QList<icaltimetype> &replaced)
{
    icalproperty *rule = icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY);
    if (!rule)
        return {daysOf(event, start)};
    QList<icaltimetype> excluded = excludedDates(event, start);
    excluded.append(replaced);
    const QDate last = today.addYears(1);
    Occurrences found;
    const icalrecurrencetype recurrence = icalproperty_get_rrule(rule);
    // The window in the event's own terms, a day wider on each side for the zones between;
    // the local date decides below.
    const icaltimetype from = startOn(start, today.addDays(-1));
    const icaltimetype until = startOn(start, last.addDays(1));
    icalrecur_iterator *it = iteratorFrom(recurrence, start, from);
    if (!it)
        return {};
    QDate lastTaken;
    int n = 0;
    for (; n < mostSteps; ++n) {
        icaltimetype occurrence = icalrecur_iterator_next(it);
        if (icaltime_is_null_time(occurrence))
            break;
        if (!occurrence.zone && !occurrence.is_date)
            occurrence.zone = start.zone;
        if (icaltime_compare(occurrence, until) > 0)
            break;
        if (icaltime_compare(occurrence, from) < 0)
            continue;
        const Moment m = localMoment(occurrence, zone);
        if (m.date > last)
            break;
        if (m.date < today) {
            skipRestOfDay(it, recurrence, start, occurrence, m.date, zone);
            continue;
        }
        if (isListed(excluded, occurrence, m.date, zone))
            continue;
        if (!take(found, occurrence, m.date, lastTaken, finerThanADay(recurrence)))
            break;
        skipRestOfDay(it, recurrence, start, occurrence, m.date, zone);
    }
    found.limited = found.limited || n == mostSteps;
    icalrecur_iterator_free(it);
    return found;
}

} // namespace schedulecalendar::detail
