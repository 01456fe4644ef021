// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "schedulestep.h"

#include "ui/prompter.h"

namespace {

bool same(const scheduleitem &a, const scheduleitem &b)
{
    return a.eventdate == b.eventdate && a.eventtime == b.eventtime && a.eventinfo == b.eventinfo
           && a.extra1 == b.extra1 && a.extra2 == b.extra2 && a.extra3 == b.extra3;
}

} // namespace

ScheduleStep::ScheduleStep(const QString &name, ScheduleTable &table,
                           std::optional<scheduleitem> before, std::optional<scheduleitem> after,
                           QDate today, Prompter &prompter)
    : QUndoCommand(name), m_table(table), m_before(std::move(before)), m_after(std::move(after)),
      m_today(today), m_prompter(prompter)
{
}

void ScheduleStep::bring(const std::optional<scheduleitem> &from, const std::optional<scheduleitem> &to)
{
    int pos = -1;
    for (int i = 0; from && i < m_table.ntschedule() && pos < 0; ++i)
        if (same(m_table.at(i), *from))
            pos = i;
    const bool full = !from && m_table.isFull();
    if ((from && pos < 0) || full) {
        m_prompter.inform(QStringLiteral("「%1」は戻せません。\n%2")
                              .arg(text(), full ? QStringLiteral("予定表がいっぱいです。")
                                                : QStringLiteral("その予定は、そのあと変わっています。")));
        setObsolete(true);
        return;
    }
    if (pos >= 0)
        m_table.removeAt(pos);
    if (to)
        (void)m_table.add(*to, m_today);
}

void ScheduleStep::undo()
{
    bring(m_after, m_before);
}

void ScheduleStep::redo()
{
    if (!std::exchange(m_pushed, false))
        bring(m_before, m_after);
}
