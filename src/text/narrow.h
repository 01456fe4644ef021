// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Full-width letters, digits, signs, the ideographic space and katakana become their
// half-width forms; every other character stays as it is.
[[nodiscard]] QString narrow(const QString &text);
