// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "text/textfile.h"

#include <QStringList>

#include <functional>
#include <optional>

enum class DataFile;

// What one data file is to a run: how the start reads it, what its table would write,
// how the quit writes it, and how another program's version is taken in. The start, the
// folder's watch and every save go through one table of these, so a new data file is one
// more row.
struct FileBinding {
    // The start reads the files in steps: before the today window, after it, and the
    // settings last.
    enum class Step { BeforeToday, AfterToday, Settings };

    FileBinding(DataFile file, Step step, int readOrder)
        : file(file), step(step), readOrder(readOrder)
    {
    }

    DataFile file;
    Step step;
    int readOrder; // within the start, lower first; the table's own order is the quit's
    // Reads the file into its table; what was read.
    std::function<TextFileRead()> load;
    // After a read noted as this run's (it may be one this run may not write).
    std::function<void()> afterLoad;
    // The lines of the table now: what the file is to hold.
    std::function<QStringList()> lines;
    // How the quit writes it; unset: the lines, saved with a backup against the disk.
    std::function<WriteResult()> save;
    // Whether this run changed the table since the file was read; unset: assumed so.
    std::function<bool()> changedThisRun;
    // Something of the table still open (an edit, a marked slot): it counts as changed.
    std::function<bool()> heldOpen;
    // The lines a file's bytes give, as the loader reads them, so that a file this run
    // would write otherwise (a short todo.txt, a hand-sorted schedule) still reads as
    // unchanged; nothing for bytes it cannot read. Unset: only the very bytes count.
    std::function<std::optional<QStringList>(const FileBytes &)> reader;
    // Takes another program's version in; unset: the file is not followed while running.
    std::function<void(const FileBytes &, const QString &text)> reload;
};
