// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// What users type into a box whose text is stored.
namespace typedtext {

// JIS forms from input methods become their CP932 forms, line breaks become blanks and
// characters that CP932 cannot hold are dropped, so a save never changes a text.
[[nodiscard]] QString clean(QStringView text);

// As clean(), and "," and "，" become "、": the text becomes a field of a
// comma-separated file that has no quoting.
[[nodiscard]] QString cleanField(QStringView text);

} // namespace typedtext
