// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "repeatrule.h"
#include "scheduletable.h"

#include <QByteArray>
#include <QDateTime>
#include <QStringList>
#include <QTimeZone>

#include <functional>

// The schedule in and out as iCalendar (RFC 5545), written and read by libical.
class RepeatTable;

namespace schedulecalendar {

// The fields that tell an entry from another, in the order the sync hashes them.
[[nodiscard]] QStringList identityFields(const scheduleitem &entry);
// The UID an item of this program gets: "kibanu-" and the start of the hash of the
// identity fields as the loaders give them back (narrowed). The export and the sync name
// an entry alike, so a calendar exported and loaded into the server doubles nothing.
[[nodiscard]] QString uidFor(const scheduleitem &entry);

struct Written {
    QByteArray bytes;
    int unreadable = 0; // entries whose date or time cannot be read: not written
    int series = 0;     // series written with their rules
};

// One VEVENT per entry whose date and time can be read, past ones included: an entry
// without a time is an all-day event, one with a time starts then in `zone` and lasts an
// hour. Timed events name the zone as the zone database does, and one VTIMEZONE carries
// its rules from the first of them on (none in UTC). The UID is the entry's item's, else
// `uidFor` (a second copy gets "-2" after it), as the sync names a new item; the
// extra fields travel as X-KIBANU-EXTRA1..3 and the texts of the date and time as
// stored as X-KIBANU-DATE and X-KIBANU-TIME.
// With `series`, each series that can be read follows as one VEVENT with its RRULE and
// EXDATEs (UID "kibanu-" and the hash of its line).
[[nodiscard]] Written write(const ScheduleTable &table, QDate today, const QTimeZone &zone,
                            const QDateTime &stamp, const RepeatTable *series = nullptr);

struct ReadResult {
    QList<scheduleitem> items;
    QStringList replaced; // characters CP932 cannot hold, each replaced by "？"
    int unreadable = 0;   // events without a start that can be read
    QString error;        // why the file was refused; nothing is taken then
    QStringList uids;     // of the events, each once
    bool recurring = false; // an event repeats by a rule, or lasts several days
    bool spans = false;     // an event that does not repeat lasts several days
    int cancelled = 0;      // cancelled events and occurrences: no entries
    int notEvents = 0;      // to-dos and journal entries: not appointments
    QStringList limited;    // texts of repeating events cut to a day's and an event's share
    bool takeSeries = false;   // asked for: a rule the program has gives a series
    QList<repeatitem> series; // those series, their changed days among the items
};

// Every VEVENT as entries: its start in `zone`, the date "yyyy/m/d" and the time "h:mm"
// (none for an all-day event), SUMMARY and X-KIBANU-EXTRA1..3 through the typing guard as
// the text and the extras. A recurring event gives its occurrences from today to a year
// ahead, less its EXDATEs, at most 100 and, for a rule finer than a day, one a day. An
// occurrence changed in the file (RECURRENCE-ID, before or after its series) gives the
// changed entry in its place; a cancelled one (STATUS:CANCELLED) gives none, nor does a
// cancelled event. The stored texts of date and time come back when an event that does
// not recur still starts at the moment they mean.
// With takeSeries, a recurring event whose RRULE one of repeat.txt's rules says exactly
// (every day, Monday to Friday, every week or other week, every month by its day or by one
// nth weekday, every year; UNTIL or COUNT) is one series instead of its occurrences.
[[nodiscard]] ReadResult read(const QByteArray &bytes, QDate today, const QTimeZone &zone,
                              bool takeSeries = false);

// One entry as a calendar of its own with that UID, as a calendar server keeps it;
// empty when its date or time cannot be read.
[[nodiscard]] QByteArray item(const scheduleitem &entry, const QString &uid, QDate today,
                              const QTimeZone &zone, const QDateTime &stamp);

// The event of `original` with the entry's changes since what it reads as: SUMMARY for the
// text; for a new date or time DTSTART and DTEND in place of any DTEND or DURATION (with a
// time the event keeps its length, an hour when it had none; without one it lasts the
// day), with the zone's VTIMEZONE when the calendar has none; the X-KIBANU texts written
// anew. DTSTAMP and LAST-MODIFIED become `stamp` and SEQUENCE counts up; every other
// property and component stays as it was. Empty when the entry's date or time cannot be
// read, or when `original` holds no single event that can be read, or a series.
[[nodiscard]] QByteArray patch(const QByteArray &original, const scheduleitem &after, QDate today,
                               const QTimeZone &zone, const QDateTime &stamp);

// The event over several days of `original` changed as a whole, as its first day `first`
// and its last day `last` now are: SUMMARY when the text changed, the days it lasts, this
// program's own texts and the stamps of a change; everything else stays. Empty when the
// days cannot be read, have a time, or `original` holds no such event or one that began
// before today.
[[nodiscard]] QByteArray patchSpan(const QByteArray &original, const scheduleitem &first, QDate last,
                                   QDate today, const QTimeZone &zone, const QDateTime &stamp);

// Which entry of a series an occurrence read as (the sync knows it by its hash).
using OccurrenceTest = std::function<bool(const scheduleitem &)>;

// The series of `original` with one occurrence changed: the first that `was` accepts as
// it reads from today on. With `after`, a copy of the series for that occurrence
// (RECURRENCE-ID) carries the change, or the copy the file had for it is changed;
// without, an EXDATE takes the occurrence out (and its copy, if any). The series, its
// other copies and whatever else the file holds stay. Empty when `original` holds no
// series, no occurrence is the one, or the entry's date or time cannot be read.
[[nodiscard]] QByteArray patchOccurrence(const QByteArray &original, const OccurrenceTest &was,
                                         const scheduleitem *after, QDate today,
                                         const QTimeZone &zone, const QDateTime &stamp);

// A series of repeat.txt as a sync folder's item, with its changed days (entries of
// schedule.txt that replace a day it leaves out) as changed occurrences (RECURRENCE-ID);
// `placed` holds which of those the item took: one that replaces no day of the series
// stays an appointment of its own. Empty bytes: the series cannot be read.
struct SeriesItem {
    QByteArray bytes;
    QList<int> placed;
};
// A new item with that UID.
[[nodiscard]] SeriesItem seriesItem(const repeatitem &series, const QList<scheduleitem> &changedDays,
                                    const QString &uid, QDate today, const QTimeZone &zone,
                                    const QDateTime &stamp);
// The item `original` changed to the series: what another program keeps in it stays (its
// own form of an unchanged rule too); its changed occurrences from today on are the
// changed days, those before today stay; a day left out that no changed day has gets an
// EXDATE.
[[nodiscard]] SeriesItem patchSeries(const QByteArray &original, const repeatitem &series,
                                     const QList<scheduleitem> &changedDays, QDate today,
                                     const QTimeZone &zone, const QDateTime &stamp);

struct Added {
    int added = 0;
    int same = 0;    // an entry of that day, time and text was there already
    int leftOut = 0; // the schedule was full
};

// Adds the entries that are not there yet (the same text on the same day at the same
// time), where the list places them, until the table is full. A date without a year gets
// the year it means today in front, so it keeps meaning that day.
Added addAll(ScheduleTable &table, const QList<scheduleitem> &items, QDate today);
// The series that repeat.txt does not hold yet (the same text, start, time and rule).
Added addAllSeries(RepeatTable &table, const QList<repeatitem> &series);

} // namespace schedulecalendar
