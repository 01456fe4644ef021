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
        m_all.append({read.uid, f.file, hash, read.entries, read.series, f.stamp, read.spans, read.rule});
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
        m_all.append({known.uid, f.file, hash, {}, known.series, f.stamp, known.spans, known.rule});
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

} // namespace

QByteArray stampOf(const QString &path)
{
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return {};
    return QByteArray::number(qint64(st.st_size)) + '-' + QByteArray::number(qint64(st.st_mtim.tv_sec))
           + '.' + QByteArray::number(qint64(st.st_mtim.tv_nsec)) + '-'
           + QByteArray::number(quint64(st.st_ino));
}

Scan scanItems(const QString &dir, SyncTable &table, const QList<Record> &records)
{
    Scanner scanner(dir, table, records);
    for (const FileItem &f : listItems(QDir(dir), table.extension()))
        scanner.take(f);
    return scanner.finish();
}

} // namespace vdirfolder
