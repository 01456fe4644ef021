// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// What users type into a box whose text is stored.
namespace typedtext {

// JIS forms from input methods become their CP932 forms, line breaks become blanks and
// characters that CP932 cannot hold are dropped, so a save never changes a text.
[[nodiscard]] QString clean(QStringView text);

// As clean(), and "," and "，" become "、": the text becomes a field of a
// comma-separated file that has no quoting.
[[nodiscard]] QString cleanField(QStringView text);

// As cleanField(), for a text that comes from another program's file: a character CP932
// cannot hold becomes "？" and is added to `replaced`, so the user can be told.
[[nodiscard]] QString cleanImportedField(QStringView text, QStringList &replaced);

} // namespace typedtext
