// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The series of repeat.txt in the sync folder: each an item with its rule, the entries of
// schedule.txt that replace one of its days inside it.
#include "schedulesync.h"

#include "schedule/repeattable.h"
#include "schedule/schedulecalendar.h"
#include "text/jdate.h"

#include <algorithm>

syncmerge::Entry ScheduleSync::entryOf(const repeatitem &s) const
{
    // The fields as they read, so that a server's form of the same series is the same;
    // "R" keeps a series' keys from ever being an appointment's.
    const auto read = RepeatSeries::of(s);
    if (!read)
        return {hashOf({QStringLiteral("R"), s.eventinfo, s.startdate, s.eventtime, s.rule,
                        s.until, s.except, s.extra1, s.extra2, s.extra3}),
                hashOf({QStringLiteral("R"), s.eventinfo}),
                hashOf({QStringLiteral("R"), s.startdate, s.eventtime, s.rule})};
    QList<QDate> except = read->except;
    std::sort(except.begin(), except.end());
    except.erase(std::unique(except.begin(), except.end()), except.end());
    QStringList days;
    for (const QDate d : std::as_const(except))
        days.append(d.toString(Qt::ISODate));
    const QString start = read->start.toString(Qt::ISODate);
    const auto parsed = jdate::parseTime(s.eventtime);
    const QString time = parsed ? parsed->toString(u"HH:mm") : s.eventtime;
    const QString rule = read->rule.text();
    return {hashOf({QStringLiteral("R"), s.eventinfo, start, time, rule,
                    read->until.toString(Qt::ISODate), days.join(u';'), s.extra1, s.extra2, s.extra3}),
            hashOf({QStringLiteral("R"), s.eventinfo}), hashOf({QStringLiteral("R"), start, time, rule})};
}

bool ScheduleSync::holdsRule(int row) const
{
    return seriesRow(row) >= 0;
}

QList<scheduleitem> ScheduleSync::daysAt(const QList<int> &rows) const
{
    QList<scheduleitem> days;
    for (const int row : rows)
        days.append(m_table.at(row));
    return days;
}

namespace {

SyncTable::RuleItem rowsPlaced(const schedulecalendar::SeriesItem &made, const QList<int> &days)
{
    SyncTable::RuleItem out{made.bytes, {}};
    for (const int i : made.placed)
        out.placed.append(days.at(i));
    return out;
}

} // namespace

SyncTable::RuleItem ScheduleSync::ruleItem(int row, const QList<int> &days, const QString &uid) const
{
    const int s = seriesRow(row);
    if (s < 0)
        return {};
    return rowsPlaced(schedulecalendar::seriesItem(m_series->at(s), daysAt(days), uid, m_today,
                                                   m_zone, m_stamp),
                      days);
}

SyncTable::RuleItem ScheduleSync::patchRule(const QByteArray &original, int row,
                                            const QList<int> &days) const
{
    const int s = seriesRow(row);
    if (s < 0)
        return {};
    // Days that passed since are no change: the item stays as it is when it reads as the
    // series and its days here from today on.
    const schedulecalendar::ReadResult read = schedulecalendar::read(original, m_today, m_zone, true);
    if (read.series.size() == 1 && entryOf(read.series.first()).hash == entryAt(row).hash) {
        QList<QByteArray> there;
        QList<QByteArray> here;
        for (const scheduleitem &e : read.items)
            there.append(entryOf(e).hash);
        for (const int day : days)
            here.append(entryAt(day).hash);
        std::sort(there.begin(), there.end());
        std::sort(here.begin(), here.end());
        if (there == here)
            return {original, days};
    }
    return rowsPlaced(schedulecalendar::patchSeries(original, m_series->at(s), daysAt(days), m_today,
                                                    m_zone, m_stamp),
                      days);
}
