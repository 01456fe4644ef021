#pragma once

#include "text/textfile.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

// What every fuzz target shares: files in a folder of its own, and a hard stop that the
// fuzzer and the corpus replay both report.

[[nodiscard]] QString fuzzPath(const char *name);
void putBytes(const QString &path, const uint8_t *data, size_t size);
[[nodiscard]] QByteArray bytesOf(const QString &path);
[[noreturn]] void fuzzFailure(const char *what);

// Loads the input as a data file. One that loads completely, is written, loaded again and
// written again must come out the same: no quit may change a file the previous one wrote.
template <class Model, class Load, class Write>
void checkLoader(const uint8_t *data, size_t size, Load load, Write write)
{
    const QString in = fuzzPath("in.txt");
    const QString once = fuzzPath("once.txt");
    const QString twice = fuzzPath("twice.txt");
    putBytes(in, data, size);
    Model first;
    if (load(first, in).status != TextFileRead::Ok || !write(first, once).ok)
        return;
    Model second;
    if (load(second, once).status != TextFileRead::Ok)
        fuzzFailure("a file the program wrote does not load");
    if (!write(second, twice).ok)
        fuzzFailure("a file the program wrote cannot be written again");
    if (bytesOf(once) != bytesOf(twice))
        fuzzFailure("loading and saving changed a file the program wrote");
}
