// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The quit's side of the series of repeat.txt: each series with the days changed in it is
// one item, written as a whole whenever any of them changed.
#include "vdirwriter_internal.h"

#include "synctable.h"
#include "text/textfile.h"

#include <QFile>

#include <algorithm>

namespace vdirfolder::detail {

namespace {

QList<QByteArray> sortedHashes(const QList<Record> &records)
{
    QList<QByteArray> hashes;
    for (const Record &r : records)
        hashes.append(r.entryHash);
    std::sort(hashes.begin(), hashes.end());
    return hashes;
}

} // namespace

void Writer::writeRules()
{
    for (auto it = m_rules.cbegin(); it != m_rules.cend() && !failed(); ++it)
        writeRule(it.key(), it.value(), m_ruleRows.value(it.key()));
}

void Writer::writeRule(const QString &uid, const QList<Record> &records, const QList<int> &rows)
{
    QList<QByteArray> now;
    for (const int row : rows)
        now.append(m_table.entryAt(row).hash);
    std::sort(now.begin(), now.end());
    if (now == sortedHashes(records)) {
        m_out.records.append(records);
        m_out.present.insert(uid);
        return;
    }
    QList<int> days = rows;
    const auto series = std::find_if(days.cbegin(), days.cend(), [this](int row) { return m_table.holdsRule(row); });
    if (series == days.cend()) {
        ruleTakenAway(records, days);
        return;
    }
    const int seriesRow = *series;
    days.removeOne(seriesRow);
    const QString &file = records.first().file;
    const FileBytes there = readFileBytes(m_dir.filePath(file));
    if (!there.exists || !there.ok || syncHash(there.bytes) != records.first().itemHash) {
        // Changed in the folder since the start as well: it stays as it is there, and the
        // series and its days here become items of their own; the next start has both.
        for (const int row : std::as_const(rows))
            if (!failed())
                writeNew(row, m_table.entryAt(row));
        return;
    }
    SyncTable::RuleItem made = m_table.patchRule(there.bytes, seriesRow, days);
    if (made.bytes.isEmpty())
        made = m_table.ruleItem(seriesRow, days, uid); // no longer a series there: written anew
    if (made.bytes.isEmpty()) {
        m_out.records.append(records); // cannot be written: the folder keeps what it has
        m_out.present.insert(uid);
        m_out.keptHere.append(m_table.lineAt(seriesRow));
        return;
    }
    QList<int> held = made.placed;
    held.prepend(seriesRow);
    putRule(uid, file, made.bytes == there.bytes ? QByteArray() : made.bytes, held);
    for (const int row : std::as_const(days))
        if (!made.placed.contains(row) && !failed())
            writeNew(row, m_table.entryAt(row)); // replaces no day of it: one of its own
}

// The series taken away here: its item goes, unless it changed in the folder since; its
// changed days stay as appointments of their own.
void Writer::ruleTakenAway(const QList<Record> &records, const QList<int> &days)
{
    const Record &r = records.first();
    const QString path = m_dir.filePath(r.file);
    const FileBytes there = readFileBytes(path);
    if (there.exists && !there.ok) {
        // Not known to be unchanged: it stays, and so do its records, so the next quit
        // deletes it and its days stay bound to it meanwhile.
        m_out.records.append(records);
        m_out.notDeleted.append(r.file);
        return;
    }
    if (there.exists && syncHash(there.bytes) == r.itemHash) {
        if (!QFile::remove(path)) {
            m_out.failure = SyncFailure{SyncFailure::Why::ItemNotDeleted, r.file, {}};
            return;
        }
        ++m_out.deleted;
    }
    for (const int row : days)
        if (!failed())
            writeNew(row, m_table.entryAt(row));
}

// The item as `bytes` (none: as the folder has it already); the state knows its series
// and the days it took by their entries here.
void Writer::putRule(const QString &uid, const QString &file, const QByteArray &bytes,
                     const QList<int> &rows)
{
    const QString path = m_dir.filePath(file);
    QByteArray hash = m_byUid.value(uid)->itemHash;
    if (!bytes.isEmpty()) {
        const WriteResult w = replaceFileBytes(path, bytes);
        if (!w.ok) {
            m_out.failure = SyncFailure{SyncFailure::Why::ItemNotWritten, file, w.error};
            return;
        }
        ++m_out.written;
        hash = syncHash(bytes);
    }
    const QByteArray stamp = stampOf(path);
    for (const int row : rows) {
        const syncmerge::Entry e = m_table.entryAt(row);
        m_out.records.append({uid, file, hash, e.hash, e.keyA, e.keyB, false, stamp, false, true});
    }
    m_out.present.insert(uid);
}

} // namespace vdirfolder::detail
