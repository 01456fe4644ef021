// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The schedule written as iCalendar: the export's file and the sync's items.
#include "schedulecalendar_internal.h"

#include "repeattable.h"
#include "text/jdate.h"
#include "text/narrow.h"

#include <QCryptographicHash>
#include <QHash>

namespace schedulecalendar {

using namespace detail;

namespace {

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

} // namespace

QStringList identityFields(const scheduleitem &e)
{
    return {e.eventinfo, e.eventdate, e.eventtime, e.extra1, e.extra2, e.extra3};
}

QString uidFor(const scheduleitem &entry)
{
    const QByteArray hash = QCryptographicHash::hash(
        narrow(identityFields(entry).join(QChar(0x1f))).toUtf8(), QCryptographicHash::Sha1);
    return QStringLiteral("kibanu-") + QString::fromLatin1(hash.toHex().left(32));
}

namespace {

// The series that can be read, with the first moment of the timed ones.
QList<std::pair<int, RepeatSeries>> readableSeries(const RepeatTable *series, const QTimeZone &zone,
                                                   std::optional<QDateTime> &first)
{
    QList<std::pair<int, RepeatSeries>> all;
    for (int row = 0; series && row < series->count(); ++row) {
        const auto &s = series->series(row);
        const auto day = s ? s->rule.firstOnOrAfter(s->start, s->start) : std::nullopt;
        if (!day || (s->until.isValid() && *day > s->until))
            continue;
        all.append({row, *s});
        if (const auto time = jdate::parseTime(series->at(row).eventtime);
            time && (!first || QDateTime(*day, *time, zone) < *first))
            first = QDateTime(*day, *time, zone);
    }
    return all;
}

QString seriesUid(const repeatitem &item)
{
    const QStringList fields{item.eventinfo, item.startdate, item.eventtime, item.rule,
                             item.until,     item.extra1,    item.extra2,    item.extra3};
    const QByteArray hash =
        QCryptographicHash::hash(fields.join(QChar(0x1f)).toUtf8(), QCryptographicHash::Sha1);
    return QStringLiteral("kibanu-") + QString::fromLatin1(hash.toHex().left(32));
}

} // namespace

Written write(const ScheduleTable &table, QDate today, const QTimeZone &zone, const QDateTime &stamp,
              const RepeatTable *series)
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

    const QList<std::pair<int, RepeatSeries>> repeating = readableSeries(series, zone, first);

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
        QString uid = r.item->uid;
        if (uid.isEmpty()) {
            uid = uidFor(*r.item);
            if (const int repeat = ++seen[uid]; repeat > 1)
                uid += u'-' + QString::number(repeat);
        }
        icalcomponent_add_component(calendar.get(), newEvent(r, uid, tz, tzid, named, dtstamp));
    }
    const SeriesZone z{tz, tzid, named, dtstamp, zone};
    for (const auto &[row, s] : repeating)
        icalcomponent_add_component(calendar.get(),
                                    seriesEvent(series->at(row), s,
                                                series->at(row).uid.isEmpty() ? seriesUid(series->at(row))
                                                                              : series->at(row).uid,
                                                z));
    written.series = int(repeating.size());
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

} // namespace schedulecalendar
