// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The days of one event over several days, changed or taken away together.
#include "scheduletable.h"

#include "text/jdate.h"
#include "text/typedtext.h"

QList<int> ScheduleTable::daysOfEvent(int pos) const
{
    const QString &uid = at(pos).uid;
    if (uid.isEmpty() || !m_spanning.contains(uid))
        return {};
    QList<int> rows;
    for (int i = 0; i < ntschedule(); ++i)
        if (at(i).uid == uid)
            rows.append(i);
    return rows;
}

int ScheduleTable::changeEvent(int pos, const QString &eventdate, const QString &eventtime,
                               const QString &eventinfo, QDate today)
{
    const QList<int> rows = daysOfEvent(pos);
    if (rows.isEmpty())
        return change(pos, eventdate, eventtime, eventinfo, today);
    const std::optional<QDate> from = jdate::parseDate(at(pos).eventdate, today);
    const std::optional<QDate> to = jdate::parseDate(eventdate, today);
    const qint64 moved = from && to ? from->daysTo(*to) : 0;
    QList<scheduleitem> days;
    for (const int row : rows) {
        scheduleitem day; // as the dialog's change leaves an entry: no extra fields
        day.eventinfo = typedtext::cleanField(eventinfo);
        day.eventtime = eventtime;
        day.uid = at(row).uid;
        const std::optional<QDate> d = jdate::parseDate(at(row).eventdate, today);
        day.eventdate = row == pos ? eventdate : d ? jdate::fullDate(d->addDays(moved)) : at(row).eventdate;
        days.append(day);
    }
    for (auto it = rows.crbegin(); it != rows.crend(); ++it)
        removeAt(*it);
    for (const scheduleitem &day : std::as_const(days))
        insertSorted(day, today);
    for (int i = 0; i < ntschedule(); ++i)
        if (at(i).uid == days.first().uid && at(i).eventdate == eventdate)
            return i;
    return 0;
}

void ScheduleTable::removeEvent(int pos)
{
    QList<int> rows = daysOfEvent(pos);
    if (rows.isEmpty())
        rows = {pos};
    for (auto it = rows.crbegin(); it != rows.crend(); ++it)
        removeAt(*it);
}
