// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "datahome.h"

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

} // namespace

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
    const QString beside = QDir(programFolder).filePath(QStringLiteral("Kibanu.hlp"));
    if (QFileInfo::exists(beside))
        return beside;
    const QString shared = QDir::cleanPath(programFolder + QStringLiteral("/../share/kibanu/Kibanu.hlp"));
    return QFileInfo::exists(shared) ? shared : beside;
}

} // namespace datahome
