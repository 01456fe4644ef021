// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "readahead.h"

#include <QFileInfo>

FileStamp::FileStamp(const QString &path)
{
    const QFileInfo info(path);
    exists = info.exists();
    size = info.size();
    identity = fileIdentity(path).value_or(FileIdentity{});
}

std::mutex &readAheadTurn()
{
    static std::mutex turn;
    return turn;
}
