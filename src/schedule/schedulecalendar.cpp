// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "schedulecalendar.h"

#include "text/jdate.h"
#include "text/typedtext.h"

#include <QCryptographicHash>
#include <QHash>
#include <QStringDecoder>

#include <libical/ical.h>

#include <memory>
#include <optional>

namespace schedulecalendar {

namespace {

// libical's objects, freed with their owners' functions.
struct ComponentFree {
    void operator()(icalcomponent *c) const { icalcomponent_free(c); }
};
using Component = std::unique_ptr<icalcomponent, ComponentFree>;

// Steps of a rule's iterator before it is given up: a rule by the second from long ago
// cannot hold the import up. Occurrences taken: no more than the schedule holds.
constexpr int mostSteps = 200000;
constexpr int mostOccurrences = 1001;

icaltimezone *timezoneOf(const QTimeZone &zone)
{
    const QByteArray id = zone.id();
    if (id.isEmpty() || id == "UTC" || id == "Etc/UTC" || id == "Etc/GMT")
        return icaltimezone_get_utc_timezone();
    if (icaltimezone *tz = icaltimezone_get_builtin_timezone(id.constData()))
        return tz;
    return icaltimezone_get_utc_timezone();
}

// The entry's fields as a name; the same entry twice gets "-2", "-3" after it.
QString uidBase(const scheduleitem &item)
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (const QString *field : {&item.eventdate, &item.eventtime, &item.eventinfo, &item.extra1,
                                 &item.extra2, &item.extra3}) {
        hash.addData(field->toUtf8());
        hash.addData(QByteArrayView("\x1f", 1));
    }
    return QString::fromLatin1(hash.result().toHex().left(32));
}

void addText(icalcomponent *event, const char *name, const QString &value)
{
    icalproperty *p = icalproperty_new_x(value.toUtf8().constData());
    icalproperty_set_x_name(p, name);
    icalcomponent_add_property(event, p);
}

icaltimetype dateValue(QDate d)
{
    icaltimetype t = icaltime_null_date();
    t.year = d.year();
    t.month = d.month();
    t.day = d.day();
    return t;
}

} // namespace

namespace {

// The zone's rules from a day before `from` on, named as the zone database does.
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

// The start (and end, `length` seconds later, or the next day for an all-day event),
// in place of any the event had.
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

// The texts this program keeps in the event: the date and time as stored, the extras.
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

struct Readable {
    const scheduleitem *item;
    QDate date;
    std::optional<QTime> time; // none: an all-day event
};

std::optional<Readable> readable(const scheduleitem &item, QDate today)
{
    const auto date = jdate::parseDate(item.eventdate, today);
    const auto time =
        item.eventtime.isEmpty() ? std::optional<QTime>() : jdate::parseTime(item.eventtime);
    if (!date || (!item.eventtime.isEmpty() && !time))
        return std::nullopt;
    return Readable{&item, *date, time};
}

icaltimetype utc(const QDateTime &t)
{
    return icaltime_from_timet_with_zone(t.toSecsSinceEpoch(), 0, icaltimezone_get_utc_timezone());
}

icalcomponent *newCalendar()
{
    icalcomponent *calendar = icalcomponent_new(ICAL_VCALENDAR_COMPONENT);
    icalcomponent_add_property(calendar, icalproperty_new_version("2.0"));
    icalcomponent_add_property(calendar, icalproperty_new_prodid("-//Kibanu//Kibanu//JA"));
    return calendar;
}

icalcomponent *newEvent(const Readable &r, const QString &uid, icaltimezone *tz,
                        const QByteArray &tzid, bool named, const icaltimetype &dtstamp)
{
    icalcomponent *event = icalcomponent_new(ICAL_VEVENT_COMPONENT);
    icalcomponent_add_property(event, icalproperty_new_uid(uid.toUtf8().constData()));
    icalcomponent_add_property(event, icalproperty_new_dtstamp(dtstamp));
    setMoment(event, r.date, r.time, tz, tzid, named, 3600);
    icalcomponent_add_property(event, icalproperty_new_summary(r.item->eventinfo.toUtf8().constData()));
    addOwnTexts(event, *r.item);
    return event;
}

QByteArray text(icalcomponent *calendar)
{
    char *text = icalcomponent_as_ical_string_r(calendar);
    QByteArray bytes(text);
    icalmemory_free_buffer(text);
    return bytes;
}

} // namespace

