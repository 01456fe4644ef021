// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include "ui/historysteps.h"

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
    [[nodiscard]] const BoardState &before() const { return m_before; }
    [[nodiscard]] const BoardState &after() const { return m_after; }

private:
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
