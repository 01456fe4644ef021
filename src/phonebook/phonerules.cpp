// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// PhoneBook: the rules of its dialogs.
#include "phonebook.h"

#include "text/narrow.h"

#include <algorithm>

namespace {

bool isBlank(const QString &text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c == QLatin1Char(' '); });
}

} // namespace

Refusal PhoneBook::newIndexProblem(const QString &typed, AddMode mode) const
{
    if (isBlank(typed))
        return Refusal::EmptyIndex;
    if (!isIndexText(narrow(typed)))
        return Refusal::NotLettersAndDigits;
    if (mode == AddMode::NewEntry && find(typed))
        return Refusal::IndexInUse;
    return Refusal::None;
}

namespace {

// A number as it is compared: narrowed, without blanks and hyphens, letters in any case.
QString numberKey(const QString &number)
{
    QString key = narrow(number);
    key.remove(u' ');
    key.remove(u'-');
    return key.toCaseFolded();
}

} // namespace

bool PhoneBook::holdsNumber(int pos, const QString &number) const
{
    const QString wanted = numberKey(number);
    if (wanted.isEmpty())
        return false;
    const phoneentry &e = at(pos);
    for (int j = 0; j < e.numphone; ++j)
        if (numberKey(e.phonenumber.at(j)) == wanted)
            return true;
    return false;
}

Refusal PhoneBook::addPair(const NewPair &pair, AddMode mode)
{
    if (const Refusal problem = newIndexProblem(pair.index, mode); problem != Refusal::None)
        return problem;
    // Looked up now, not when the dialog opened: the book may have changed since, and a
    // stale answer would overwrite an entry's pairs.
    const auto existing = mode == AddMode::FromTodo ? find(pair.index) : std::nullopt;
    phoneentry entry{pair.index, pair.name, pair.keys, 0, {}, {}, {}};
    // A number the entry holds already is not added twice; the name and keyword still are.
    const bool held = existing && holdsNumber(*existing, pair.number);
    if (existing) {
        const phoneentry &old = at(*existing);
        if (!held && old.numphone >= phoneentry::MaxPairs)
            return Refusal::PairsFull;
        entry.numphone = old.numphone;
        entry.phonetype = old.phonetype; // all eleven slots, so that no pair is lost
        entry.phonenumber = old.phonenumber;
    }
    if (!held) {
        entry.phonetype[entry.numphone] = pair.type;
        entry.phonenumber[entry.numphone] = pair.number;
        ++entry.numphone;
    }
    return add(entry) ? Refusal::None : Refusal::BookFull;
}

Refusal PhoneBook::renameProblem(int pos, const QString &typed) const
{
    if (!isIndexText(narrow(typed)))
        return Refusal::NotLettersAndDigits;
    // Lookups by index find only the first of two equal ones: an index must stay unique.
    if (typed.isEmpty())
        return Refusal::EmptyIndex;
    if (isIndexOfAnother(typed, pos))
        return Refusal::IndexInUse;
    return Refusal::None;
}

std::optional<int> PhoneBook::findText(const QString &text, int from) const
{
    for (int p = std::max(from, 0); p < ntphone(); ++p) {
        const phoneentry &e = at(p);
        if (e.name.contains(text) || e.keys.contains(text))
            return p;
    }
    return std::nullopt;
}