Written write(const ScheduleTable &table, QDate today, const QTimeZone &zone, const QDateTime &stamp)
{
    Written written;
    Component calendar(newCalendar());
    icaltimezone *tz = timezoneOf(zone);
    const icaltimetype dtstamp = utc(stamp);

    QList<Readable> all;
    std::optional<QDateTime> first; // the first timed appointment
    for (int i = 0; i < table.ntschedule(); ++i) {
        const auto r = readable(table.at(i), today);
        if (!r) {
            ++written.unreadable;
            continue;
        }
        all.append(*r);
        if (r->time && (!first || QDateTime(r->date, *r->time, zone) < *first))
            first = QDateTime(r->date, *r->time, zone);
    }

    // A time without its zone is read wrongly by several programs: timed events name the
    // zone as the zone database does ("Asia/Tokyo"), which every program knows, not by
    // libical's own prefixed name, and the zone's rules come along from the first
    // appointment on, not its history since 1888.
    const QByteArray tzid = zone.id();
    const bool named = tz != icaltimezone_get_utc_timezone() && first;
    if (named)
        icalcomponent_add_component(calendar.get(), zoneComponent(tz, tzid, *first));

    QHash<QString, int> seen;
    for (const Readable &r : std::as_const(all)) {
        const QString base = uidBase(*r.item);
        const int repeat = ++seen[base];
        const QString uid = (repeat > 1 ? base + u'-' + QString::number(repeat) : base)
                            + QStringLiteral("@kibanu");
        icalcomponent_add_component(calendar.get(), newEvent(r, uid, tz, tzid, named, dtstamp));
    }
    written.bytes = text(calendar.get());
    return written;
}

QByteArray item(const scheduleitem &entry, const QString &uid, QDate today,
                const QTimeZone &zone, const QDateTime &stamp)
{
    const auto r = readable(entry, today);
    if (!r)
        return {};
    Component calendar(newCalendar());
    icaltimezone *tz = timezoneOf(zone);
    const QByteArray tzid = zone.id();
    const bool named = tz != icaltimezone_get_utc_timezone() && r->time;
    if (named)
        icalcomponent_add_component(calendar.get(),
                                    zoneComponent(tz, tzid, QDateTime(r->date, *r->time, zone)));
    icalcomponent_add_component(calendar.get(), newEvent(*r, uid, tz, tzid, named, utc(stamp)));
    return text(calendar.get());
}

namespace {

QString uidOf(icalcomponent *event)
{
    const char *uid = icalcomponent_get_uid(event);
    return QString::fromUtf8(uid ? uid : "");
}

QString xText(icalcomponent *event, const char *name)
{
    for (icalproperty *p = icalcomponent_get_first_property(event, ICAL_X_PROPERTY); p;
         p = icalcomponent_get_next_property(event, ICAL_X_PROPERTY))
        if (qstrcmp(icalproperty_get_x_name(p), name) == 0)
            return QString::fromUtf8(icalproperty_get_x(p));
    return {};
}

struct Moment {
    QDate date;
    std::optional<QTime> time; // none for an all-day event
};

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

QList<icaltimetype> occurrences(icalcomponent *event, icaltimetype start, QDate today,
                                const QTimeZone &zone)
{
    icalproperty *rule = icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY);
    if (!rule)
        return {start};
    QList<icaltimetype> excluded;
    for (icalproperty *p = icalcomponent_get_first_property(event, ICAL_EXDATE_PROPERTY); p;
         p = icalcomponent_get_next_property(event, ICAL_EXDATE_PROPERTY)) {
        icaltimetype ex = icalproperty_get_exdate(p);
        if (!ex.zone && !ex.is_date)
            ex.zone = start.zone;
        excluded.append(ex);
    }
    const QDate last = today.addYears(1);
    QList<icaltimetype> found;
    const icalrecurrencetype recurrence = icalproperty_get_rrule(rule);
    icalrecur_iterator *it = icalrecur_iterator_new(recurrence, start);
    if (!it)
        return {};
    // The window in the event's own terms, a day wider on each side for the zones between;
    // the local date decides below.
    const auto bound = [&start](QDate d) {
        icaltimetype t = start;
        t.year = d.year();
        t.month = d.month();
        t.day = d.day();
        return t;
    };
    const icaltimetype from = bound(today.addDays(-1));
    const icaltimetype until = bound(last.addDays(1));
    // A rule without a count may start at the window; one with a count must be counted
    // from its first occurrence.
    if (recurrence.count == 0 && icaltime_compare(start, from) < 0)
        icalrecur_iterator_set_start(it, from);
    for (int n = 0; n < mostSteps && found.size() < mostOccurrences; ++n) {
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
        if (m.date < today)
            continue;
        const bool isExcluded = std::any_of(excluded.cbegin(), excluded.cend(), [&](const icaltimetype &ex) {
            return ex.is_date || occurrence.is_date ? localMoment(ex, zone).date == m.date
                                                    : icaltime_compare(ex, occurrence) == 0;
        });
        if (!isExcluded)
            found.append(occurrence);
    }
    icalrecur_iterator_free(it);
    return found;
}

