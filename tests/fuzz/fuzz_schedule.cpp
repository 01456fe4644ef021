// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzzfile.h"

#include "schedule/scheduletable.h"

#include <QDate>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    checkLoader<ScheduleTable>(
        data, size, DataFile::Schedule,
        [](ScheduleTable &t, const QString &path) { return t.loadSchedule(path, QDate(2026, 12, 7)); },
        [](const ScheduleTable &t) { return t.fileLines(); });
    return 0;
}
