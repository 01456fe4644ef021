// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "historysteps.h"

#include "prompter.h"

StepGroup::StepGroup(const QString &name, Prompter &prompter) : QUndoCommand(name), m_prompter(prompter)
{
}

bool StepGroup::allApplicable(bool undoing)
{
    for (int i = 0; i < childCount(); ++i) {
        const auto *step = dynamic_cast<const CheckedStep *>(child(i));
        if (step && !step->applicable(undoing)) {
            m_prompter.inform(QStringLiteral("「%1」は戻せません。\nそのあと変わったものがあります。").arg(text()));
            setObsolete(true);
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
