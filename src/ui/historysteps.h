// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QUndoCommand>

class Prompter;

// A step of the history that can tell, before anything is changed, whether it can be
// undone or redone: what it changed is still as it left it.
class CheckedStep : public QUndoCommand {
public:
    using QUndoCommand::QUndoCommand;
    [[nodiscard]] virtual bool applicable(bool undoing) const = 0;
};

// Steps of two places made as one (a to-do filed in the phone book: its entry, and its
// slot emptied): undone and redone whole, or not at all, with a word.
class StepGroup : public QUndoCommand {
public:
    StepGroup(const QString &name, Prompter &prompter);
    void undo() override;
    void redo() override;

private:
    bool allApplicable(bool undoing);
    Prompter &m_prompter;
    bool m_pushed = true;
};
