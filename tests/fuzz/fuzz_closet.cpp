// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzzfile.h"

#include "lists/shelflist.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    checkLoader<ShelfList>(
        data, size, DataFile::Closet, [](ShelfList &s, const QString &path) { return s.loadCloset(path); },
        [](const ShelfList &s) { return s.stringList(); });
    return 0;
}
