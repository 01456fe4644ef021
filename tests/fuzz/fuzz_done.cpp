// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzzfile.h"

#include "lists/donelist.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = fuzzPath("done.txt");
    putBytes(path, data, size);
    DoneList list;
    list.loadDone(path);
    // Appending keeps every line there was and adds exactly one.
    const int before = list.rowCount();
    if (!addToDone(path, QStringLiteral("見積書"), QStringLiteral("2026/12/07")).ok)
        return 0;
    list.loadDone(path);
    if (list.rowCount() != before + 1
        || list.index(before).data().toString() != QStringLiteral("2026/12/07見積書"))
        fuzzFailure("an appended line did not come out as one new last line");
    return 0;
}
