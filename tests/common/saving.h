// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/datafolder.h"
#include "text/clock.h"

#include <QFileInfo>

#include <gtest/gtest.h>

// Saves the lines into the data file at that path as the quit does: through the data
// folder, in CP932 with CR LF, the file replaced whole. A test may only name a data file.
inline WriteResult saveAsTheQuit(const QString &path, const QStringList &lines)
{
    const QFileInfo info(path);
    const SystemClock clock;
    DataFolder folder(info.absolutePath(), clock);
    for (const DataFile file : allDataFiles())
        if (dataFileName(file) == info.fileName())
            return folder.save(file, lines, DataFolder::Backup::No);
    ADD_FAILURE() << info.fileName().toStdString() << " is no data file";
    return {false, QStringLiteral("no data file")};
}
