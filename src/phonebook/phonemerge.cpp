// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Cards of other programs taken into the phone book: one rule for the import and the sync.
#include "phonebook.h"

namespace {

QString pairText(const phoneentry &e, int j)
{
    return e.phonetype.at(j) + u' ' + e.phonenumber.at(j);
}

} // namespace

PhoneBook::CardTaken PhoneBook::takeCard(phoneentry card, const QStringList &leftOutPairs,
                                         const std::function<SameIndex(int pos)> &sameIndex)
{
    CardTaken taken;
    taken.leftOutPairs = leftOutPairs;
    if (const std::optional<int> pos = find(card.index)) {
        const SameIndex choice = sameIndex(*pos);
        if (choice == SameIndex::Skip)
            return taken;
        if (choice == SameIndex::Join) {
            for (int j = 0; j < card.numphone; ++j)
                if (!holdsNumber(*pos, card.phonenumber.at(j))
                    && !setPair(*pos, phoneentry::MaxPairs, card.phonetype.at(j), card.phonenumber.at(j)))
                    taken.leftOutPairs.append(pairText(card, j));
            taken.outcome = CardTaken::Outcome::Joined;
            return taken;
        }
        const QString base = card.index;
        for (int n = 2; find(card.index); ++n)
            card.index = base + QString::number(n);
    }
    if (isFull()) {
        taken.outcome = CardTaken::Outcome::BookFull;
        return taken;
    }
    add(card);
    taken.outcome = CardTaken::Outcome::Added;
    return taken;
}
