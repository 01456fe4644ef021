// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "schedulesync.h"

#include "schedule/repeattable.h"
#include "schedule/schedulecalendar.h"
#include "text/jdate.h"

#include <algorithm>

ScheduleSync::ScheduleSync(ScheduleTable &table, QDate today, const QTimeZone &zone,
                           const QDateTime &stamp, RepeatTable *series)
    : m_table(table), m_series(series), m_today(today), m_zone(zone), m_stamp(stamp)
{
}

ScheduleSync::~ScheduleSync() = default;

QString ScheduleSync::extension() const
{
    return QStringLiteral(".ics");
}

int ScheduleSync::count() const
{
    return m_table.ntschedule() + (m_series ? m_series->count() : 0);
}

int ScheduleSync::seriesRow(int row) const
{
    return row >= m_table.ntschedule() ? row - m_table.ntschedule() : -1;
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
    const int s = seriesRow(row);
    return s < 0 ? entryOf(m_table.at(row)) : entryOf(m_series->at(s));
}

QString ScheduleSync::uidAt(int row) const
{
    const int s = seriesRow(row);
    return s < 0 ? m_table.at(row).uid : m_series->at(s).uid;
}

void ScheduleSync::setUid(int row, const QString &uid)
{
    if (const int s = seriesRow(row); s >= 0)
        m_series->setUid(s, uid);
    else
        m_table.setUid(row, uid);
}

void ScheduleSync::removeAt(int row)
{
    if (const int s = seriesRow(row); s >= 0)
        m_series->removeAt(s);
    else
        m_table.removeAt(row);
}

QString ScheduleSync::lineAt(int row) const
{
    if (const int s = seriesRow(row); s >= 0) {
        const QString line = m_series->listLine(s, m_today);
        return line.isEmpty() ? m_series->at(s).eventinfo : line;
    }
    const scheduleitem &e = m_table.at(row);
    return scheduleListLine(e.eventdate, e.eventtime, e.eventinfo, m_today);
}

ReadItem ScheduleSync::read(const QByteArray &bytes)
{
    ReadItem item;
    schedulecalendar::ReadResult read = schedulecalendar::read(bytes, m_today, m_zone, m_series != nullptr);
    if (!read.error.isEmpty()) {
        item.problem = SkipReason::Unreadable;
        item.detail = read.error;
    } else if (read.uids.size() != 1 || read.uids.first().isEmpty()) {
        item.problem = SkipReason::NotOneEvent;
    } else if (read.unreadable > 0) {
        item.problem = SkipReason::DateUnreadable;
    }
    item.uid = read.uids.value(0);
    Held held{std::move(read.items), std::nullopt};
    if (read.series.size() == 1) {
        // A series of repeat.txt: its entry, then those of its changed days.
        held.series = read.series.first();
        item.rule = true;
        item.entries.append(entryOf(*held.series));
    } else {
        item.series = read.recurring;
        item.spans = read.spans;
    }
    for (const scheduleitem &e : std::as_const(held.items))
        item.entries.append(entryOf(e));
    item.held = m_read.size();
    m_read.append(std::move(held));
    return item;
}

std::optional<QString> ScheduleSync::add(qsizetype held, const QString &uid)
{
    if (held < 0 || held >= m_read.size())
        return std::nullopt; // an item read with nothing to take
    const Held &read = m_read.at(held);
    if (read.series && m_series) {
        repeatitem series = *read.series;
        series.uid = uid;
        m_series->add(series);
    }
    const QList<scheduleitem> &items = read.items;
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
    // A series stays while repeat.txt has it, ended or not; a line it cannot read is no item.
    if (const int s = seriesRow(row); s >= 0)
        return m_series->series(s).has_value();
    return !m_table.isPastAt(row, m_today) && !m_elsewhere.contains(m_table.at(row).uid);
}

QByteArray ScheduleSync::item(int row, const QString &uid) const
{
    if (holdsRule(row))
        return ruleItem(row, {}, uid).bytes;
    return schedulecalendar::item(m_table.at(row), uid, m_today, m_zone, m_stamp);
}

QByteArray ScheduleSync::patch(int row, const QByteArray &original) const
{
    if (holdsRule(row))
        return {};
    return schedulecalendar::patch(original, m_table.at(row), m_today, m_zone, m_stamp);
}

QByteArray ScheduleSync::patchOccurrence(const QByteArray &original, const QByteArray &was,
                                         int row) const
{
    if (holdsRule(row))
        return {};
    const auto isWas = [this, &was](const scheduleitem &e) { return entryOf(e).hash == was; };
    return schedulecalendar::patchOccurrence(original, isWas, row < 0 ? nullptr : &m_table.at(row),
                                             m_today, m_zone, m_stamp);
}

QByteArray ScheduleSync::patchEvent(const QList<int> &rows, const QByteArray &original) const
{
    // One text and one time on consecutive days, as a change of the whole event leaves them.
    QList<std::pair<QDate, int>> days;
    for (const int row : rows) {
        if (holdsRule(row))
            return {};
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
