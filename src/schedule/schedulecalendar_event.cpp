// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The properties this program sets in an event, for the export, the sync's items and
// the patch of an item alike.
#include "schedulecalendar_internal.h"

#include "text/jdate.h"

namespace schedulecalendar::detail {

namespace {

void addText(icalcomponent *event, const char *name, const QString &value)
{
    icalproperty *p = icalproperty_new_x(value.toUtf8().constData());
    icalproperty_set_x_name(p, name);
    icalcomponent_add_property(event, p);
}

} // namespace

icaltimetype dateValue(QDate d)
{
    icaltimetype t = icaltime_null_date();
    t.year = d.year();
    t.month = d.month();
    t.day = d.day();
    return t;
}

icaltimezone *timezoneOf(const QTimeZone &zone)
{
    const QByteArray id = zone.id();
    if (id.isEmpty() || id == "UTC" || id == "Etc/UTC" || id == "Etc/GMT")
        return icaltimezone_get_utc_timezone();
    if (icaltimezone *tz = icaltimezone_get_builtin_timezone(id.constData()))
        return tz;
    return icaltimezone_get_utc_timezone();
}

icalcomponent *zoneComponent(icaltimezone *tz, const QByteArray &tzid, const QDateTime &from)
{
    icalcomponent *vtimezone = icalcomponent_new_clone(icaltimezone_get_component(tz));
    const icaltimetype since = icaltime_from_timet_with_zone(
        from.addDays(-1).toSecsSinceEpoch(), 0, icaltimezone_get_utc_timezone());
    icaltimezone_truncate_vtimezone(vtimezone, since, icaltime_null_time(), 0);
    icalproperty_set_tzid(icalcomponent_get_first_property(vtimezone, ICAL_TZID_PROPERTY),
                          tzid.constData());
    return vtimezone;
}

void removeAll(icalcomponent *event, icalproperty_kind kind)
{
    while (icalproperty *p = icalcomponent_get_first_property(event, kind)) {
        icalcomponent_remove_property(event, p);
        icalproperty_free(p);
    }
}

void setMoment(icalcomponent *event, QDate date, std::optional<QTime> time, icaltimezone *tz,
               const QByteArray &tzid, bool named, int length)
{
    removeAll(event, ICAL_DTSTART_PROPERTY);
    removeAll(event, ICAL_DTEND_PROPERTY);
    removeAll(event, ICAL_DURATION_PROPERTY);
    if (!time) {
        icalcomponent_add_property(event, icalproperty_new_dtstart(dateValue(date)));
        icalcomponent_add_property(event, icalproperty_new_dtend(dateValue(date.addDays(1))));
        return;
    }
    icaltimetype start = icaltime_null_time();
    start.year = date.year();
    start.month = date.month();
    start.day = date.day();
    start.hour = time->hour();
    start.minute = time->minute();
    start = icaltime_set_timezone(&start, tz);
    icalproperty *dtstart = icalproperty_new_dtstart(start);
    icalproperty *dtend =
        icalproperty_new_dtend(icaltime_add(start, icaldurationtype_from_int(length)));
    if (named) {
        icalproperty_add_parameter(dtstart, icalparameter_new_tzid(tzid.constData()));
        icalproperty_add_parameter(dtend, icalparameter_new_tzid(tzid.constData()));
    }
    icalcomponent_add_property(event, dtstart);
    icalcomponent_add_property(event, dtend);
}

void addOwnTexts(icalcomponent *event, const scheduleitem &item)
{
    addText(event, "X-KIBANU-DATE", item.eventdate);
    if (!item.eventtime.isEmpty())
        addText(event, "X-KIBANU-TIME", item.eventtime);
    const std::pair<const char *, const QString *> extras[] = {
        {"X-KIBANU-EXTRA1", &item.extra1}, {"X-KIBANU-EXTRA2", &item.extra2},
        {"X-KIBANU-EXTRA3", &item.extra3}};
    for (const auto &[name, value] : extras)
        if (!value->isEmpty())
            addText(event, name, *value);
}

std::optional<Readable> readable(const scheduleitem &item, QDate today)
{
    const auto date = jdate::parseDate(item.eventdate, today);
    const auto time =
        item.eventtime.isEmpty() ? std::optional<QTime>() : jdate::parseTime(item.eventtime);
    if (!date || (!item.eventtime.isEmpty() && !time))
        return std::nullopt;
    return Readable{&item, *date, time};
}

icaltimetype recurrenceIdOf(icalcomponent *event)
{
    icalproperty *p = icalcomponent_get_first_property(event, ICAL_RECURRENCEID_PROPERTY);
    return p ? icalproperty_get_recurrenceid(p) : icaltime_null_time();
}

icaltimetype utc(const QDateTime &t)
{
    return icaltime_from_timet_with_zone(t.toSecsSinceEpoch(), 0, icaltimezone_get_utc_timezone());
}

QByteArray text(icalcomponent *calendar)
{
    char *text = icalcomponent_as_ical_string_r(calendar);
    QByteArray bytes(text);
    icalmemory_free_buffer(text);
    return bytes;
}

} // namespace schedulecalendar::detail
