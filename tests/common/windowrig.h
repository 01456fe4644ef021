// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/fakes.h"
#include "common/testfiles.h"
#include "store/datafolder.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

// What a window is built with in a test: a data folder of its own, the fixed day of
// every test and the scripted prompter.
struct WindowRig {
    [[nodiscard]] QString path(const char *name) const
    {
        return QDir(dir.path()).filePath(QLatin1String(name));
    }
    QTemporaryDir dir;
    FakeClock clock{QDateTime(QDate(2026, 12, 7), QTime(9, 0))};
    DataFolder files{dir.path(), clock};
    ScriptedPrompter prompter;
};
