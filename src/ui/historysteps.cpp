// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "historysteps.h"

#include "prompter.h"

namespace {

void refuseStep(QUndoCommand &step, Prompter &prompter, const QString &why)
{
    prompter.inform(QStringLiteral("「%1」は戻せません。\n%2").arg(step.text(), why));
    step.setObsolete(true);
}

} // namespace

CheckedStep::CheckedStep(const QString &name, Prompter &prompter, QUndoCommand *group)
    : QUndoCommand(name, group), m_told(prompter), m_pushed(group == nullptr)
{
}

void CheckedStep::refuse(const QString &why)
{
    refuseStep(*this, m_told, why);
}

StepGroup::StepGroup(const QString &name, Prompter &prompter) : QUndoCommand(name), m_prompter(prompter)
{
}

bool StepGroup::allApplicable(bool undoing)
{
    for (int i = 0; i < childCount(); ++i) {
        const auto *step = dynamic_cast<const CheckedStep *>(child(i));
        if (step && !step->applicable(undoing)) {
            refuseStep(*this, m_prompter, QStringLiteral("そのあと変わったものがあります。"));
            return false;
        }
    }
    return true;
}

void StepGroup::undo()
{
    if (allApplicable(true))
        QUndoCommand::undo();
}

void StepGroup::redo()
{
    // The push: its steps were made before.
    if (!std::exchange(m_pushed, false) && allApplicable(false))
        QUndoCommand::redo();
}
