// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "phonebooksync.h"

#include "phonebook/phonebook.h"
#include "phonebook/phonecards.h"
#include "text/narrow.h"

#include <algorithm>
#include <utility>

PhoneBookSync::PhoneBookSync(PhoneBook &book) : m_book(book) {}

PhoneBookSync::~PhoneBookSync() = default;

QString PhoneBookSync::extension() const
{
    return QStringLiteral(".vcf");
}

int PhoneBookSync::count() const
{
    return m_book.ntphone();
}

syncmerge::Entry PhoneBookSync::entryOf(const phoneentry &e)
{
    QStringList fields{e.index, e.name, e.keys};
    for (int j = 0; j < std::clamp<int>(e.numphone, 0, phoneentry::MaxPairs); ++j)
        fields << e.phonetype.at(j) << e.phonenumber.at(j);
    return {hashOf(fields), hashOf({e.index}), hashOf({e.name})};
}

syncmerge::Entry PhoneBookSync::entryAt(int row) const
{
    return entryOf(m_book.at(row));
}

QString PhoneBookSync::uidAt(int row) const
{
    return m_book.at(row).uid;
}

void PhoneBookSync::setUid(int row, const QString &uid)
{
    m_book.setUid(row, uid);
}

void PhoneBookSync::removeAt(int row)
{
    m_book.deleteIndex(row);
}

QString PhoneBookSync::lineAt(int row) const
{
    return m_book.at(row).index + u' ' + m_book.at(row).name;
}

ReadItem PhoneBookSync::read(const QByteArray &bytes)
{
    ReadItem item;
    const phonecards::ReadResult read = phonecards::read(bytes);
    if (!read.error.isEmpty()) {
        item.problem = SkipReason::Unreadable;
        item.detail = read.error;
    } else if (read.entries.size() != 1) {
        item.problem = SkipReason::NotOneCard;
    } else if (read.entries.first().uid.isEmpty()) {
        item.problem = SkipReason::NoUid;
    }
    if (item.problem != SkipReason::None)
        return item;
    item.uid = read.entries.first().uid;
    item.entries.append(entryOf(read.entries.first().entry));
    item.held = m_read.size();
    m_read.append(read.entries.first().entry);
    m_leftOut.append(read.entries.first().leftOutPairs);
    return item;
}

// The card's index, else one from its UID: nobody is there to ask for one.
QString PhoneBookSync::cardIndex(const QString &index, const QString &uid)
{
    if (index.isEmpty() || !isIndexText(narrow(index)))
        return QStringLiteral("card") + QString::fromLatin1(syncHash(uid.toUtf8()).toHex().left(6));
    return index;
}

std::optional<QString> PhoneBookSync::add(qsizetype held, const QString &uid)
{
    if (held < 0 || held >= m_read.size())
        return std::nullopt;
    phoneentry entry = m_read.at(held);
    entry.index = cardIndex(entry.index, uid);
    entry.uid = uid;
    // An item is one entry: a card of an index in use is another person's.
    const PhoneBook::CardTaken taken = m_book.takeCard(
        entry, m_leftOut.at(held), [](int) { return PhoneBook::SameIndex::Rename; });
    if (taken.outcome == PhoneBook::CardTaken::Outcome::BookFull)
        return entry.name;
    for (const QString &pair : taken.leftOutPairs)
        m_pairsLeftOut.append(entry.name + QStringLiteral(": ") + pair);
    return std::nullopt;
}

QStringList PhoneBookSync::takePairsLeftOut()
{
    return std::exchange(m_pairsLeftOut, {});
}

QByteArray PhoneBookSync::item(int row, const QString &uid) const
{
    return phonecards::card(m_book.at(row), uid);
}

QByteArray PhoneBookSync::patch(int row, const QByteArray &original) const
{
    return phonecards::patch(original, m_book.at(row));
}
