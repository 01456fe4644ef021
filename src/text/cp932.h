// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// CP932 (Windows Shift-JIS), the code page of every data file. Both directions refuse
// what they cannot convert exactly instead of substituting a character.
namespace cp932 {

struct Decoded {
    QString text;       // everything up to the first fault, or the whole text
    bool complete = true;
    qsizetype errorOffset = -1; // byte offset of the first fault
    qsizetype errorLength = 0;  // how many bytes make that fault
};

[[nodiscard]] Decoded decode(const QByteArray &bytes);

// Decodes everything, each fault shown as U+FFFD: for texts that are only shown.
[[nodiscard]] QString decodeForDisplay(const QByteArray &bytes);

// ok is false when a character has no CP932 form; failedChar names it.
struct Encoded {
    QByteArray bytes;
    bool ok = true;
    QString failedChar;
};

[[nodiscard]] Encoded encode(QStringView text);

// True when the code point has an exact CP932 form.
[[nodiscard]] bool canEncode(char32_t codePoint);

} // namespace cp932
