// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the writing, reading and patching of iCalendar share; only the schedulecalendar
// files include it, so libical stays out of every other header.
#include "schedulecalendar.h"

#include <libical/ical.h>

#include <memory>
#include <optional>

namespace schedulecalendar::detail {

// libical's objects, freed with their owners' functions.
struct ComponentFree {
    void operator()(icalcomponent *c) const { icalcomponent_free(c); }
};
using Component = std::unique_ptr<icalcomponent, ComponentFree>;

// The zone in libical's terms; UTC for one it does not know.
icaltimezone *timezoneOf(const QTimeZone &zone);
// The zone's rules from a day before `from` on, named as the zone database does.
icalcomponent *zoneComponent(icaltimezone *tz, const QByteArray &tzid, const QDateTime &from);
void removeAll(icalcomponent *event, icalproperty_kind kind);
// A day as an iCalendar DATE.
icaltimetype dateValue(QDate day);
// The start (and end, `length` seconds later, or the next day for an all-day event),
// in place of any the event had.
void setMoment(icalcomponent *event, QDate date, std::optional<QTime> time, icaltimezone *tz,
               const QByteArray &tzid, bool named, int length);
// The texts this program keeps in the event: the date and time as stored, the extras.
void addOwnTexts(icalcomponent *event, const scheduleitem &item);

// An entry whose date (and time, if it has one) can be read.
struct Readable {
    const scheduleitem *item;
    QDate date;
    std::optional<QTime> time; // none: an all-day event
};
std::optional<Readable> readable(const scheduleitem &item, QDate today);

icaltimetype utc(const QDateTime &t);
// The calendar as the text of a file.
QByteArray text(icalcomponent *calendar);

// A moment of an event as this program keeps it: the day and time in the given zone.
struct Moment {
    QDate date;
    std::optional<QTime> time; // none for an all-day event
};
Moment localMoment(icaltimetype t, const QTimeZone &zone);
struct Occurrences {
    QList<icaltimetype> times;
    bool limited = false; // more fell in the window than an event may give
};
// When the event falls: its start, or for a recurring one each occurrence from today to a
// year ahead that its EXDATEs and the `replaced` ones (changed elsewhere in the file) leave.
Occurrences occurrences(icalcomponent *event, icaltimetype start, QDate today,
                        const QTimeZone &zone, const QList<icaltimetype> &replaced = {});

// The event's entries added to `result`: one, or one for each occurrence of a recurring
// event; an event without a start that can be read is counted as unreadable. `times`
// gets when each entry falls in the event's own terms, as a RECURRENCE-ID names it.
void readEvent(icalcomponent *event, QDate today, const QTimeZone &zone, ReadResult &result,
               const QList<icaltimetype> &replaced = {}, QList<icaltimetype> *times = nullptr);

// The text of this program's X- property, or nothing.
QString xText(icalcomponent *event, const char *name);

// What a series' event is written in: the zone and how its times name it.
struct SeriesZone {
    icaltimezone *tz;
    QByteArray tzid;
    bool named;
    icaltimetype dtstamp;
    QTimeZone zone;
};
// The series as one VEVENT: its first day as the start, its rule as the RRULE (UNTIL its
// last day), its days left out as EXDATEs.
icalcomponent *seriesEvent(const repeatitem &item, const RepeatSeries &series, const QString &uid,
                           const SeriesZone &z);
// The recurring event as a series, when one of the program's rules gives exactly its
// days (its EXDATEs and its changed occurrences `replaced` left out), checked against
// libical's own days of the coming year; nothing otherwise.
std::optional<repeatitem> seriesOf(icalcomponent *event, QDate today, const QTimeZone &zone,
                                   const QList<icaltimetype> &replaced, QStringList &changedChars);

// The item's event: the first that is not one changed occurrence of a series.
icalcomponent *masterEvent(icalcomponent *root);
icaltimetype recurrenceIdOf(icalcomponent *event);
// The event's changes from `before` (as it reads) to `after`: SUMMARY when the text
// changed, the start and end when the moment did, this program's own texts anew, and the
// stamps of a change.
void applyChange(icalcomponent *event, const scheduleitem &before, const Readable &after,
                 QDate today, const QTimeZone &zone, const QDateTime &stamp);
void removeOwnTexts(icalcomponent *event);
bool hasZone(icalcomponent *calendar, const QByteArray &tzid);
// The changed occurrences (RECURRENCE-ID) of the series `master`, in the calendar's order.
QList<icalcomponent *> changedCopies(icalcomponent *calendar, icalcomponent *master);
// The moment as the series' start writes it: with its TZID, or as a date.
void nameAsStart(icalproperty *p, icalcomponent *master, icaltimetype t);
// The series' copy for one occurrence: everything the series has but its rules, falling
// when the occurrence does and lasting as long.
icalcomponent *copyFor(icalcomponent *master, icaltimetype id);
// DTSTAMP and LAST-MODIFIED are `stamp`, SEQUENCE counts up.
void stampChange(icalcomponent *event, const QDateTime &stamp);

} // namespace schedulecalendar::detail
