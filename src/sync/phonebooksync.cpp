// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "phonebooksync.h"

#include "phonebook/phonebook.h"
#include "phonebook/phonecards.h"
#include "text/narrow.h"

#include <algorithm>

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
    } else if (!read.entries.first().leftOutPairs.isEmpty()) {
        item.problem = SkipReason::TooManyPairs;
    }
    if (item.problem != SkipReason::None)
        return item;
    item.uid = read.entries.first().uid;
    item.entries.append(entryOf(read.entries.first().entry));
    item.held = m_read.size();
    m_read.append(read.entries.first().entry);
    return item;
}

// An index the phone book takes for a card: the card's own, else one from its UID; with a
// number after it while another entry has it.
QString PhoneBookSync::freeIndex(QString index, const QString &uid) const
{
    if (index.isEmpty() || !isIndexText(narrow(index)))
        index = QStringLiteral("card") + QString::fromLatin1(syncHash(uid.toUtf8()).toHex().left(6));
    QString candidate = index;
    for (int n = 2; m_book.find(candidate); ++n)
        candidate = index + QString::number(n);
    return candidate;
}

std::optional<QString> PhoneBookSync::add(qsizetype held, const QString &uid)
{
    if (held < 0 || held >= m_read.size())
        return std::nullopt;
    phoneentry entry = m_read.at(held);
    if (m_book.isFull())
        return entry.name;
    entry.index = freeIndex(entry.index, uid);
    entry.uid = uid;
    m_book.add(entry);
    return std::nullopt;
}

QByteArray PhoneBookSync::item(int row, const QString &uid) const
{
    return phonecards::card(m_book.at(row), uid);
}

QByteArray PhoneBookSync::patch(int row, const QByteArray &original) const
{
    return phonecards::patch(original, m_book.at(row));
}
