// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "schedulesync.h"

#include "schedule/schedulecalendar.h"
#include "schedule/scheduletable.h"
#include "text/jdate.h"

#include <algorithm>

ScheduleSync::ScheduleSync(ScheduleTable &table, QDate today, const QTimeZone &zone,
                           const QDateTime &stamp)
    : m_table(table), m_today(today), m_zone(zone), m_stamp(stamp)
{
}

ScheduleSync::~ScheduleSync() = default;

QString ScheduleSync::extension() const
{
    return QStringLiteral(".ics");
}

int ScheduleSync::count() const
{
    return m_table.ntschedule();
}

syncmerge::Entry ScheduleSync::entryOf(const scheduleitem &e) const
{
    // The day and time as they read, so "2027/01/05" is the day "2027/1/5" is.
    const std::optional<QDate> day = jdate::parseDate(e.eventdate, m_today);
    const std::optional<QTime> time = jdate::parseTime(e.eventtime);
    const QString dayText = day ? day->toString(Qt::ISODate) : e.eventdate;
    const QString timeText = e.eventtime.isEmpty() ? QString()
                             : time                ? time->toString(QStringLiteral("HH:mm"))
                                                   : e.eventtime;
    return {hashOf(schedulecalendar::identityFields(e)), hashOf({e.eventinfo}),
            hashOf({e.eventdate, e.eventtime}), hashOf({e.eventinfo, dayText, timeText})};
}

syncmerge::Entry ScheduleSync::entryAt(int row) const
{
    return entryOf(m_table.at(row));
}

QString ScheduleSync::uidAt(int row) const
{
    return m_table.at(row).uid;
}

void ScheduleSync::setUid(int row, const QString &uid)
{
    m_table.setUid(row, uid);
}

void ScheduleSync::removeAt(int row)
{
    m_table.removeAt(row);
}

QString ScheduleSync::lineAt(int row) const
{
    const scheduleitem &e = m_table.at(row);
    return scheduleListLine(e.eventdate, e.eventtime, e.eventinfo, m_today);
}

ReadItem ScheduleSync::read(const QByteArray &bytes)
{
    ReadItem item;
    schedulecalendar::ReadResult read = schedulecalendar::read(bytes, m_today, m_zone);
    if (!read.error.isEmpty()) {
        item.problem = SkipReason::Unreadable;
        item.detail = read.error;
    } else if (read.uids.size() != 1 || read.uids.first().isEmpty()) {
        item.problem = SkipReason::NotOneEvent;
    } else if (read.unreadable > 0) {
        item.problem = SkipReason::DateUnreadable;
    }
    item.uid = read.uids.value(0);
    item.series = read.recurring;
    item.spans = read.spans;
    for (const scheduleitem &e : std::as_const(read.items))
        item.entries.append(entryOf(e));
    item.held = m_read.size();
    m_read.append(std::move(read.items));
    return item;
}

std::optional<QString> ScheduleSync::add(qsizetype held, const QString &uid)
{
    const QList<scheduleitem> items = m_read.value(held);
    qsizetype taken = 0;
    for (scheduleitem item : items) {
        if (m_table.isFull())
            break;
        item.uid = uid;
        m_table.add(item, m_today);
        ++taken;
    }
    if (taken < items.size())
        return items.value(taken).eventinfo; // not all in: the next start tries again
    return std::nullopt;
}

bool ScheduleSync::belongsInFolder(int row) const
{
    return !m_table.isPastAt(row, m_today);
}

QByteArray ScheduleSync::item(int row, const QString &uid) const
{
    return schedulecalendar::item(m_table.at(row), uid, m_today, m_zone, m_stamp);
}

QByteArray ScheduleSync::patch(int row, const QByteArray &original) const
{
    return schedulecalendar::patch(original, m_table.at(row), m_today, m_zone, m_stamp);
}

QByteArray ScheduleSync::patchOccurrence(const QByteArray &original, const QByteArray &was,
                                         int row) const
{
    const auto isWas = [this, &was](const scheduleitem &e) { return entryOf(e).hash == was; };
    return schedulecalendar::patchOccurrence(original, isWas, row < 0 ? nullptr : &m_table.at(row),
                                             m_today, m_zone, m_stamp);
}

QByteArray ScheduleSync::patchEvent(const QList<int> &rows, const QByteArray &original) const
{
    // One text and one time on consecutive days, as a change of the whole event leaves them.
    QList<std::pair<QDate, int>> days;
    for (const int row : rows) {
        const scheduleitem &e = m_table.at(row);
        const std::optional<QDate> day = jdate::parseDate(e.eventdate, m_today);
        if (!day || e.eventinfo != m_table.at(rows.first()).eventinfo
            || e.eventtime != m_table.at(rows.first()).eventtime)
            return {};
        days.append({*day, row});
    }
    std::sort(days.begin(), days.end());
    for (qsizetype i = 1; i < days.size(); ++i)
        if (days.at(i - 1).first.daysTo(days.at(i).first) != 1)
            return {};
    return schedulecalendar::patchSpan(original, m_table.at(days.first().second), days.last().first,
                                       m_today, m_zone, m_stamp);
}
