// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

struct SyncReport;

// What the sync's report tells the user, one message box each, in the order it happened.
[[nodiscard]] QStringList syncMessages(const SyncReport &report);
