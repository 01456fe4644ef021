// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzzfile.h"

#include "app/settings.h"
#include "text/profile.h"

namespace {

// pim.ini as the start reads it and the quit writes it back.
struct Ini {
    ProfileFile file;
    Settings settings;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    checkLoader<Ini>(
        data, size, DataFile::Ini,
        [](Ini &ini, const QString &path) {
            const TextFileRead read = ini.file.load(path);
            ini.settings = readSettings(ini.file);
            return read;
        },
        [](const Ini &ini) {
            ProfileFile written = ini.file;
            writeSettings(written, ini.settings, true);
            return written.lines();
        },
        // An Editor value that begins or ends in blanks (cut at its 29th byte, or read from
        // inside quotes) is written as it is and trimmed by the next reading: the file
        // settles on the second save.
        +[](const Ini &ini) { return ini.settings.editor != ini.settings.editor.trimmed(); });
    return 0;
}
