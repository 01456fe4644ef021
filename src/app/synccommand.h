// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The sync command (vdirsyncer sync), started directly, never by a shell, while a small
// window shows it with 中止; the rest of the program waits for it.
namespace synccommand {

constexpr int TimeLimitMs = 60000;

struct Result {
    bool ok = true;
    QString failure; // what to tell the user: why, and the command's last lines
};

// Runs in the data folder and returns when the command has ended, failed to start,
// was stopped with 中止 or ran out of time.
Result run(const QString &command, const QString &folder, int limitMs = TimeLimitMs);

} // namespace synccommand
