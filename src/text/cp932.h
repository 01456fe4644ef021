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
};

[[nodiscard]] Decoded decode(const QByteArray &bytes);

// Empty optional-like result: ok is false and failedChar names the character.
struct Encoded {
    QByteArray bytes;
    bool ok = true;
    QString failedChar;
};

[[nodiscard]] Encoded encode(QStringView text);

// True when the code point has an exact CP932 form.
[[nodiscard]] bool canEncode(char32_t codePoint);

} // namespace cp932