void readEvent(icalcomponent *event, QDate today, const QTimeZone &zone, ReadResult &result)
{
    const icaltimetype start = icalcomponent_get_dtstart(event);
    if (icaltime_is_null_time(start) || !icaltime_is_valid_time(start)) {
        ++result.unreadable;
        return;
    }
    const bool recurring = icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY);
    result.recurring = result.recurring || recurring;
    const char *summary = icalcomponent_get_summary(event);
    const QString info =
        typedtext::cleanImportedField(QString::fromUtf8(summary ? summary : ""), result.replaced);
    scheduleitem base;
    base.eventinfo = info;
    base.extra1 = typedtext::cleanImportedField(xText(event, "X-KIBANU-EXTRA1"), result.replaced);
    base.extra2 = typedtext::cleanImportedField(xText(event, "X-KIBANU-EXTRA2"), result.replaced);
    base.extra3 = typedtext::cleanImportedField(xText(event, "X-KIBANU-EXTRA3"), result.replaced);
    const QString storedDate = xText(event, "X-KIBANU-DATE");
    const QString storedTime = xText(event, "X-KIBANU-TIME");
    for (const icaltimetype &occurrence : occurrences(event, start, today, zone)) {
        const Moment m = localMoment(occurrence, zone);
        scheduleitem item = base;
        item.eventdate = QStringLiteral("%1/%2/%3").arg(m.date.year()).arg(m.date.month()).arg(m.date.day());
        item.eventtime = m.time ? QStringLiteral("%1:%2").arg(m.time->hour()).arg(m.time->minute(), 2, 10, QLatin1Char('0'))
                                : QString();
        // This program's own texts of the date and time, while they still mean the moment
        // the event has (another program may have moved it).
        if (!recurring && !storedDate.isEmpty()
            && jdate::parseDate(storedDate, today) == std::optional<QDate>(m.date)
            && (m.time ? jdate::parseTime(storedTime) == m.time : storedTime.isEmpty())) {
            item.eventdate = storedDate;
            item.eventtime = storedTime;
        }
        result.items.append(item);
    }
}

} // namespace

ReadResult read(const QByteArray &bytes, QDate today, const QTimeZone &zone)
{
    ReadResult result;
    QByteArray body = bytes;
    if (body.startsWith("\xEF\xBB\xBF"))
        body.remove(0, 3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8.decode(body);
    if (utf8.hasError()) {
        result.error = QStringLiteral("UTF-8 の文字ではないバイトがあります。");
        return result;
    }
    const QString trimmed = text.trimmed();
    if (!trimmed.startsWith(QLatin1String("BEGIN:VCALENDAR"), Qt::CaseInsensitive)) {
        result.error = QStringLiteral("iCalendar のファイル (BEGIN:VCALENDAR) ではありません。");
        return result;
    }
    if (!trimmed.endsWith(QLatin1String("END:VCALENDAR"), Qt::CaseInsensitive)) {
        result.error = QStringLiteral("ファイルが途中で切れています（END:VCALENDAR がありません）。");
        return result;
    }
    Component root(icalparser_parse_string(body.constData()));
    if (!root) {
        result.error = QStringLiteral("iCalendar として読めませんでした。");
        return result;
    }
    QList<icalcomponent *> calendars;
    if (icalcomponent_isa(root.get()) == ICAL_VCALENDAR_COMPONENT)
        calendars.append(root.get());
    for (icalcomponent *c = icalcomponent_get_first_component(root.get(), ICAL_VCALENDAR_COMPONENT); c;
         c = icalcomponent_get_next_component(root.get(), ICAL_VCALENDAR_COMPONENT))
        calendars.append(c);
    for (icalcomponent *calendar : calendars) {
        QStringList masters; // events with their own rule or moment, by UID
        for (icalcomponent *e = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); e;
             e = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT))
            if (!icalcomponent_get_first_property(e, ICAL_RECURRENCEID_PROPERTY))
                masters.append(uidOf(e));
        for (icalcomponent *e = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); e;
             e = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
            const QString uid = uidOf(e);
            // One changed occurrence of a series: the series gives that day already.
            if (icalcomponent_get_first_property(e, ICAL_RECURRENCEID_PROPERTY) && masters.contains(uid))
                continue;
            if (!result.uids.contains(uid))
                result.uids.append(uid);
            readEvent(e, today, zone, result);
        }
    }
    return result;
}

