// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The quit's side of a collection folder: each entry into its item, and the items of
// entries taken away deleted.
#include "vdirwriter_internal.h"

#include "synctable.h"
#include "vdirseries.h"
#include "text/textfile.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QSet>

#include <algorithm>

namespace vdirfolder {

namespace detail {

Writer::Writer(const QString &dir, SyncTable &table, const QList<Record> &old)
    : m_dir(dir), m_table(table)
{
    for (const Record &r : old) {
        m_byUid.insert(r.uid, &r);
        m_inUse.insert(r.uid);
        if (r.rule)
            m_rules[r.uid].append(r);
        else if (r.series)
            m_series[r.uid].append(r);
    }
}

void Writer::writeRow(int row)
{
    if (!m_table.belongsInFolder(row))
        return;
    const syncmerge::Entry entry = m_table.entryAt(row);
    const QString uid = m_table.uidAt(row);
    const Record *record = uid.isEmpty() ? nullptr : m_byUid.value(uid);
    if (record && record->rule) {
        m_ruleRows[uid].append(row); // written as a whole with its series, after every row
        return;
    }
    if (record && record->series) {
        m_seriesRows[uid].append(row); // written with its series, after every row
        return;
    }
    if (record && record->entryHash == entry.hash) {
        m_out.records.append(*record);
        m_out.present.insert(uid);
        return;
    }
    if (record && rewrite(row, *record, entry))
        return;
    writeNew(row, entry);
}

void Writer::writeSeries()
{
    for (auto it = m_series.cbegin(); it != m_series.cend() && !failed(); ++it)
        writeSeries(it.key(), it.value(), m_seriesRows.value(it.key()));
}

void Writer::writeSeries(const QString &uid, const QList<Record> &records, const QList<int> &rows)
{
    if (records.first().spans && writeWholeEvent(uid, records, rows))
        return;
    vdirseries::Pairing pairing = vdirseries::pair(m_table, records, rows);
    QByteArray bytes;
    if (!pairing.changed.isEmpty() || !pairing.gone.isEmpty()) {
        const FileBytes now = readFileBytes(m_dir.filePath(records.first().file));
        if (now.exists && now.ok && syncHash(now.bytes) == records.first().itemHash) {
            bytes = vdirseries::apply(now.bytes, m_table, pairing);
            if (bytes == now.bytes)
                bytes.clear();
        } else {
            // Changed in the folder since the start as well: it stays as it is there,
            // and the rows changed here become items of their own; the next start has
            // both.
            for (const auto &[row, was] : std::as_const(pairing.changed))
                pairing.loose.append(row);
        }
    }
    m_out.present.insert(uid);
    QList<Record> kept = bytes.isEmpty() ? records : putSeries(uid, records.first().file, bytes);
    vdirseries::keepLocal(kept, m_table, pairing);
    m_out.records.append(kept);
    for (const int row : std::as_const(pairing.loose))
        if (!failed())
            writeNew(row, m_table.entryAt(row));
}

bool Writer::writeWholeEvent(const QString &uid, const QList<Record> &records, const QList<int> &rows)
{
    QSet<QByteArray> known;
    for (const Record &r : records)
        known.insert(r.entryHash);
    if (std::any_of(rows.cbegin(), rows.cend(),
                    [&](int row) { return known.contains(m_table.entryAt(row).hash); }))
        return false;
    const QString path = m_dir.filePath(records.first().file);
    const FileBytes now = readFileBytes(path);
    if (!now.exists || !now.ok || syncHash(now.bytes) != records.first().itemHash)
        return false;
    if (rows.isEmpty()) {
        if (QFile::remove(path))
            ++m_out.deleted;
        else
            m_out.failure = SyncFailure{SyncFailure::Why::ItemNotDeleted, records.first().file, {}};
        return true;
    }
    const QByteArray bytes = m_table.patchEvent(rows, now.bytes);
    if (bytes.isEmpty())
        return false;
    m_out.present.insert(uid);
    m_out.records.append(putSeries(uid, records.first().file, bytes));
    return true;
}

QList<Record> Writer::putSeries(const QString &uid, const QString &file, const QByteArray &bytes)
{
    const QString path = m_dir.filePath(file);
    const WriteResult w = replaceFileBytes(path, bytes);
    if (!w.ok) {
        m_out.failure = SyncFailure{SyncFailure::Why::ItemNotWritten, file, w.error};
        return {};
    }
    ++m_out.written;
    const QByteArray hash = syncHash(bytes);
    const QByteArray stamp = stampOf(path);
    QList<Record> records;
    const ReadItem read = m_table.read(bytes);
    for (const syncmerge::Entry &e : read.entries)
        records.append({uid, file, hash, e.hash, e.keyA, e.keyB, true, stamp, read.spans});
    return records;
}

bool Writer::rewrite(int row, const Record &record, const syncmerge::Entry &entry)
{
    const FileBytes now = readFileBytes(m_dir.filePath(record.file));
    // Changed in the folder since the start (a sync run by hand): it stays as it is,
    // and this entry becomes an item of its own; the next start has both.
    if (!now.exists || !now.ok || syncHash(now.bytes) != record.itemHash)
        return false;
    QByteArray bytes = m_table.patch(row, now.bytes);
    if (bytes.isEmpty())
        bytes = m_table.item(row, record.uid);
    if (bytes.isEmpty())
        return false;
    if (put(record.file, bytes, record.uid, entry))
        m_out.present.insert(record.uid);
    return true;
}

void Writer::writeNew(int row, const syncmerge::Entry &entry)
{
    const QString ext = m_table.extension();
    const QString base = QStringLiteral("kibanu-") + QString::fromLatin1(entry.hash.toHex().left(32));
    QString fresh = base;
    for (int n = 2; m_inUse.contains(fresh) || QFileInfo::exists(m_dir.filePath(fresh + ext)); ++n)
        fresh = base + u'-' + QString::number(n);
    const QByteArray bytes = m_table.item(row, fresh);
    if (bytes.isEmpty()) {
        m_table.setUid(row, QString()); // a date that cannot be read: kept here only
        m_out.keptHere.append(m_table.lineAt(row));
        return;
    }
    if (!put(fresh + ext, bytes, fresh, entry, m_table.holdsRule(row)))
        return;
    m_inUse.insert(fresh);
    m_out.present.insert(fresh);
    m_table.setUid(row, fresh);
}

bool Writer::put(const QString &file, const QByteArray &bytes, const QString &uid,
                 const syncmerge::Entry &entry, bool rule)
{
    const QString path = m_dir.filePath(file);
    const WriteResult w = replaceFileBytes(path, bytes);
    if (!w.ok) {
        m_out.failure = SyncFailure{SyncFailure::Why::ItemNotWritten, file, w.error};
        return false;
    }
    ++m_out.written;
    m_out.records.append(
        {uid, file, syncHash(bytes), entry.hash, entry.keyA, entry.keyB, false, stampOf(path), false, rule});
    return true;
}

} // namespace detail

using detail::Writer;
using syncmerge::Record;

Written writeChanged(const QString &dir, SyncTable &table, const QList<Record> &old)
{
    if (!QFileInfo(dir).isDir() && !QDir().mkpath(dir)) {
        Written out;
        out.failure = SyncFailure{SyncFailure::Why::NotMade, dir, {}};
        return out;
    }
    Writer writer(dir, table, old);
    for (int row = 0; row < table.count() && !writer.failed(); ++row)
        writer.writeRow(row);
    if (!writer.failed())
        writer.writeSeries();
    if (!writer.failed())
        writer.writeRules();
    return writer.take();
}

void deleteGone(const QString &dir, const QList<Record> &old, Written &written)
{
    for (const Record &r : old) {
        if (r.series || r.rule || written.present.contains(r.uid))
            continue;
        // Taken away here: its item goes, unless it changed in the folder since.
        const QString path = QDir(dir).filePath(r.file);
        const FileBytes now = readFileBytes(path);
        if (now.exists && !now.ok) {
            // Not known to be unchanged: it stays, and so does its record, so the next
            // start does not take it for new and the next quit deletes it.
            written.records.append(r);
            written.notDeleted.append(r.file);
            continue;
        }
        if (!now.exists || syncHash(now.bytes) != r.itemHash)
            continue;
        if (!QFile::remove(path)) {
            written.failure = SyncFailure{SyncFailure::Why::ItemNotDeleted, r.file, {}};
            return;
        }
        ++written.deleted;
    }
}

} // namespace vdirfolder
