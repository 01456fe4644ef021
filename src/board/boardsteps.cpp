// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "boardsteps.h"

#include "lists/shelflist.h"
#include "text/textfile.h"
#include "todoboard.h"

BoardState boardState(const TodoBoard &board, const ShelfList &shelf)
{
    BoardState state;
    for (int slot = 0; slot < TodoBoard::SlotCount; ++slot)
        state.texts.append(board.text(slot));
    state.shelf = shelf.stringList();
    return state;
}

BoardStep::BoardStep(const QString &name, TodoBoard &board, ShelfList &shelf, BoardState before,
                     BoardState after, Prompter &prompter, QUndoCommand *group)
    : CheckedStep(name, prompter, group), m_board(board), m_shelf(shelf),
      m_before(std::move(before)), m_after(std::move(after))
{
}

bool BoardStep::applicable(bool undoing) const
{
    return boardState(m_board, m_shelf) == (undoing ? m_after : m_before);
}

bool BoardStep::holds(const BoardState &expected)
{
    if (boardState(m_board, m_shelf) == expected)
        return true;
    refuse(QStringLiteral("そのあとボードかたな上げが変わっています。"));
    return false;
}

void BoardStep::put(const BoardState &to)
{
    for (int slot = 0; slot < TodoBoard::SlotCount; ++slot)
        m_board.setText(slot, to.texts.at(slot));
    if (m_shelf.stringList() != to.shelf)
        m_shelf.setStringList(to.shelf);
}

void BoardStep::undo()
{
    if (holds(m_after))
        put(m_before);
}

void BoardStep::redo()
{
    if (!pushing() && holds(m_before))
        put(m_after);
}

DoneStep::DoneStep(TodoBoard &board, ShelfList &shelf, BoardState before, BoardState after,
                   QString donePath, QString line, Prompter &prompter)
    : BoardStep(QStringLiteral("やった事への移動"), board, shelf, std::move(before), std::move(after),
                prompter),
      m_path(std::move(donePath)), m_line(std::move(line))
{
}

void DoneStep::undo()
{
    if (!holds(after()))
        return;
    const FileBytes file = readFileBytes(m_path);
    const QByteArray last = encodeTextLines({m_line}).bytes;
    const QByteArray rest = file.bytes.chopped(std::min(file.bytes.size(), last.size()));
    if (!file.ok || last.isEmpty() || !file.bytes.endsWith(last) || !(rest.isEmpty() || rest.endsWith('\n'))) {
        refuse(QStringLiteral("done.txt の最後の行が「%1」ではなくなっています。").arg(m_line));
        return;
    }
    if (const WriteResult cut = replaceFileBytes(m_path, rest); !cut.ok) {
        refuse(cut.error);
        return;
    }
    put(before());
}

void DoneStep::redo()
{
    if (pushing() || !holds(before()))
        return;
    if (const WriteResult added = appendTextLine(m_path, m_line); !added.ok) {
        refuse(added.error);
        return;
    }
    put(after());
}
