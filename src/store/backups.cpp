// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "backups.h"

#include "text/textfile.h"

#include <QDateTime>
#include <QDir>
#include <QRegularExpression>

#include <algorithm>

namespace backups {

namespace {

// The backups of that file, newest first by the time each was written (by name within the
// same millisecond): their names hold the clock's time, which may have been wrong, or
// another machine's.
QFileInfoList backupsOf(const QDir &dir, const QString &name)
{
    const QRegularExpression ours(QStringLiteral("^%1\\.\\d{8}-\\d{6}$")
                                      .arg(QRegularExpression::escape(name)));
    QFileInfoList found;
    for (const QFileInfo &entry : dir.entryInfoList({name + QStringLiteral(".*")}, QDir::Files))
        if (ours.match(entry.fileName()).hasMatch())
            found.append(entry);
    const auto newer = [](const QFileInfo &a, const QFileInfo &b) {
        const qint64 at = a.lastModified().toMSecsSinceEpoch();
        const qint64 bt = b.lastModified().toMSecsSinceEpoch();
        return at != bt ? at > bt : a.fileName() > b.fileName();
    };
    std::sort(found.begin(), found.end(), newer);
    return found;
}

} // namespace

QString folderPath(const QString &dataFolder)
{
    return QDir(dataFolder).filePath(QStringLiteral("backup"));
}

std::optional<QString> keep(const QString &dataFolder, const QString &name,
                            const QByteArray &bytes, const QDateTime &when)
{
    QDir dir(folderPath(dataFolder));
    if (!dir.exists() && !QDir(dataFolder).mkdir(QStringLiteral("backup")))
        return QStringLiteral("フォルダ %1 を作れません").arg(QDir::toNativeSeparators(dir.path()));
    const QString copy =
        name + QLatin1Char('.') + when.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    if (!dir.exists(copy))
        if (const WriteResult written = replaceFileBytes(dir.filePath(copy), bytes, Asked::No);
            !written.ok)
            return written.error;
    // The copy just made is never the one to go, whatever the times say.
    qsizetype kept = 1;
    for (const QFileInfo &older : backupsOf(dir, name)) {
        if (older.fileName() == copy)
            continue;
        if (kept < KeptPerFile)
            ++kept;
        else
            dir.remove(older.fileName()); // a copy left over is no harm
    }
    return std::nullopt;
}

} // namespace backups
