// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QUndoCommand>

#include <utility>

class Prompter;

// A step of the history that can tell, before anything is changed, whether it can be
// undone or redone: what it changed is still as it left it.
class CheckedStep : public QUndoCommand {
public:
    // In a group, the group is pushed, not the step.
    CheckedStep(const QString &name, Prompter &prompter, QUndoCommand *group = nullptr);
    [[nodiscard]] virtual bool applicable(bool undoing) const = 0;

protected:
    // True once, for the push's redo: the change was made before the step was pushed.
    bool pushing() { return std::exchange(m_pushed, false); }
    // Says why the step cannot be applied and takes it out of the history.
    void refuse(const QString &why);

private:
    Prompter &m_told;
    bool m_pushed;
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
