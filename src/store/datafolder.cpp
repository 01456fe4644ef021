// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "datafolder.h"

#include "backups.h"
#include "text/clock.h"
#include "conflictcopies.h"
#include "text/readahead.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// Why the file cannot be saved now without knowing what it holds, if so.
std::optional<QString> notReadableNow(const QString &folder, const FileBytes &onDisk)
{
    // A folder taken away, or replaced by a file: every file of it reads as missing.
    if (!QFileInfo(folder).isDir())
        return QStringLiteral("フォルダ %1 がありません").arg(QDir::toNativeSeparators(folder));
    if (!onDisk.ok)
        return QStringLiteral("今は読み込めません（%1）").arg(onDisk.error);
    return std::nullopt;
}

bool sameAs(const FileBytes &disk, const FileBytes &base)
{
    return disk.exists == base.exists && disk.bytes == base.bytes;
}

} // namespace

namespace {

// The data files and their names, in the order of a folder's listing.
constexpr std::pair<DataFile, const char *> namedFiles[] = {
    {DataFile::Todo, "todo.txt"},   {DataFile::Done, "done.txt"}, {DataFile::Closet, "closet.txt"},
    {DataFile::Schedule, "schedule.txt"}, {DataFile::Tel, "tel.txt"}, {DataFile::Ini, "pim.ini"},
    {DataFile::Type, "type.txt"}, {DataFile::Repeat, "repeat.txt"},
};

} // namespace

QString dataFileName(DataFile file)
{
    for (const auto &[named, name] : namedFiles)
        if (named == file)
            return QString::fromLatin1(name);
    return {};
}

QList<DataFile> allDataFiles()
{
    QList<DataFile> files;
    for (const auto &named : namedFiles)
        files.append(named.first);
    return files;
}

DataFolder::DataFolder(QString folder, const Clock &clock)
    : m_folder(std::move(folder)), m_clock(clock)
{
}

QString DataFolder::path(DataFile file) const
{
    return QDir(m_folder).filePath(dataFileName(file));
}

void DataFolder::noteRead(DataFile file, const TextFileRead &read)
{
    const auto noteOnce = [&file](QStringList &names, bool applies) {
        if (applies && !names.contains(dataFileName(file)))
            names.append(dataFileName(file));
    };
    noteOnce(m_utf8Files, read.status == TextFileRead::Ok && read.utf8);
    noteOnce(m_lineFeedFiles, read.status == TextFileRead::Ok && read.loneLineFeeds);
    if (read.status != TextFileRead::Unreadable) {
        FileBytes was;
        was.exists = read.status == TextFileRead::Ok;
        was.bytes = read.bytes;
        was.identity = read.identity;
        takeBaseline(file, was);
        return;
    }
    if (m_unreadable.contains(file))
        return;
    m_unreadable.append(file);
    // A UTF-8 file's reason names its lines: "tel.txt の 3 行目の「𠮷」は …".
    m_reasons.append((read.utf8 ? QStringLiteral("%1 の %2") : QStringLiteral("%1：%2"))
                         .arg(dataFileName(file), read.error));
}

const FileBytes *DataFolder::baseline(DataFile file) const
{
    const auto found = m_baselines.find(file);
    return found == m_baselines.end() ? nullptr : &found->second;
}

void DataFolder::takeBaseline(DataFile file, const FileBytes &read)
{
    m_baselines[file] = read;
}

const FileBinding *DataFolder::binding(DataFile file) const
{
    for (const FileBinding &bound : m_bindings)
        if (bound.file == file)
            return &bound;
    return nullptr;
}

bool DataFolder::holdsAsRead(DataFile file, const QStringList &lines) const
{
    const FileBytes *base = baseline(file);
    if (!base)
        return false;
    if (const FileBinding *bound = binding(file); bound && bound->reader)
        return bound->reader(*base) == lines;
    const EncodedLines encoded = encodeTextLines(lines);
    // A missing file reads as no lines: saving none leaves it as it was.
    return encoded.error.isEmpty()
           && (base->exists ? encoded.bytes == base->bytes : encoded.bytes.isEmpty());
}

bool DataFolder::stampDiffers(DataFile file) const
{
    const FileBytes *base = baseline(file);
    if (!base)
        return false;
    const FileStamp now(path(file));
    return now.exists != base->exists
           || (now.exists
               && (now.size != base->bytes.size() || now.identity != base->identity));
}

DataFolder::Prepared DataFolder::prepare(DataFile file, const QStringList &lines) const
{
    Prepared prepared;
    const EncodedLines encoded = encodeTextLines(lines);
    if (!encoded.error.isEmpty()) {
        prepared.error = encoded.error;
        return prepared;
    }
    prepared.bytes = encoded.bytes;
    prepared.onDisk = readFileBytes(path(file));
    // Never written over blindly: what it holds now is unknown.
    if (const auto why = notReadableNow(m_folder, prepared.onDisk))
        prepared.error = *why;
    return prepared;
}

