// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "vdirseries.h"

#include "synctable.h"

#include <algorithm>

namespace vdirseries {

namespace {

using syncmerge::Record;

// Pairs each changed row with a record left that has its key: by the day and time, the
// first such; by the text, which a series' occurrences share, only one no other has.
void pairByKey(const SyncTable &table, QList<int> &rows, QList<const Record *> &left,
               Pairing &out, bool byMoment)
{
    for (auto row = rows.begin(); row != rows.end();) {
        const syncmerge::Entry entry = table.entryAt(*row);
        const QByteArray &key = byMoment ? entry.keyB : entry.keyA;
        const auto has = [&](const Record *r) { return (byMoment ? r->keyB : r->keyA) == key; };
        const auto found = std::find_if(left.begin(), left.end(), has);
        if (found == left.end() || (!byMoment && std::count_if(left.begin(), left.end(), has) > 1)) {
            ++row;
            continue;
        }
        out.changed.append({*row, (*found)->entryHash});
        left.erase(found);
        row = rows.erase(row);
    }
}

} // namespace

Pairing pair(const SyncTable &table, const QList<Record> &records, const QList<int> &rows)
{
    QList<const Record *> left;
    for (const Record &r : records)
        left.append(&r);
    QList<int> changed;
    for (const int row : rows) {
        const QByteArray hash = table.entryAt(row).hash;
        const auto same = std::find_if(left.begin(), left.end(),
                                       [&hash](const Record *r) { return r->entryHash == hash; });
        if (same != left.end())
            left.erase(same);
        else
            changed.append(row);
    }
    Pairing out;
    pairByKey(table, changed, left, out, true);
    pairByKey(table, changed, left, out, false);
    if (changed.size() == 1 && left.size() == 1) {
        out.changed.append({changed.takeFirst(), left.takeFirst()->entryHash});
    }
    out.loose = changed;
    for (const Record *r : std::as_const(left))
        out.gone.append(r->entryHash);
    return out;
}

QByteArray apply(QByteArray bytes, const SyncTable &table, Pairing &pairing)
{
    for (const auto &[row, was] : std::as_const(pairing.changed)) {
        const QByteArray patched = table.patchOccurrence(bytes, was, row);
        if (patched.isEmpty())
            pairing.local.append({row, was});
        else
            bytes = patched;
    }
    for (const QByteArray &was : std::as_const(pairing.gone))
        if (const QByteArray patched = table.patchOccurrence(bytes, was, -1); !patched.isEmpty())
            bytes = patched;
    return bytes;
}

void keepLocal(QList<Record> &records, const SyncTable &table, const Pairing &pairing)
{
    for (const auto &change : pairing.local) {
        const QByteArray &was = change.second;
        const auto it = std::find_if(records.begin(), records.end(),
                                     [&was](const Record &r) { return r.entryHash == was; });
        if (it == records.end())
            continue;
        const syncmerge::Entry entry = table.entryAt(change.first);
        it->entryHash = entry.hash;
        it->keyA = entry.keyA;
        it->keyB = entry.keyB;
    }
}

} // namespace vdirseries
