// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "reminders.h"

#include "scheduletable.h"
#include "text/jdate.h"

namespace {

constexpr qint64 graceSeconds = 60;

QString bodyFor(const QDateTime &start, const QDateTime &now)
{
    const qint64 seconds = now.secsTo(start);
    if (seconds < 60)
        return QStringLiteral("まもなく");
    return QStringLiteral("あと %1 分").arg((seconds + 59) / 60);
}

bool stillAhead(const QDateTime &start, const QDateTime &now)
{
    return now.secsTo(start) > -graceSeconds;
}

} // namespace

void Reminders::setLead(int minutes)
{
    m_lead = minutes >= 0 && minutes <= MostLead ? minutes : DefaultLead;
}

QList<Reminders::Pending> Reminders::pending(const ScheduleTable &table,
                                             const QDateTime &now) const
{
    QList<Pending> found;
    QSet<QString> present;
    const QDate today = now.date();
    for (int i = 0; i < table.ntschedule(); ++i) {
        const scheduleitem &item = table.at(i);
        if (item.eventtime.isEmpty())
            continue; // the today window covers the day's entries without a time
        const auto date = jdate::parseDate(item.eventdate, today);
        const auto time = jdate::parseTime(item.eventtime);
        if (!date || !time)
            continue;
        const QDateTime start(*date, *time);
        if (!stillAhead(start, now))
            continue;
        Announcement a;
        a.start = start;
        a.line = jdate::formatHhMm(*time) + QLatin1Char(' ') + item.eventinfo;
        a.key = start.toString(Qt::ISODate) + QLatin1Char(' ') + item.eventinfo;
        present.insert(a.key);
        if (!m_announced.contains(a.key))
            found.append({start.addSecs(-60 * qint64(m_lead)), a});
    }
    // Only while the appointment is still there as it was: a deleted one is never announced.
    for (const Pending &snoozed : m_snoozed)
        if (present.contains(snoozed.announcement.key))
            found.append(snoozed);
    return found;
}

QList<Reminders::Announcement> Reminders::takeDue(const ScheduleTable &table,
                                                  const QDateTime &now)
{
    QList<Announcement> due;
    for (Pending &p : pending(table, now)) {
        if (p.due > now)
            continue;
        p.announcement.body = bodyFor(p.announcement.start, now);
        m_announced.insert(p.announcement.key);
        due.append(p.announcement);
    }
    m_snoozed.removeIf([&](const Pending &p) { return p.due <= now; });
    return due;
}

std::optional<QDateTime> Reminders::nextDue(const ScheduleTable &table, const QDateTime &now) const
{
    std::optional<QDateTime> next;
    for (const Pending &p : pending(table, now))
        if (p.due > now && (!next || p.due < *next))
            next = p.due;
    return next;
}

void Reminders::snooze(const Announcement &announcement, const QDateTime &at)
{
    m_snoozed.append({at, announcement});
}
