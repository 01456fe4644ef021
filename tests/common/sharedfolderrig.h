// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/session.h"
#include "common/fakes.h"
#include "common/testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// As sync tools write: the new version renamed over the old file.
inline void replaceByRename(const QString &path, const QString &text)
{
    const QString incoming = path + QStringLiteral(".sync-tmp");
    writeBytes(incoming, sjis(text));
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QFile::rename(incoming, path));
}

// A session on a folder of small data files, without windows, on a fixed moment.
struct SharedFolderRig {
    SharedFolderRig()
    {
        write("todo.txt", "電話する\r\n");
        write("schedule.txt", "会議,2026/12/10,10:00,,,\r\n");
        write("tel.txt", "aoki,青木,,携帯,090-1111-2222\r\n");
        write("pim.ini", "[Pim]\r\nLeft= 100\r\neditor=vi\r\nEditMode= 1\r\n");
    }
    [[nodiscard]] QString path(const char *name) const
    {
        return QDir(dir.path()).filePath(QLatin1String(name));
    }
    void write(const char *name, const QString &text) { writeBytes(path(name), sjis(text)); }
    void replaceByRename(const char *name, const QString &text) { ::replaceByRename(path(name), text); }
    // The start's loaders.
    void start()
    {
        session.loadThroughSchedule();
        session.loadPhoneFiles();
        session.loadSettings();
    }

    QTemporaryDir dir;
    FakeClock clock{QDateTime(QDate(2026, 12, 9), QTime(13, 5, 1))};
    Session session{dir.path(), clock};
};
