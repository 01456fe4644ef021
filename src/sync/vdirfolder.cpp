// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "vdirfolder.h"

#include "synctable.h"
#include "text/textfile.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>

#include <algorithm>

namespace vdirfolder {

namespace {

using syncmerge::Record;

struct FileItem {
    QString file;
    QByteArray stamp;
};

// The file's size, time of change (to the nanosecond) and inode: a sync program that
// rewrites an item changes them, so an item with the stamp it had is not read again.
QByteArray stampOf(const QString &path)
{
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return {};
    return QByteArray::number(qint64(st.st_size)) + '-' + QByteArray::number(qint64(st.st_mtim.tv_sec))
           + '.' + QByteArray::number(qint64(st.st_mtim.tv_nsec)) + '-'
           + QByteArray::number(quint64(st.st_ino));
}

// The items of a collection folder by name, with their stamps.
QList<FileItem> listItems(const QDir &dir, const QString &ext)
{
    QList<FileItem> items;
    const QStringList names = dir.entryList({u'*' + ext}, QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
    items.reserve(names.size());
    for (const QString &name : names)
        items.append({name, stampOf(dir.filePath(name))});
    return items;
}

// The characters the sync program keeps in a file name; a UID with others gets a name of
// its own.
bool nameSafe(const QString &uid)
{
    return std::all_of(uid.cbegin(), uid.cend(), [](QChar c) {
        return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9')
               || c == u'_' || c == u'.' || c == u'-' || c == u'+';
    });
}

// The scan of one folder: each file once, then the UIDs more than one file claims.
class Scanner {
public:
    Scanner(const QString &dir, SyncTable &table, const QList<Record> &records)
        : m_dir(dir), m_table(table)
    {
        for (const Record &r : records)
            if (!m_byFile.contains(r.file))
                m_byFile.insert(r.file, &r);
    }

    void take(const FileItem &f)
    {
        const Record *known = m_byFile.value(f.file);
        if (known && !f.stamp.isEmpty() && known->stamp == f.stamp) {
            keep(*known, f, known->itemHash); // as the last sync left it: nothing to read
            return;
        }
        const FileBytes file = readFileBytes(m_dir.filePath(f.file));
        if (!file.exists)
            return; // taken away meanwhile
        if (!file.ok) {
            skip(f.file, SkipReason::Unreadable, file.error, known);
            return;
        }
        const QByteArray hash = syncHash(file.bytes);
        if (known && known->itemHash == hash) {
            keep(*known, f, hash);
            return;
        }
        ReadItem read = m_table.read(file.bytes);
        if (read.problem == SkipReason::None && nameSafe(read.uid) && f.file != read.uid + m_table.extension())
            read.problem = SkipReason::NameNotUid;
        if (read.problem != SkipReason::None) {
            skip(f.file, read.problem, read.detail, known);
            return;
        }
        m_all.append({read.uid, f.file, hash, read.entries, read.series, f.stamp});
        m_scan.held.insert(read.uid, read.held);
        m_filesOfUid[read.uid].append(f.file);
    }

    // A UID of several files is none of theirs: each is skipped, naming the others.
    Scan finish()
    {
        for (const syncmerge::Item &item : std::as_const(m_all)) {
            const QStringList &sharing = m_filesOfUid.value(item.uid);
            if (sharing.size() == 1) {
                m_scan.items.append(item);
                continue;
            }
            QStringList others = sharing;
            others.removeAll(item.file);
            m_scan.skipped.append({item.file, SkipReason::SameUid, {}, others});
            if (!m_scan.unread.contains(item.uid))
                m_scan.unread.append(item.uid);
        }
        return std::move(m_scan);
    }

private:
    void keep(const Record &known, const FileItem &f, const QByteArray &hash)
    {
        m_all.append({known.uid, f.file, hash, {}, known.series, f.stamp});
        m_filesOfUid[known.uid].append(f.file);
    }

    void skip(const QString &file, SkipReason why, const QString &detail, const Record *known)
    {
        m_scan.skipped.append({file, why, detail, {}});
        if (known)
            m_scan.unread.append(known->uid);
    }

    QDir m_dir;
    SyncTable &m_table;
    QHash<QString, const Record *> m_byFile;
    QHash<QString, QStringList> m_filesOfUid;
    QList<syncmerge::Item> m_all;
    Scan m_scan;
};

// The quit's writing of one folder, an entry at a time, until a write fails.
class Writer {
public:
    Writer(const QString &dir, SyncTable &table, const QList<Record> &old) : m_dir(dir), m_table(table)
    {
        for (const Record &r : old) {
            m_byUid.insert(r.uid, &r);
            m_inUse.insert(r.uid);
        }
    }

    [[nodiscard]] bool failed() const { return m_out.failure.has_value(); }
    [[nodiscard]] Written take() { return std::move(m_out); }

    void writeRow(int row)
    {
        if (!m_table.belongsInFolder(row))
            return;
        const syncmerge::Entry entry = m_table.entryAt(row);
        const QString uid = m_table.uidAt(row);
        const Record *record = uid.isEmpty() ? nullptr : m_byUid.value(uid);
        if (record && record->series) {
            m_out.present.insert(uid); // a series is the server's: its entries here stay here
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

private:
    // The entry's change into the item it is; false when it becomes a new item instead.
    bool rewrite(int row, const Record &record, const syncmerge::Entry &entry)
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

    // A new item, named after the entry, so a quit that ends before the state is
    // written leaves an item the next start knows by its content.
    void writeNew(int row, const syncmerge::Entry &entry)
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
        if (!put(fresh + ext, bytes, fresh, entry))
            return;
        m_inUse.insert(fresh);
        m_out.present.insert(fresh);
        m_table.setUid(row, fresh);
    }

    // Writes the item and records it; the first failure ends the writing.
    bool put(const QString &file, const QByteArray &bytes, const QString &uid, const syncmerge::Entry &entry)
    {
        const QString path = m_dir.filePath(file);
        const WriteResult w = replaceFileBytes(path, bytes);
        if (!w.ok) {
            m_out.failure = SyncFailure{SyncFailure::Why::ItemNotWritten, file, w.error};
            return false;
        }
        ++m_out.written;
        m_out.records.append({uid, file, syncHash(bytes), entry.hash, entry.keyA, entry.keyB, false, stampOf(path)});
        return true;
    }

    QDir m_dir;
    SyncTable &m_table;
    QHash<QString, const Record *> m_byUid;
    QSet<QString> m_inUse;
    Written m_out;
};

} // namespace

Scan scanItems(const QString &dir, SyncTable &table, const QList<Record> &records)
{
    Scanner scanner(dir, table, records);
    for (const FileItem &f : listItems(QDir(dir), table.extension()))
        scanner.take(f);
    return scanner.finish();
}

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
    return writer.take();
}

void deleteGone(const QString &dir, const QList<Record> &old, Written &written)
{
    for (const Record &r : old) {
        if (r.series) {
            written.records.append(r);
            continue;
        }
        if (written.present.contains(r.uid))
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
