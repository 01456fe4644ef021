// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "repeatrule.h"
#include "scheduletable.h"
#include "ui/historysteps.h"

#include <QDate>

#include <optional>

class RepeatTable;

// One appointment added (no before), deleted (no after) or changed, as a step of the
// run's history. Undone, the appointment as it was after is looked up by its day, time and
// texts; when it is no longer there the step says so and leaves the history, never taking
// another appointment in its place.
class ScheduleStep : public CheckedStep {
public:
    ScheduleStep(const QString &name, ScheduleTable &table, std::optional<scheduleitem> before,
                 std::optional<scheduleitem> after, QDate today, Prompter &prompter,
                 QUndoCommand *group = nullptr);
    void undo() override;
    void redo() override;
    [[nodiscard]] bool applicable(bool undoing) const override;

private:
    // Where `from` is (-1: no from), or nothing when the step cannot be applied.
    [[nodiscard]] std::optional<int> place(const std::optional<scheduleitem> &from) const;
    void bring(const std::optional<scheduleitem> &from, const std::optional<scheduleitem> &to);

    ScheduleTable &m_table;
    std::optional<scheduleitem> m_before;
    std::optional<scheduleitem> m_after;
    QDate m_today;
};

// The same for a series of repeat.txt: added, deleted, or changed in place (a day left
// out, its rule or text).
class SeriesStep : public CheckedStep {
public:
    SeriesStep(const QString &name, RepeatTable &series, std::optional<repeatitem> before,
               std::optional<repeatitem> after, Prompter &prompter, QUndoCommand *group = nullptr);
    void undo() override;
    void redo() override;
    [[nodiscard]] bool applicable(bool undoing) const override;

private:
    [[nodiscard]] std::optional<int> place(const std::optional<repeatitem> &from) const;
    void bring(const std::optional<repeatitem> &from, const std::optional<repeatitem> &to);

    RepeatTable &m_series;
    std::optional<repeatitem> m_before;
    std::optional<repeatitem> m_after;
};
