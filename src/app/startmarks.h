// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where the start spends its time: with KIBANU_START_MARKS set in the environment, each
// mark prints to stderr the milliseconds since the program was loaded and what was just
// done. Otherwise nothing.
namespace startmarks {

void mark(const char *what);

} // namespace startmarks
