// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "phonebook/phonecards.h"

#include <cstdint>
#include <cstdlib>

// Any bytes: read as cards without a crash; what is read, written and read again, gives
// the same entries.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const phonecards::ReadResult first =
        phonecards::read(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (!first.error.isEmpty())
        return 0;
    PhoneBook book;
    for (const phonecards::Imported &i : first.entries) {
        phoneentry e = i.entry;
        if (e.index.isEmpty())
            continue;
        book.add(e);
    }
    if (book.ntphone() == 0)
        return 0; // no card to write: an empty file is no vCard file
    const phonecards::ReadResult again = phonecards::read(phonecards::write(book));
    if (!again.error.isEmpty() || again.entries.size() != book.ntphone())
        std::abort();
    PhoneBook back;
    for (const phonecards::Imported &i : again.entries)
        back.add(i.entry);
    if (back.fileLines() != book.fileLines())
        std::abort();
    return 0;
}
