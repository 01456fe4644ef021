// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scheduletable.h"

#include <QByteArray>
#include <QDateTime>
#include <QStringList>
#include <QTimeZone>

// The schedule in and out as iCalendar (RFC 5545), written and read by libical.
namespace schedulecalendar {

struct Written {
    QByteArray bytes;
    int unreadable = 0; // entries whose date or time cannot be read: not written
};

// One VEVENT per entry, past ones included: an entry without a time is an all-day
// event, one with a time starts then in `zone` (with its VTIMEZONE) and lasts an hour.
// The UID comes from the entry's fields, so the same entry always has the same one; the
// extra fields travel as X-KIBANU-EXTRA1..3 and the texts of the date and time as
// stored as X-KIBANU-DATE and X-KIBANU-TIME.
[[nodiscard]] Written write(const ScheduleTable &table, QDate today, const QTimeZone &zone,
                            const QDateTime &stamp);

struct ReadResult {
    QList<scheduleitem> items;
    QStringList replaced; // characters CP932 cannot hold, each replaced by "？"
    int unreadable = 0;   // events without a start that can be read
    QString error;        // why the file was refused; nothing is taken then
    QStringList uids;     // of the events, each once
    bool recurring = false; // an event repeats by a rule
};

// Every VEVENT as entries: its start in `zone`, the date "yyyy/m/d" and the time "h:mm"
// (none for an all-day event), SUMMARY through the typing guard as the text. A recurring
// event gives its occurrences from today to a year ahead. The stored texts of date and
// time come back when the event still starts at the moment they mean.
[[nodiscard]] ReadResult read(const QByteArray &bytes, QDate today, const QTimeZone &zone);

// One entry as a calendar of its own with that UID, as a calendar server keeps it;
// empty when its date or time cannot be read.
[[nodiscard]] QByteArray item(const scheduleitem &entry, const QString &uid, QDate today,
                              const QTimeZone &zone, const QDateTime &stamp);

// The event of `original` with the entry's changes since what it reads as: SUMMARY for the
// text, DTSTART and DTEND (the length kept) for the date and time, the X-KIBANU texts;
// every other property and component stays as it was, and SEQUENCE counts up. Empty when
// `original` holds no single event that can be read, or a series.
[[nodiscard]] QByteArray patch(const QByteArray &original, const scheduleitem &after, QDate today,
                               const QTimeZone &zone, const QDateTime &stamp);

struct Added {
    int added = 0;
    int same = 0;    // an entry of that day, time and text was there already
    int leftOut = 0; // the schedule was full
};

// Adds the entries that are not there yet, where the list places them, until the table
// is full.
Added addAll(ScheduleTable &table, const QList<scheduleitem> &items, QDate today);

} // namespace schedulecalendar
