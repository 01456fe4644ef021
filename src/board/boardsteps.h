// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include "ui/historysteps.h"

#include "schedule/scheduletable.h"

#include <QDate>

class Prompter;
class ShelfList;
class TodoBoard;

// The texts of the fourteen slots and the shelf: what a step of the board changes. The
// done marks are no part of it: they belong to their positions.
struct BoardState {
    QStringList texts;
    QStringList shelf;
    bool operator==(const BoardState &) const = default;
};
[[nodiscard]] BoardState boardState(const TodoBoard &board, const ShelfList &shelf);

// One change of the board and the shelf in the history. It is undone only while they are
// as it left them; otherwise it says so and leaves the history (never applied to texts
// that moved since).
class BoardStep : public CheckedStep {
public:
    BoardStep(const QString &name, TodoBoard &board, ShelfList &shelf, BoardState before,
              BoardState after, Prompter &prompter, QUndoCommand *group = nullptr);
    void undo() override;
    void redo() override;
    [[nodiscard]] bool applicable(bool undoing) const override;

protected:
    // Whether the board and the shelf are as `expected`; when not, says so and takes the
    // step out of the history.
    bool holds(const BoardState &expected);
    void put(const BoardState &to);
    // The message of a step that cannot be applied, and its leaving the history.
    void refuse(const QString &why);
    [[nodiscard]] const BoardState &before() const { return m_before; }
    [[nodiscard]] const BoardState &after() const { return m_after; }
    // The first redo is the push: the change is already made.
    bool m_pushed = true;

private:
    Prompter &m_prompter;
    TodoBoard &m_board;
    ShelfList &m_shelf;
    BoardState m_before;
    BoardState m_after;
};

// A text dropped on やった事: undone, its line comes out of done.txt again, but only while
// the file still ends with exactly that line.
class DoneStep : public BoardStep {
public:
    DoneStep(TodoBoard &board, ShelfList &shelf, BoardState before, BoardState after,
             QString donePath, QString line, Prompter &prompter);
    void undo() override;
    void redo() override;

private:
    QString m_path;
    QString m_line; // as appended: the date, then the text
};

// A committed to-do moved to the schedule: undone, the appointment goes and the text comes
// back to its slot, but only while both are as the move left them.
class ToScheduleStep : public BoardStep {
public:
    ToScheduleStep(TodoBoard &board, ShelfList &shelf, BoardState before, BoardState after,
                   ScheduleTable &table, scheduleitem stored, QDate today, Prompter &prompter);
    void undo() override;
    void redo() override;

private:
    ScheduleTable &m_table;
    scheduleitem m_item; // as the table stored it
    QDate m_today;
};
