// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "phonebook.h"
#include "ui/historysteps.h"

#include <optional>

class PhoneTypes;
class Prompter;

// One phone entry added (no before), deleted (no after) or changed (renamed, a pair, its
// name or keyword) as a step of the run's history. Applied only while the entry is as the
// step left it and no other entry has the index it brings back; otherwise it says so and
// leaves the history.
class PhoneStep : public CheckedStep {
public:
    PhoneStep(const QString &name, PhoneBook &book, std::optional<phoneentry> before,
              std::optional<phoneentry> after, Prompter &prompter, QUndoCommand *group = nullptr);
    void undo() override;
    void redo() override;
    [[nodiscard]] bool applicable(bool undoing) const override;

private:
    // Where `from` is now (-1: not needed), or nothing when the step cannot be applied.
    [[nodiscard]] std::optional<int> place(const std::optional<phoneentry> &from,
                                           const std::optional<phoneentry> &to) const;
    void bring(const std::optional<phoneentry> &from, const std::optional<phoneentry> &to);

    PhoneBook &m_book;
    std::optional<phoneentry> m_before;
    std::optional<phoneentry> m_after;
};

// The type list as the type editor's OK (閉じる) put it back: undone, the list as it was,
// while it is still as that left it.
class TypesStep : public CheckedStep {
public:
    TypesStep(PhoneTypes &types, QStringList before, QStringList after, Prompter &prompter);
    void undo() override;
    void redo() override;
    [[nodiscard]] bool applicable(bool undoing) const override;

private:
    void bring(const QStringList &from, const QStringList &to);
    PhoneTypes &m_types;
    QStringList m_before;
    QStringList m_after;
};