namespace {

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

bool hasZone(icalcomponent *calendar, const QByteArray &tzid)
{
    for (icalcomponent *z = icalcomponent_get_first_component(calendar, ICAL_VTIMEZONE_COMPONENT); z;
         z = icalcomponent_get_next_component(calendar, ICAL_VTIMEZONE_COMPONENT))
        if (icalproperty *p = icalcomponent_get_first_property(z, ICAL_TZID_PROPERTY);
            p && tzid == icalproperty_get_tzid(p))
            return true;
    return false;
}

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
    return seconds > 0 && seconds < 366 * 86400 ? int(seconds) : 3600;
}

} // namespace

QByteArray patch(const QByteArray &original, const scheduleitem &after, QDate today,
                 const QTimeZone &zone, const QDateTime &stamp)
{
    const auto r = readable(after, today);
    if (!r)
        return {};
    Component root(icalparser_parse_string(original.constData()));
    icalcomponent *event = root ? masterEvent(root.get()) : nullptr;
    if (!event || icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY))
        return {};
    icalcomponent *calendar = icalcomponent_get_parent(event);
    ReadResult read;
    readEvent(event, today, zone, read);
    if (read.items.size() != 1)
        return {};
    const scheduleitem &before = read.items.first();
    if (before.eventinfo != after.eventinfo)
        icalcomponent_set_summary(event, after.eventinfo.toUtf8().constData());
    const auto was = readable(before, today);
    if (!was || was->date != r->date || was->time != r->time) {
        icaltimezone *tz = timezoneOf(zone);
        const QByteArray tzid = zone.id();
        const bool named = tz != icaltimezone_get_utc_timezone() && r->time;
        const int length = lengthOf(event);
        setMoment(event, r->date, r->time, tz, tzid, named, length);
        if (named && !hasZone(calendar, tzid))
            icalcomponent_add_component(
                calendar, zoneComponent(tz, tzid, QDateTime(r->date, *r->time, zone)));
    }
    removeOwnTexts(event);
    addOwnTexts(event, after);
    icalcomponent_set_dtstamp(event, utc(stamp));
    removeAll(event, ICAL_LASTMODIFIED_PROPERTY);
    icalcomponent_add_property(event, icalproperty_new_lastmodified(utc(stamp)));
    const int sequence = icalcomponent_get_first_property(event, ICAL_SEQUENCE_PROPERTY)
                             ? icalcomponent_get_sequence(event)
                             : 0;
    icalcomponent_set_sequence(event, sequence + 1);
    return text(root.get());
}

Added addAll(ScheduleTable &table, const QList<scheduleitem> &items, QDate today)
{
    Added counts;
    const auto sameAs = [today](const scheduleitem &a, const scheduleitem &b) {
        return a.eventinfo == b.eventinfo
               && jdate::parseDate(a.eventdate, today) == jdate::parseDate(b.eventdate, today)
               && (a.eventtime.isEmpty() ? b.eventtime.isEmpty()
                                         : !b.eventtime.isEmpty()
                                               && jdate::parseTime(a.eventtime)
                                                      == jdate::parseTime(b.eventtime));
    };
    for (qsizetype k = 0; k < items.size(); ++k) {
        const scheduleitem &item = items.at(k);
        bool there = false;
        for (int i = 0; i < table.ntschedule() && !there; ++i)
            there = sameAs(table.at(i), item);
        if (there) {
            ++counts.same;
            continue;
        }
        if (table.isFull()) {
            counts.leftOut = int(items.size() - k);
            break;
        }
        // Another program's text of a day without a year keeps meaning that day next year.
        scheduleitem stored = item;
        stored.eventdate = jdate::withYear(item.eventdate, today);
        table.add(stored, today);
        ++counts.added;
    }
    return counts;
}

} // namespace schedulecalendar
