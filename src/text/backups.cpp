// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "backups.h"

#include "textfile.h"

#include <QDateTime>
#include <QDir>
#include <QRegularExpression>

namespace backups {

namespace {

// The backups of that file, oldest first: their names sort by their time.
QStringList backupsOf(const QDir &dir, const QString &name)
{
    const QRegularExpression ours(QStringLiteral("^%1\\.\\d{8}-\\d{6}$")
                                      .arg(QRegularExpression::escape(name)));
    QStringList found;
    for (const QString &entry : dir.entryList({name + QStringLiteral(".*")}, QDir::Files,
                                              QDir::Name))
        if (ours.match(entry).hasMatch())
            found.append(entry);
    return found;
}

} // namespace

QString folderPath(const QString &programFolder)
{
    return QDir(programFolder).filePath(QStringLiteral("backup"));
}

std::optional<QString> keep(const QString &programFolder, const QString &name,
                            const QByteArray &bytes, const QDateTime &when)
{
    QDir dir(folderPath(programFolder));
    if (!dir.exists() && !QDir(programFolder).mkdir(QStringLiteral("backup")))
        return QStringLiteral("フォルダ %1 を作れません").arg(QDir::toNativeSeparators(dir.path()));
    const QString copy =
        name + QLatin1Char('.') + when.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    if (!dir.exists(copy))
        if (const WriteResult written = replaceFileBytes(dir.filePath(copy), bytes, Asked::No);
            !written.ok)
            return written.error;
    const QStringList all = backupsOf(dir, name);
    for (qsizetype i = 0; i + KeptPerFile < all.size(); ++i)
        dir.remove(all.at(i)); // a copy left over is no harm
    return std::nullopt;
}

} // namespace backups
