// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scheduletable.h"

#include <QDate>
#include <QUndoCommand>

#include <optional>

class Prompter;

// One appointment added (no before), deleted (no after) or changed, as a step of the
// run's history. Undone, the appointment as it was after is looked up by its day, time and
// texts; when it is no longer there the step says so and leaves the history, never taking
// another appointment in its place.
class ScheduleStep : public QUndoCommand {
public:
    ScheduleStep(const QString &name, ScheduleTable &table, std::optional<scheduleitem> before,
                 std::optional<scheduleitem> after, QDate today, Prompter &prompter);
    void undo() override;
    void redo() override;

private:
    void bring(const std::optional<scheduleitem> &from, const std::optional<scheduleitem> &to);

    ScheduleTable &m_table;
    std::optional<scheduleitem> m_before;
    std::optional<scheduleitem> m_after;
    QDate m_today;
    Prompter &m_prompter;
    bool m_pushed = true; // the change is made before the step is pushed
};
