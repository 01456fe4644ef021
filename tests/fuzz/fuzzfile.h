// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/datafolder.h"
#include "text/textfile.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

// What every fuzz target shares: files in a folder of its own, and a hard stop that the
// fuzzer and the corpus replay both report.

[[nodiscard]] QString fuzzPath(const char *name);
// The path of the data file in a folder of that name, made when missing.
[[nodiscard]] QString fuzzFolder(const char *folder, DataFile file);
// Saves the lines into the data file at that path through the data folder, as the quit does.
[[nodiscard]] WriteResult saveAsTheQuit(const QString &path, DataFile file, const QStringList &lines);
void putBytes(const QString &path, const uint8_t *data, size_t size);
[[nodiscard]] QByteArray bytesOf(const QString &path);
[[noreturn]] void fuzzFailure(const char *what);
// Prints the bytes, for the report of a failure.
void showBytes(const char *what, const QByteArray &bytes);

// Loads the input as a data file. One that loads completely, is saved as the quit saves it,
// loaded again and saved again must come out the same: no quit may change a file the
// previous one wrote. `settlesLater` excuses a first save that the next one still changes.
template <class Model, class Load, class Lines>
void checkLoader(const uint8_t *data, size_t size, DataFile file, Load load, Lines lines,
                 bool (*settlesLater)(const Model &) = nullptr)
{
    const QString in = fuzzFolder("in", file);
    const QString once = fuzzFolder("once", file);
    const QString twice = fuzzFolder("twice", file);
    putBytes(in, data, size);
    Model first;
    if (load(first, in).status != TextFileRead::Ok || !saveAsTheQuit(once, file, lines(first)).ok)
        return;
    // CP932 text made only of rare kanji and half-width katakana can form Japanese UTF-8
    // byte for byte; without a byte-order mark no reader can tell, and the UTF-8 rule
    // takes such a file for UTF-8. Known and accepted: real text holds kana.
    if (utf8Text(bytesOf(once)))
        return;
    Model second;
    if (load(second, once).status != TextFileRead::Ok) {
        showBytes("once", bytesOf(once));
        fuzzFailure("a file the program wrote does not load");
    }
    if (!saveAsTheQuit(twice, file, lines(second)).ok)
        fuzzFailure("a file the program wrote cannot be written again");
    if (bytesOf(once) != bytesOf(twice) && !(settlesLater && settlesLater(first))) {
        showBytes("once", bytesOf(once));
        showBytes("twice", bytesOf(twice));
        fuzzFailure("loading and saving changed a file the program wrote");
    }
}
