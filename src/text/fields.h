// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The fields of one narrowed line cut at a separator.
struct SplitFields {
    QStringList fields;

    // The field count: 0 for an empty line, 1 for a line without the separator.
    [[nodiscard]] int count() const { return int(fields.size()); }
    // Field i, or the empty text beyond the count.
    [[nodiscard]] QString at(int i) const { return i < fields.size() ? fields.at(i) : QString(); }
};

// Narrows the line, then cuts it at every occurrence of the separator (exact match).
// Consecutive separators give empty fields; nothing is trimmed. A line with more than
// 30 separators keeps all of its fields, so no text is dropped: each caller decides.
[[nodiscard]] SplitFields splitFields(const QString &line, const QString &separator);
