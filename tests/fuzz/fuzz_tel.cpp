// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzzfile.h"

#include "phonebook/phonebook.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    checkLoader<PhoneBook>(
        data, size, DataFile::Tel, [](PhoneBook &b, const QString &path) { return b.loadPhoneBook(path); },
        [](const PhoneBook &b) { return b.fileLines(); });
    return 0;
}
