// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "readahead.h"

#include <QDateTime>
#include <QFileInfo>

FileStamp::FileStamp(const QString &path)
{
    const QFileInfo info(path);
    exists = info.exists();
    size = info.size();
    modifiedMs = info.lastModified().toMSecsSinceEpoch();
}

std::mutex &readAheadTurn()
{
    static std::mutex turn;
    return turn;
}
