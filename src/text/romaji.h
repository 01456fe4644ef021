// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// A phone book index made from a reading in kana (or a Latin name): romaji by ICU's
// transliterators, ASCII letters and digits only, lower case. やまだ はなこ gives
// yamadahanako. Empty when nothing of the text becomes a letter or digit.
[[nodiscard]] QString romajiIndex(const QString &reading);
