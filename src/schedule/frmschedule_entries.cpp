// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// frmSchedule: entries changed and removed, each a step of the run's history (an event
// over several days changed or removed as a whole is one step of all its days).
#include "frmschedule.h"

#include "repeattable.h"
#include "schedulestep.h"
#include "scheduletable.h"
#include "text/clock.h"
#include "text/jdate.h"
#include "ui/historyactions.h"
#include "ui/listview.h"
#include "ui/prompter.h"

#include <QListView>
#include <QUndoStack>

void frmSchedule::setHistory(QUndoStack *history)
{
    m_history = history;
    if (history)
        (void)historyactions::make(*history, this); // its keys, while no box is open
}

void frmSchedule::recordSeries(const QString &name, std::optional<repeatitem> before,
                               std::optional<repeatitem> after, std::optional<scheduleitem> entryBefore,
                               std::optional<scheduleitem> entryAfter)
{
    if (!m_history)
        return;
    if (!entryBefore && !entryAfter) {
        m_history->push(new SeriesStep(name, m_series, std::move(before), std::move(after), m_prompter));
        return;
    }
    // The series and the single entry it gave or took, undone whole or not at all.
    auto *group = new StepGroup(name, m_prompter);
    new SeriesStep(name, m_series, std::move(before), std::move(after), m_prompter, group);
    new ScheduleStep(name, m_table, std::move(entryBefore), std::move(entryAfter), m_clock.today(),
                     m_prompter, group);
    m_history->push(group);
}

QList<scheduleitem> frmSchedule::daysOf(int pos) const
{
    QList<scheduleitem> days;
    for (const int row : m_table.daysOfEvent(pos))
        days.append(m_table.at(row));
    return days;
}

void frmSchedule::recordDays(const QString &name, const QList<scheduleitem> &before,
                             const QList<scheduleitem> &after)
{
    if (!m_history)
        return;
    // Each old day taken away and each new day added, undone whole or not at all.
    auto *group = new StepGroup(name, m_prompter);
    for (const scheduleitem &day : before)
        new ScheduleStep(name, m_table, day, std::nullopt, m_clock.today(), m_prompter, group);
    for (const scheduleitem &day : after)
        new ScheduleStep(name, m_table, std::nullopt, day, m_clock.today(), m_prompter, group);
    m_history->push(group);
}

void frmSchedule::record(const QString &name, std::optional<scheduleitem> before,
                         std::optional<scheduleitem> after)
{
    if (m_history)
        m_history->push(new ScheduleStep(name, m_table, std::move(before), std::move(after),
                                         m_clock.today(), m_prompter));
}

bool frmSchedule::changeEntry(const QString &date, const QString &time, const QString &event)
{
    const int selected = selectedIndex();
    // A change never meets a full schedule: it takes the entry's own place. A date left as
    // it was stored is not typed anew: it is read as it always was.
    const QDate today = m_clock.today();
    const QString stored = date == m_table.at(selected).eventdate
                               ? date
                               : jdate::dateForNewEntry(date, today);
    // A day of an event over several days from the sync folder: its other days too, if
    // the user says so; the event's item then changes as a whole.
    if (askForTheWholeEvent(selected, QStringLiteral("ほかの日もすべて同じように変えますか？"))) {
        const QList<scheduleitem> before = daysOf(selected);
        const int pos = m_table.changeEvent(selected, stored, time, event, today);
        recordDays(QStringLiteral("予定の変更"), before, daysOf(pos));
    } else {
        const scheduleitem before = m_table.at(selected);
        const int pos = m_table.change(selected, stored, time, event, today);
        record(QStringLiteral("予定の変更"), before, m_table.at(pos));
    }
    listview::clearSelection(lstSchedule);
    return true;
}

bool frmSchedule::askForTheWholeEvent(int pos, const QString &question)
{
    return m_table.daysOfEvent(pos).size() > 1
           && m_prompter.askYesNo(QStringLiteral("「%1」は何日かにわたる予定の 1 日です。")
                                      .arg(m_table.at(pos).eventinfo)
                                  + question);
}

void frmSchedule::removeEntry(int pos)
{
    if (askForTheWholeEvent(pos, QStringLiteral("ほかの日もすべて削除しますか？"))) {
        const QList<scheduleitem> before = daysOf(pos);
        m_table.removeEvent(pos);
        recordDays(QStringLiteral("予定の削除"), before, {});
    } else {
        const scheduleitem before = m_table.at(pos);
        m_table.removeAt(pos);
        record(QStringLiteral("予定の削除"), before, std::nullopt);
    }
    listview::clearSelection(lstSchedule);
}
