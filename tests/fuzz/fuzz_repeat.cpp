// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzzfile.h"

#include "schedule/repeattable.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    checkLoader<RepeatTable>(
        data, size, DataFile::Repeat, [](RepeatTable &t, const QString &path) { return t.load(path); },
        [](const RepeatTable &t) { return t.fileLines(); });
    return 0;
}
