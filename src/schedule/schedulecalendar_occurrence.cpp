// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// One occurrence of a repeating event changed or taken out inside the series' own item,
// as calendar programs do it: every client then shows the series with that change, and
// no second event.
#include "schedulecalendar_internal.h"

namespace schedulecalendar {

namespace detail {

QList<icalcomponent *> changedCopies(icalcomponent *calendar, icalcomponent *master)
{
    const QByteArray uid = icalcomponent_get_uid(master);
    QList<icalcomponent *> copies;
    for (icalcomponent *e = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); e;
         e = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT))
        if (e != master && uid == icalcomponent_get_uid(e)
            && !icaltime_is_null_time(recurrenceIdOf(e)))
            copies.append(e);
    return copies;
}

// The moment as the series' start writes it: with its TZID, or as a date.
void nameAsStart(icalproperty *p, icalcomponent *master, icaltimetype t)
{
    icalproperty *start = icalcomponent_get_first_property(master, ICAL_DTSTART_PROPERTY);
    icalparameter *tzid = start ? icalproperty_get_first_parameter(start, ICAL_TZID_PARAMETER) : nullptr;
    if (tzid && !t.is_date)
        icalproperty_add_parameter(p, icalparameter_new_clone(tzid));
}

// The series' copy for one occurrence: everything the series has but its rules, falling
// when the occurrence does and lasting as long.
icalcomponent *copyFor(icalcomponent *master, icaltimetype id)
{
    icalcomponent *copy = icalcomponent_new_clone(master);
    for (const icalproperty_kind kind : {ICAL_RRULE_PROPERTY, ICAL_RDATE_PROPERTY,
                                         ICAL_EXDATE_PROPERTY, ICAL_EXRULE_PROPERTY,
                                         ICAL_DTSTART_PROPERTY, ICAL_DTEND_PROPERTY})
        removeAll(copy, kind);
    icalproperty *start = icalproperty_new_dtstart(id);
    nameAsStart(start, master, id);
    icalcomponent_add_property(copy, start);
    const icaltimetype masterEnd = icalcomponent_get_dtend(master);
    if (icalcomponent_get_first_property(master, ICAL_DTEND_PROPERTY) && !icaltime_is_null_time(masterEnd)) {
        const icaldurationtype length =
            icaltime_subtract(masterEnd, icalcomponent_get_dtstart(master));
        icalproperty *end = icalproperty_new_dtend(icaltime_add(id, length));
        nameAsStart(end, master, id);
        icalcomponent_add_property(copy, end);
    }
    icalproperty *recurrenceId = icalproperty_new_recurrenceid(id);
    nameAsStart(recurrenceId, master, id);
    icalcomponent_add_property(copy, recurrenceId);
    return copy;
}

} // namespace detail

using namespace detail;

namespace {

// An occurrence as the read gives it: its entry, when the rule has it fall, and the
// changed copy of it the file holds already, if any.
struct Found {
    scheduleitem entry;
    icaltimetype id;
    icalcomponent *changed = nullptr;
};

std::optional<Found> findOccurrence(icalcomponent *master, const OccurrenceTest &was, QDate today,
                                    const QTimeZone &zone)
{
    const QList<icalcomponent *> copies = changedCopies(icalcomponent_get_parent(master), master);
    QList<icaltimetype> replaced;
    for (icalcomponent *c : copies)
        replaced.append(recurrenceIdOf(c));
    ReadResult series;
    QList<icaltimetype> times;
    readEvent(master, today, zone, series, replaced, &times);
    for (qsizetype i = 0; i < series.items.size(); ++i)
        if (was(series.items.at(i)))
            return Found{series.items.at(i), times.at(i), nullptr};
    for (icalcomponent *c : copies) {
        if (icalcomponent_get_status(c) == ICAL_STATUS_CANCELLED)
            continue;
        ReadResult one;
        readEvent(c, today, zone, one);
        if (one.items.size() == 1 && was(one.items.first()))
            return Found{one.items.first(), recurrenceIdOf(c), c};
    }
    return std::nullopt;
}

} // namespace

QByteArray patchOccurrence(const QByteArray &original, const OccurrenceTest &was,
                           const scheduleitem *after, QDate today, const QTimeZone &zone,
                           const QDateTime &stamp)
{
    std::optional<Readable> r;
    if (after && !(r = readable(*after, today)))
        return {};
    Component root(icalparser_parse_string(original.constData()));
    icalcomponent *master = root ? masterEvent(root.get()) : nullptr;
    if (!master || !icalcomponent_get_first_property(master, ICAL_RRULE_PROPERTY))
        return {};
    const std::optional<Found> found = findOccurrence(master, was, today, zone);
    if (!found)
        return {};
    icalcomponent *calendar = icalcomponent_get_parent(master);
    if (!r) {
        if (found->changed) {
            icalcomponent_remove_component(calendar, found->changed);
            icalcomponent_free(found->changed);
        }
        icalproperty *exdate = icalproperty_new_exdate(found->id);
        nameAsStart(exdate, master, found->id);
        icalcomponent_add_property(master, exdate);
        stampChange(master, stamp);
        return text(root.get());
    }
    icalcomponent *event = found->changed;
    if (!event) {
        event = copyFor(master, found->id);
        icalcomponent_add_component(calendar, event);
    }
    applyChange(event, found->entry, *r, today, zone, stamp);
    return text(root.get());
}

} // namespace schedulecalendar
