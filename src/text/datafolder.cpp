// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "datafolder.h"

#include <QDir>

QString dataFileName(DataFile file)
{
    switch (file) {
    case DataFile::Todo: return QStringLiteral("todo.txt");
    case DataFile::Done: return QStringLiteral("done.txt");
    case DataFile::Closet: return QStringLiteral("closet.txt");
    case DataFile::Schedule: return QStringLiteral("schedule.txt");
    case DataFile::Tel: return QStringLiteral("tel.txt");
    case DataFile::Ini: return QStringLiteral("pim.ini");
    case DataFile::Type: return QStringLiteral("type.txt");
    }
    return {};
}

QString DataFolder::path(DataFile file) const
{
    return QDir(m_folder).filePath(dataFileName(file));
}

void DataFolder::noteRead(DataFile file, const TextFileRead &read)
{
    if (read.status == TextFileRead::Ok && read.utf8 && !m_utf8Files.contains(dataFileName(file)))
        m_utf8Files.append(dataFileName(file));
    if (read.status != TextFileRead::Unreadable || m_unreadable.contains(file))
        return;
    m_unreadable.append(file);
    m_reasons.append(QStringLiteral("%1：%2").arg(dataFileName(file), read.error));
}
