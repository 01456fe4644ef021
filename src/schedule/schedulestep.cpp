// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "schedulestep.h"

#include "repeattable.h"

namespace {

bool same(const scheduleitem &a, const scheduleitem &b)
{
    return a.eventdate == b.eventdate && a.eventtime == b.eventtime && a.eventinfo == b.eventinfo
           && a.extra1 == b.extra1 && a.extra2 == b.extra2 && a.extra3 == b.extra3;
}

bool sameSeries(const repeatitem &a, const repeatitem &b)
{
    return a.eventinfo == b.eventinfo && a.startdate == b.startdate && a.eventtime == b.eventtime
           && a.rule == b.rule && a.until == b.until && a.except == b.except && a.extra1 == b.extra1
           && a.extra2 == b.extra2 && a.extra3 == b.extra3;
}

} // namespace

ScheduleStep::ScheduleStep(const QString &name, ScheduleTable &table,
                           std::optional<scheduleitem> before, std::optional<scheduleitem> after,
                           QDate today, Prompter &prompter, QUndoCommand *group)
    : CheckedStep(name, prompter, group), m_table(table), m_before(std::move(before)),
      m_after(std::move(after)), m_today(today)
{
}

std::optional<int> ScheduleStep::place(const std::optional<scheduleitem> &from) const
{
    if (!from)
        return m_table.isFull() ? std::nullopt : std::optional<int>(-1);
    for (int i = 0; i < m_table.ntschedule(); ++i)
        if (same(m_table.at(i), *from))
            return i;
    return std::nullopt;
}

bool ScheduleStep::applicable(bool undoing) const
{
    return place(undoing ? m_after : m_before).has_value();
}

void ScheduleStep::bring(const std::optional<scheduleitem> &from, const std::optional<scheduleitem> &to)
{
    const auto pos = place(from);
    if (!pos) {
        refuse(from ? QStringLiteral("その予定は、そのあと変わっています。")
                    : QStringLiteral("予定表がいっぱいです。"));
        return;
    }
    if (*pos >= 0)
        m_table.removeAt(*pos);
    if (to)
        (void)m_table.add(*to, m_today);
}

void ScheduleStep::undo()
{
    bring(m_after, m_before);
}

void ScheduleStep::redo()
{
    if (!pushing())
        bring(m_before, m_after);
}

SeriesStep::SeriesStep(const QString &name, RepeatTable &series, std::optional<repeatitem> before,
                       std::optional<repeatitem> after, Prompter &prompter, QUndoCommand *group)
    : CheckedStep(name, prompter, group), m_series(series), m_before(std::move(before)),
      m_after(std::move(after))
{
}

std::optional<int> SeriesStep::place(const std::optional<repeatitem> &from) const
{
    if (!from)
        return -1;
    for (int row = 0; row < m_series.count(); ++row)
        if (sameSeries(m_series.at(row), *from))
            return row;
    return std::nullopt;
}

bool SeriesStep::applicable(bool undoing) const
{
    return place(undoing ? m_after : m_before).has_value();
}

void SeriesStep::bring(const std::optional<repeatitem> &from, const std::optional<repeatitem> &to)
{
    const auto row = place(from);
    if (!row) {
        refuse(QStringLiteral("その繰り返しの予定は、そのあと変わっています。"));
        return;
    }
    if (*row >= 0 && to)
        m_series.change(*row, *to); // in its place in repeat.txt
    else if (*row >= 0)
        m_series.removeAt(*row);
    else if (to)
        (void)m_series.add(*to);
}

void SeriesStep::undo()
{
    bring(m_after, m_before);
}

void SeriesStep::redo()
{
    if (!pushing())
        bring(m_before, m_after);
}
