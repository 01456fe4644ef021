// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "phonestep.h"

#include "phonetypes.h"

namespace {

bool same(const phoneentry &a, const phoneentry &b)
{
    return a.index == b.index && a.name == b.name && a.keys == b.keys && a.numphone == b.numphone
           && a.phonetype == b.phonetype && a.phonenumber == b.phonenumber;
}

} // namespace

PhoneStep::PhoneStep(const QString &name, PhoneBook &book, std::optional<phoneentry> before,
                     std::optional<phoneentry> after, Prompter &prompter, QUndoCommand *group)
    : CheckedStep(name, prompter, group), m_book(book), m_before(std::move(before)),
      m_after(std::move(after))
{
}

std::optional<int> PhoneStep::place(const std::optional<phoneentry> &from,
                                    const std::optional<phoneentry> &to) const
{
    const auto at = from ? m_book.find(from->index) : std::nullopt;
    if (from && (!at || !same(m_book.at(*at), *from)))
        return std::nullopt; // changed or gone since
    // The index brought back must be free, or be the entry's own.
    const auto other = to ? m_book.find(to->index) : std::nullopt;
    if (other && (!at || *other != *at))
        return std::nullopt;
    if (!from && to && m_book.isFull())
        return std::nullopt;
    return at.value_or(-1);
}

bool PhoneStep::applicable(bool undoing) const
{
    return undoing ? place(m_after, m_before).has_value() : place(m_before, m_after).has_value();
}

void PhoneStep::bring(const std::optional<phoneentry> &from, const std::optional<phoneentry> &to)
{
    const auto pos = place(from, to);
    if (!pos) {
        refuse(QStringLiteral("その項目は、そのあと変わっています。"));
        return;
    }
    if (*pos >= 0)
        m_book.deleteIndex(*pos);
    if (to)
        (void)m_book.add(*to);
}

void PhoneStep::undo()
{
    bring(m_after, m_before);
}

void PhoneStep::redo()
{
    if (!pushing())
        bring(m_before, m_after);
}

TypesStep::TypesStep(PhoneTypes &types, QStringList before, QStringList after, Prompter &prompter)
    : CheckedStep(QStringLiteral("電話種類の編集"), prompter), m_types(types),
      m_before(std::move(before)), m_after(std::move(after))
{
}

bool TypesStep::applicable(bool undoing) const
{
    return m_types.stringList() == (undoing ? m_after : m_before);
}

void TypesStep::bring(const QStringList &from, const QStringList &to)
{
    if (m_types.stringList() != from) {
        refuse(QStringLiteral("種類の一覧は、そのあと変わっています。"));
        return;
    }
    m_types.setStringList(to);
}

void TypesStep::undo()
{
    bring(m_after, m_before);
}

void TypesStep::redo()
{
    if (!pushing())
        bring(m_before, m_after);
}