WriteResult DataFolder::save(DataFile file, const QStringList &lines, Backup backup)
{
    const Prepared prepared = prepare(file, lines);
    if (!prepared.error.isEmpty())
        return {false, prepared.error};
    const QByteArray &bytes = prepared.bytes;
    const FileBytes &onDisk = prepared.onDisk;
    const FileBytes *base = baseline(file);
    if (!base || sameAs(onDisk, *base))
        return write(file, bytes, onDisk, backup);
    if (onDisk.exists && onDisk.bytes == bytes) {
        takeBaseline(file, onDisk); // both sides came to the same bytes
        return {};
    }
    // Only the other program changed it: its version stands. The baseline stays what this
    // run's data were read from, so a later save leaves the file again and the watch
    // still reads the other version in.
    if (holdsAsRead(file, lines))
        return {};
    if (!onDisk.exists)
        return write(file, bytes, onDisk, Backup::No);
    const QDir folder(m_folder);
    const QString copy = conflictcopies::newName(folder, dataFileName(file), m_clock.now());
    if (const WriteResult kept = replaceFileBytes(folder.filePath(copy), onDisk.bytes); !kept.ok)
        return {false, QStringLiteral("他のプログラムによる変更を %1 に残せません（%2）")
                           .arg(copy, kept.error)};
    WriteResult written = write(file, bytes, onDisk, Backup::No); // the copy is its backup
    if (written.ok)
        m_keptCopies.append({dataFileName(file), copy});
    else
        QFile::remove(folder.filePath(copy)); // the file itself still holds the same bytes
    return written;
}

bool DataFolder::onlyOthersChanged(DataFile file, const QStringList &lines) const
{
    const FileBytes *base = baseline(file);
    if (!base)
        return false;
    const FileBytes onDisk = readFileBytesUnasked(path(file));
    return onDisk.ok && !sameAs(onDisk, *base) && holdsAsRead(file, lines);
}

WriteResult DataFolder::saveMerged(DataFile file, const QStringList &lines, Backup backup)
{
    const Prepared prepared = prepare(file, lines);
    if (!prepared.error.isEmpty())
        return {false, prepared.error};
    return write(file, prepared.bytes, prepared.onDisk, backup);
}

WriteResult DataFolder::write(DataFile file, const QByteArray &bytes, const FileBytes &onDisk,
                              Backup backup)
{
    if (backup == Backup::Yes && onDisk.exists && onDisk.bytes != bytes)
        backUp(file, onDisk);
    WriteResult written = replaceFileBytes(path(file), bytes);
    if (!written.ok)
        return written;
    FileBytes now;
    now.bytes = bytes;
    now.identity = FileStamp(path(file)).identity;
    takeBaseline(file, now);
    return written;
}

void DataFolder::backUp(DataFile file, const FileBytes &onDisk)
{
    // A backup that fails never stops the save: the replacement itself is atomic.
    if (const auto error = backups::keep(m_folder, dataFileName(file), onDisk.bytes, m_clock.now()))
        m_backupFailures.append(QStringLiteral("%1：%2").arg(dataFileName(file), *error));
}

WriteResult DataFolder::saveAside(DataFile file, const QStringList &lines)
{
    if (const auto saved = m_linesSavedAside.find(file);
        saved != m_linesSavedAside.end() && saved->second == lines)
        return {};
    EncodedLines encoded = encodeTextLines(lines);
    const bool utf8 = !encoded.error.isEmpty(); // a character CP932 cannot hold
    if (utf8)
        for (const QString &line : lines)
            encoded.bytes += line.toUtf8() + "\r\n";
    const QDir folder(m_folder);
    const QString copy =
        conflictcopies::newName(folder, dataFileName(file), QStringLiteral("unsaved"), m_clock.now());
    if (const WriteResult written = replaceFileBytes(folder.filePath(copy), encoded.bytes);
        !written.ok)
        return {false, QStringLiteral("今回の内容を %1 に保存できません（%2）").arg(copy, written.error)};
    m_linesSavedAside[file] = lines;
    m_savedAside.append({dataFileName(file), copy, utf8});
    return {};
}

QList<KeptCopy> DataFolder::takeKeptCopies()
{
    return std::exchange(m_keptCopies, {});
}

QStringList DataFolder::takeBackupFailures()
{
    return std::exchange(m_backupFailures, {});
}

QString keptCopiesMessage(const QList<KeptCopy> &copies)
{
    QStringList lines;
    for (const KeptCopy &kept : copies)
        lines.append(QStringLiteral("%1 は他のプログラムにより変更されていたため、その内容を %2 に残しました。")
                         .arg(kept.file, kept.copy));
    return lines.join(QLatin1Char('\n'))
           + QStringLiteral("\n\n今回の内容は元のファイルに保存しました。二つを見比べ、必要なら手で合わせてください。");
}

QString savedAsideMessage(const QList<SavedAside> &saved)
{
    QStringList lines;
    for (const SavedAside &aside : saved)
        lines.append(QStringLiteral("%1 → %2%3")
                         .arg(aside.file, aside.copy,
                              aside.utf8 ? QStringLiteral("（Shift-JIS で保存できない文字があるため UTF-8）")
                                         : QString()));
    return QStringLiteral("次のファイルは、起動時に最後まで読み込めなかったか Shift-JIS で保存できなかったため、"
                          "元のファイルは変えずに、この起動中の内容を別のファイルに保存しました。\n")
           + lines.join(QLatin1Char('\n'))
           + QStringLiteral("\n\n元のファイルと見比べ、必要なら手で合わせてください。");
}
