// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// frmTodo: its changes as steps of the run's history, and 編集's 元に戻す and やり直し.
#include "frmtodo.h"

#include "boardsteps.h"
#include "ui/historyactions.h"
#include "ui/prompter.h"

#include <QMenu>
#include <QUndoStack>

void frmTodo::setHistory(QUndoStack *history)
{
    m_history = history;
    if (!history)
        return;
    const historyactions::Pair actions = historyactions::make(*history, this);
    auto *edit = findChild<QMenu *>(QStringLiteral("mnuEditMenu"));
    QAction *first = edit->actions().value(0);
    edit->insertAction(first, actions.undo);
    edit->insertAction(first, actions.redo);
}

void frmTodo::record(const QString &name, const std::function<void()> &change)
{
    const BoardState before = boardState(m_board, m_shelf);
    change();
    if (!m_history)
        return;
    BoardState after = boardState(m_board, m_shelf);
    if (after != before)
        m_history->push(new BoardStep(name, m_board, m_shelf, before, std::move(after), m_prompter));
}
