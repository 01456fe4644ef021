// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "syncmerge.h"

#include <QHash>
#include <QSet>

namespace syncmerge {

namespace {

Record recordOf(const Item &item, const Entry &entry)
{
    return {item.uid, item.file, item.hash, entry.hash, entry.keyA, entry.keyB, item.series, item.stamp};
}

} // namespace

Plan merge(const QList<Entry> &entries, const QList<Item> &items, const QList<Record> &state,
           const QStringList &unread)
{
    Plan plan;
    const qsizetype none = -1;
    // The record each row has: found by its content, else (changed by hand) by a key.
    QList<qsizetype> recordOfRow(entries.size(), none);
    QList<qsizetype> rowOfRecord(state.size(), none);
    QMultiHash<QByteArray, qsizetype> rowsByHash;
    for (qsizetype i = entries.size() - 1; i >= 0; --i)
        rowsByHash.insert(entries.at(i).hash, i);
    for (qsizetype r = 0; r < state.size(); ++r) {
        for (auto it = rowsByHash.find(state.at(r).entryHash);
             it != rowsByHash.end() && it.key() == state.at(r).entryHash; ++it)
            if (recordOfRow.at(*it) == none) {
                recordOfRow[*it] = r;
                rowOfRecord[r] = *it;
                break;
            }
    }
    QList<bool> byHand(entries.size(), false);
    for (const bool first : {true, false})
        for (qsizetype r = 0; r < state.size(); ++r) {
            // A series' entries share their text: a key tells none of them apart.
            if (rowOfRecord.at(r) != none || state.at(r).series)
                continue;
            const QByteArray &key = first ? state.at(r).keyA : state.at(r).keyB;
            for (qsizetype i = 0; i < entries.size(); ++i)
                if (recordOfRow.at(i) == none
                    && (first ? entries.at(i).keyA : entries.at(i).keyB) == key) {
                    recordOfRow[i] = r;
                    rowOfRecord[r] = i;
                    byHand[i] = true;
                    break;
                }
        }

    QHash<QString, qsizetype> itemByUid;
    for (qsizetype k = 0; k < items.size(); ++k)
        itemByUid.insert(items.at(k).uid, k);
    QSet<QString> known;
    QSet<QString> added;
    const auto addItem = [&](const Item &item) {
        if (added.contains(item.uid))
            return;
        added.insert(item.uid);
        plan.add.append(item.uid);
        for (const Entry &e : item.entries)
            plan.records.append(recordOf(item, e));
    };

    for (qsizetype r = 0; r < state.size(); ++r) {
        const Record &record = state.at(r);
        known.insert(record.uid);
        const qsizetype row = rowOfRecord.at(r);
        if (unread.contains(record.uid)) {
            // Not readable now: nothing is decided about it.
            plan.records.append(record);
            if (row != none)
                plan.bind.append({int(row), record.uid});
            continue;
        }
        const auto found = itemByUid.constFind(record.uid);
        if (found == itemByUid.cend()) {
            // Gone from the folder: so is its entry, unless that was changed here too.
            if (row != none && !byHand.at(row))
                plan.remove.append(int(row));
            continue;
        }
        const Item &item = items.at(*found);
        if (item.hash == record.itemHash) {
            Record kept = record;
            kept.stamp = item.stamp; // the same content, perhaps written anew
            plan.records.append(kept);
            if (row != none)
                plan.bind.append({int(row), record.uid});
            continue;
        }
        // The item changed since the last sync.
        if (row == none) {
            addItem(item); // its entry was taken away here: what the folder has comes back
            continue;
        }
        const bool sameAsItem = item.entries.size() == 1
                                && item.entries.first().hash == entries.at(row).hash;
        if (sameAsItem) {
            // Both sides hold the same: a quit that ended before its state was written.
            plan.bind.append({int(row), record.uid});
            plan.records.append(recordOf(item, item.entries.first()));
            continue;
        }
        if (byHand.at(row))
            plan.doubled.append({int(row), item.uid});
        else
            plan.remove.append(int(row));
        addItem(item);
    }

    // Items the last sync did not know: made elsewhere, or written by a quit that ended
    // before its state; the latter's entry is here already and takes the item.
    QSet<qsizetype> taken;
    for (const auto &[row, uid] : std::as_const(plan.bind))
        taken.insert(row);
    for (const auto &[row, uid] : std::as_const(plan.doubled))
        taken.insert(row);
    for (const int row : std::as_const(plan.remove))
        taken.insert(row);
    const auto adopt = [&](const Item &item) {
        if (item.series || item.entries.size() != 1)
            return false;
        const QByteArray &hash = item.entries.first().hash;
        for (auto it = rowsByHash.find(hash); it != rowsByHash.end() && it.key() == hash; ++it)
            if (!taken.contains(*it) && recordOfRow.at(*it) == none) {
                taken.insert(*it);
                plan.bind.append({int(*it), item.uid});
                plan.records.append(recordOf(item, item.entries.first()));
                return true;
            }
        return false;
    };
    for (const Item &item : items)
        if (!known.contains(item.uid) && !adopt(item))
            addItem(item);
    return plan;
}

} // namespace syncmerge
