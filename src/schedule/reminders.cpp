// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "reminders.h"

#include "repeattable.h"
#include "scheduletable.h"
#include "text/jdate.h"

namespace {

constexpr qint64 graceSeconds = 60;

bool stillAhead(const QDateTime &start, const QDateTime &now)
{
    return now.secsTo(start) > -graceSeconds;
}

// The entry as an appointment with a time; nothing for one without a time or with a date
// or time that cannot be read.
std::optional<Reminders::Announcement> announcementOf(QDate date, const QString &eventtime,
                                                      const QString &eventinfo)
{
    if (eventtime.isEmpty())
        return std::nullopt; // the today window covers the day's entries without a time
    const auto time = jdate::parseTime(eventtime);
    if (!time)
        return std::nullopt;
    Reminders::Announcement a;
    a.start = QDateTime(date, *time);
    a.line = jdate::formatHhMm(*time) + QLatin1Char(' ') + eventinfo;
    a.key = a.start.toString(Qt::ISODate) + QLatin1Char(' ') + eventinfo;
    return a;
}

std::optional<Reminders::Announcement> appointmentOf(const scheduleitem &item, QDate today)
{
    const auto date = jdate::parseDate(item.eventdate, today);
    if (!date)
        return std::nullopt;
    return announcementOf(*date, item.eventtime, item.eventinfo);
}

} // namespace

QString Reminders::bodyAt(const QDateTime &start, const QDateTime &now)
{
    const qint64 seconds = now.secsTo(start);
    if (seconds <= -60)
        return jdate::formatHhMm(start.time()) + QStringLiteral(" の予定です");
    if (seconds < 60)
        return QStringLiteral("まもなく");
    return QStringLiteral("あと %1 分").arg((seconds + 59) / 60);
}

int Reminders::rowOf(const ScheduleTable &table, const Announcement &announcement, QDate today)
{
    for (int i = 0; i < table.ntschedule(); ++i)
        if (const auto a = appointmentOf(table.at(i), today); a && a->key == announcement.key)
            return i;
    return -1;
}

int Reminders::seriesRowOf(const RepeatTable &series, const Announcement &announcement)
{
    const QDate day = announcement.start.date();
    for (int row = 0; row < series.count(); ++row)
        if (const auto &s = series.series(row); s && s->fallsOn(day))
            if (const auto a = announcementOf(day, series.at(row).eventtime, series.at(row).eventinfo);
                a && a->key == announcement.key)
                return row;
    return -1;
}

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
    QList<Announcement> all = seriesDays(today);
    for (int i = 0; i < table.ntschedule(); ++i)
        if (const auto a = appointmentOf(table.at(i), today))
            all.append(*a);
    for (const Announcement &a : std::as_const(all)) {
        if (!stillAhead(a.start, now))
            continue;
        present.insert(a.key);
        if (!m_announced.contains(a.key))
            found.append({a.start.addSecs(-60 * qint64(m_lead)), a});
    }
    // Only while the appointment is still there as it was: a deleted one is never announced.
    for (const Pending &snoozed : m_snoozed)
        if (present.contains(snoozed.announcement.key))
            found.append(snoozed);
    return found;
}

QList<Reminders::Announcement> Reminders::seriesDays(QDate today) const
{
    QList<Announcement> days;
    if (!m_series)
        return days;
    for (int row = 0; row < m_series->count(); ++row)
        for (const QDate day : {today, today.addDays(1)})
            if (const auto &series = m_series->series(row); series && series->fallsOn(day))
                if (const auto a = announcementOf(day, m_series->at(row).eventtime,
                                                  m_series->at(row).eventinfo))
                    days.append(*a);
    return days;
}

QList<Reminders::Announcement> Reminders::takeDue(const ScheduleTable &table,
                                                  const QDateTime &now)
{
    QList<Announcement> due;
    for (Pending &p : pending(table, now)) {
        if (p.due > now)
            continue;
        p.announcement.body = bodyAt(p.announcement.start, now);
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
