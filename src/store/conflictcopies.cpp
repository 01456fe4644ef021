// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "conflictcopies.h"

#include <QDateTime>
#include <QDir>
#include <QRegularExpression>

#include <optional>
#include <vector>

namespace conflictcopies {

namespace {

struct Parts {
    QString stem;
    QString ext; // with its dot, or empty
};

Parts split(const QString &fileName)
{
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    if (dot <= 0)
        return {fileName, {}};
    return {fileName.left(dot), fileName.mid(dot)};
}

// The forms the tools give their copies of stem.ext:
//   stem.sync-conflict-20261209-130501-ABCDEFG.ext   (Syncthing)
//   stem (someone's conflicted copy 2026-12-09).ext   (Dropbox, Nextcloud)
//   stem-conflict-….ext, stem.conflict-….ext           (ownCloud, this program)
//   stem (1).ext                                      (Google Drive, OneDrive)
QRegularExpression copyPattern(const QString &fileName)
{
    const Parts parts = split(fileName);
    const QString stem = QRegularExpression::escape(parts.stem);
    const QString ext = QRegularExpression::escape(parts.ext);
    return QRegularExpression(
        QStringLiteral("^%1(?:\\.sync-conflict-.+|[.-]conflict-.+| \\(.*conflict.*\\)| \\(\\d+\\))%2$")
            .arg(stem, ext),
        QRegularExpression::CaseInsensitiveOption);
}

// Longer than the file's name, and beginning with its stem and ending with its extension
// as every copy does.
bool couldBeCopy(const QString &name, const QString &fileName)
{
    const Parts parts = split(fileName);
    return name.size() > fileName.size()
           && name.startsWith(parts.stem, Qt::CaseInsensitive)
           && name.endsWith(parts.ext, Qt::CaseInsensitive);
}

} // namespace

QString newName(const QDir &folder, const QString &fileName, const QDateTime &when)
{
    return newName(folder, fileName, QStringLiteral("conflict"), when);
}

QString newName(const QDir &folder, const QString &fileName, const QString &kind,
                const QDateTime &when)
{
    const Parts parts = split(fileName);
    const QString base = parts.stem + QLatin1Char('.') + kind + QLatin1Char('-')
                         + when.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString name = base + parts.ext;
    for (int n = 2; folder.exists(name); ++n)
        name = base + QLatin1Char('-') + QString::number(n) + parts.ext;
    return name;
}

QStringList found(const QStringList &names, const QStringList &dataFiles)
{
    // Made only for a name that could be a copy: compiling them is most of the cost,
    // and a folder seldom holds one.
    std::vector<std::optional<QRegularExpression>> patterns(dataFiles.size());
    QStringList copies;
    for (const QString &name : names)
        for (qsizetype i = 0; i < dataFiles.size(); ++i) {
            if (!couldBeCopy(name, dataFiles.at(i)))
                continue;
            if (!patterns[i])
                patterns[i] = copyPattern(dataFiles.at(i));
            if (patterns[i]->match(name).hasMatch()) {
                copies.append(name);
                break;
            }
        }
    return copies;
}

} // namespace conflictcopies
