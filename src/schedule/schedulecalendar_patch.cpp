// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// An item of the sync folder changed in place: what another program keeps in the event
// stays as it wrote it.
#include "schedulecalendar_internal.h"

#include "text/narrow.h"

namespace schedulecalendar {

using namespace detail;

namespace {

// How long the event lasts, in seconds, when it has a time; an hour otherwise.
int lengthOf(icalcomponent *event)
{
    const icaltimetype start = icalcomponent_get_dtstart(event);
    const icaltimetype end = icalcomponent_get_dtend(event);
    if (start.is_date || icaltime_is_null_time(end) || end.is_date)
        return 3600;
    const icaltimezone *startZone = start.zone ? start.zone : icaltimezone_get_utc_timezone();
    const icaltimezone *endZone = end.zone ? end.zone : icaltimezone_get_utc_timezone();
    const qint64 seconds = qint64(icaltime_as_timet_with_zone(end, endZone))
                           - qint64(icaltime_as_timet_with_zone(start, startZone));
    return seconds > 0 && seconds < qint64(366) * 86400 ? int(seconds) : 3600;
}

} // namespace

namespace detail {

void removeOwnTexts(icalcomponent *event)
{
    for (icalproperty *p = icalcomponent_get_first_property(event, ICAL_X_PROPERTY); p;) {
        icalproperty *next = icalcomponent_get_next_property(event, ICAL_X_PROPERTY);
        if (QByteArrayView(icalproperty_get_x_name(p)).startsWith("X-KIBANU-")) {
            icalcomponent_remove_property(event, p);
            icalproperty_free(p);
        }
        p = next;
    }
}

bool hasZone(icalcomponent *calendar, const QByteArray &tzid)
{
    for (icalcomponent *z = icalcomponent_get_first_component(calendar, ICAL_VTIMEZONE_COMPONENT); z;
         z = icalcomponent_get_next_component(calendar, ICAL_VTIMEZONE_COMPONENT))
        if (icalproperty *p = icalcomponent_get_first_property(z, ICAL_TZID_PROPERTY);
            p && tzid == icalproperty_get_tzid(p))
            return true;
    return false;
}

namespace {

// The item's event parsed from `original` into `root`, and its entries as it reads; none
// when it repeats or is not there.
icalcomponent *eventThatDoesNotRepeat(Component &root, const QByteArray &original, QDate today,
                                      const QTimeZone &zone, ReadResult &read)
{
    root.reset(icalparser_parse_string(original.constData()));
    icalcomponent *event = root ? masterEvent(root.get()) : nullptr;
    if (!event || icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY))
        return nullptr;
    readEvent(event, today, zone, read);
    return event;
}

} // namespace

icalcomponent *masterEvent(icalcomponent *root)
{
    QList<icalcomponent *> calendars{root};
    if (icalcomponent_isa(root) != ICAL_VCALENDAR_COMPONENT)
        calendars = {icalcomponent_get_first_component(root, ICAL_VCALENDAR_COMPONENT)};
    for (icalcomponent *calendar : calendars)
        for (icalcomponent *e = calendar ? icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT) : nullptr; e;
             e = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT))
            if (!icalcomponent_get_first_property(e, ICAL_RECURRENCEID_PROPERTY))
                return e;
    return nullptr;
}

void stampChange(icalcomponent *event, const QDateTime &stamp)
{
    icalcomponent_set_dtstamp(event, utc(stamp));
    removeAll(event, ICAL_LASTMODIFIED_PROPERTY);
    icalcomponent_add_property(event, icalproperty_new_lastmodified(utc(stamp)));
    const int sequence = icalcomponent_get_first_property(event, ICAL_SEQUENCE_PROPERTY)
                             ? icalcomponent_get_sequence(event)
                             : 0;
    icalcomponent_set_sequence(event, sequence + 1);
}

void applyChange(icalcomponent *event, const scheduleitem &before, const Readable &after,
                 QDate today, const QTimeZone &zone, const QDateTime &stamp)
{
    if (!sameOnceLoaded(before.eventinfo, after.item->eventinfo))
        icalcomponent_set_summary(event, after.item->eventinfo.toUtf8().constData());
    const auto was = readable(before, today);
    if (!was || was->date != after.date || was->time != after.time) {
        icalcomponent *calendar = icalcomponent_get_parent(event);
        icaltimezone *tz = timezoneOf(zone);
        const QByteArray tzid = zone.id();
        const bool named = tz != icaltimezone_get_utc_timezone() && after.time;
        const int length = lengthOf(event);
        setMoment(event, after.date, after.time, tz, tzid, named, length);
        if (named && !hasZone(calendar, tzid))
            icalcomponent_add_component(
                calendar, zoneComponent(tz, tzid, QDateTime(after.date, *after.time, zone)));
    }
    removeOwnTexts(event);
    addOwnTexts(event, *after.item);
    stampChange(event, stamp);
}

} // namespace detail

QByteArray patch(const QByteArray &original, const scheduleitem &after, QDate today,
                 const QTimeZone &zone, const QDateTime &stamp)
{
    const auto r = readable(after, today);
    if (!r)
        return {};
    Component root;
    ReadResult read;
    icalcomponent *event = eventThatDoesNotRepeat(root, original, today, zone, read);
    if (!event || read.items.size() != 1)
        return {};
    applyChange(event, read.items.first(), *r, today, zone, stamp);
    return text(root.get());
}

QByteArray patchSpan(const QByteArray &original, const scheduleitem &first, QDate last,
                     QDate today, const QTimeZone &zone, const QDateTime &stamp)
{
    const auto r = readable(first, today);
    if (!r || r->time || last < r->date)
        return {};
    Component root;
    ReadResult read;
    icalcomponent *event = eventThatDoesNotRepeat(root, original, today, zone, read);
    // An event that began before today keeps its past days as they were: changed here only.
    const auto began = !event || read.items.isEmpty() ? std::nullopt : readable(read.items.first(), today);
    if (!began || began->date < today)
        return {};
    applyChange(event, read.items.first(), *r, today, zone, stamp);
    icaltimetype end = icaltime_null_date();
    const QDate after = last.addDays(1);
    end.year = after.year();
    end.month = after.month();
    end.day = after.day();
    removeAll(event, ICAL_DTEND_PROPERTY);
    icalcomponent_add_property(event, icalproperty_new_dtend(end));
    return text(root.get());
}

} // namespace schedulecalendar
