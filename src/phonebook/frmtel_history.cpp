// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// frmTel: its entries' changes as steps of the run's history.
#include "frmtel.h"

#include "phonestep.h"
#include "ui/historyactions.h"

#include <QUndoStack>

void frmTel::setHistory(QUndoStack *history)
{
    m_history = history;
    if (history)
        (void)historyactions::make(*history, this); // its keys, while no box is open
}

std::optional<phoneentry> frmTel::entryOf(const QString &index) const
{
    const auto pos = m_book.find(index);
    return pos ? std::optional<phoneentry>(m_book.at(*pos)) : std::nullopt;
}

void frmTel::record(const QString &name, std::optional<phoneentry> before,
                    std::optional<phoneentry> after)
{
    if (m_history)
        m_history->push(new PhoneStep(name, m_book, std::move(before), std::move(after), m_prompter));
}
