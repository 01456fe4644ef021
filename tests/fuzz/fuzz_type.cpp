// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzzfile.h"

#include "phonebook/phonetypes.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    checkLoader<PhoneTypes>(
        data, size, DataFile::Type, [](PhoneTypes &t, const QString &path) { return t.loadPhoneTypes(path); },
        [](const PhoneTypes &t) { return t.stringList(); });
    return 0;
}
