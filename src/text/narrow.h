// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Full-width letters, digits, signs, the ideographic space and katakana become their
// half-width forms; every other character stays as it is.
[[nodiscard]] QString narrow(const QString &text);

// Whether `entry` holds `text` as it was or as the loaders keep it (narrowed): a text read
// from another program and back from the data files is not a change of the user's.
[[nodiscard]] bool sameOnceLoaded(const QString &text, const QString &entry);
