// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "synctable.h"

#include "text/narrow.h"

#include <QCryptographicHash>

#include <algorithm>
#include <functional>

QByteArray syncHash(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha1);
}

// The loaders narrow what they read (full-width letters, digits and katakana to half
// width): an entry is hashed as its file gives it back.
QByteArray SyncTable::hashOf(const QStringList &fields)
{
    return syncHash(narrow(fields.join(QChar(0x1f))).toUtf8());
}

QList<syncmerge::Entry> SyncTable::entries() const
{
    QList<syncmerge::Entry> all;
    all.reserve(count());
    for (int i = 0; i < count(); ++i)
        all.append(entryAt(i));
    return all;
}

void SyncTable::bind(const QList<std::pair<int, QString>> &bound)
{
    for (int i = 0; i < count(); ++i)
        setUid(i, QString());
    for (const auto &[row, uid] : bound)
        setUid(row, uid);
}

void SyncTable::removeRows(QList<int> rows)
{
    std::sort(rows.begin(), rows.end(), std::greater<>());
    for (const int row : std::as_const(rows))
        removeAt(row);
}
