// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "datahome.h"

#include "store/datafolder.h"
#include "text/textfile.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

namespace datahome {

namespace {

bool isSystemFolder(const QString &folder)
{
    const QString path = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    return path == u"/usr" || path.startsWith(QLatin1String("/usr/"));
}


// The data files in the folder, and the time the newest of them was changed.
struct Held {
    QStringList names;
    QDateTime newest;
};

Held held(const QString &folder)
{
    Held found;
    for (const DataFile file : allDataFiles()) {
        const QFileInfo info(QDir(folder).filePath(dataFileName(file)));
        if (!info.isFile())
            continue;
        found.names.append(info.fileName());
        if (!found.newest.isValid() || info.lastModified() > found.newest)
            found.newest = info.lastModified();
    }
    return found;
}

// Copies every file, each whole; on a failure takes back those copied and says why.
QString copyAll(const QString &from, const QString &to, const QStringList &names)
{
    QStringList done;
    for (const QString &name : names) {
        const FileBytes bytes = readFileBytesUnasked(QDir(from).filePath(name));
        const WriteResult written = bytes.ok ? replaceFileBytes(QDir(to).filePath(name), bytes.bytes, Asked::No)
                                             : WriteResult{false, bytes.error};
        if (!written.ok) {
            for (const QString &copied : done)
                QFile::remove(QDir(to).filePath(copied));
            return QStringLiteral("%1 をデータのフォルダにコピーできませんでした（%2）。").arg(name, written.error);
        }
        done.append(name);
    }
    return {};
}

} // namespace

Carried carryOver(const QString &programFolder, const QString &dataFolder)
{
    Carried carried;
    const Held there = held(programFolder);
    if (there.names.isEmpty() || QFileInfo(programFolder) == QFileInfo(dataFolder))
        return carried;
    const QString from = QDir::toNativeSeparators(programFolder);
    const QString to = QDir::toNativeSeparators(dataFolder);
    const Held here = held(dataFolder);
    if (here.names.isEmpty()) {
        carried.error = copyAll(programFolder, dataFolder, there.names);
        if (!carried.error.isEmpty())
            return carried;
        carried.copied = there.names;
        carried.notice = QStringLiteral("プログラムのフォルダ %1 には書き込めないため、そこにあったデータファイル（%2）を"
                                        "データのフォルダ %3 にコピーしました。\n\n"
                                        "これからはデータのフォルダのファイルを読み書きします。")
                             .arg(from, there.names.join(QStringLiteral("、")), to);
    } else if (there.newest > here.newest) {
        carried.notice = QStringLiteral("プログラムのフォルダ %1 にもデータファイルがありますが、そこには書き込めないため、"
                                        "データのフォルダ %2 のファイルを使います。\n\n"
                                        "プログラムのフォルダのファイルを使うには、Kibanu を終了してから、"
                                        "それをデータのフォルダへコピーしてください。")
                             .arg(from, to);
    }
    return carried;
}

bool writable(const QString &folder)
{
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".kibanu-probe-XXXXXX")));
    return probe.open();
}

Choice choose(const QString &programFolder, const QString &dataHome)
{
    if (!isSystemFolder(programFolder) && writable(programFolder))
        return {programFolder, {}};
    const QString folder = QDir(dataHome).filePath(QStringLiteral("Kibanu"));
    if (!QDir().mkpath(folder) || !writable(folder))
        return {folder, QStringLiteral("データのフォルダ %1 を作れないか、書き込めません。")
                            .arg(QDir::toNativeSeparators(folder))};
    return {folder, {}};
}

QString helpFile(const QString &programFolder)
{
    QString beside = QDir(programFolder).filePath(QStringLiteral("Kibanu.hlp"));
    if (QFileInfo::exists(beside))
        return beside;
    const QString shared = QDir::cleanPath(programFolder + QStringLiteral("/../share/kibanu/Kibanu.hlp"));
    return QFileInfo::exists(shared) ? shared : beside;
}

} // namespace datahome
