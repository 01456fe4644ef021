// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "syncmerge.h"
#include "syncreport.h"

#include <optional>

// The state file in the root of the sync folder: which item each entry is, and what the
// item and the entry held when this program last wrote or read them.
namespace syncstate {

struct State {
    QList<syncmerge::Record> calendar;
    QList<syncmerge::Record> contacts;
};

struct ReadResult {
    State state;
    // The file is there but cannot be read: its records are not taken.
    std::optional<StateProblem> problem;
};

// No file is an empty state (the first sync).
[[nodiscard]] ReadResult read(const QString &path);
[[nodiscard]] QByteArray bytes(const State &state);

} // namespace syncstate
