// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A vCard file's bytes taken apart: its content lines, their parameters and the bytes of
// their values as text.
#include "vcard_internal.h"

#include "cp932.h"

#include <QStringDecoder>

namespace vcard::detail {

namespace {

// The physical lines without their line ends (CR LF, LF or a lone CR).
QList<QByteArray> physicalLines(const QByteArray &bytes)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes.at(i) != '\r' && bytes.at(i) != '\n')
            continue;
        lines.append(bytes.mid(start, i - start));
        if (bytes.at(i) == '\r' && i + 1 < bytes.size() && bytes.at(i + 1) == '\n')
            ++i;
        start = i + 1;
    }
    if (start < bytes.size())
        lines.append(bytes.mid(start));
    return lines;
}

bool isQuotedPrintable(const QByteArray &logical)
{
    const qsizetype colon = logical.indexOf(':');
    const QByteArray head = (colon < 0 ? logical : logical.left(colon)).toUpper();
    return head.contains("QUOTED-PRINTABLE");
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

bool isShiftJis(const QString &charset)
{
    const QString c = charset.toUpper();
    return c == u"SHIFT_JIS" || c == u"SHIFT-JIS" || c == u"SJIS" || c == u"CP932"
           || c == u"WINDOWS-31J" || c == u"MS_KANJI";
}

// RFC 6868's escapes in a parameter value: ^' a quote, ^n a line break, ^^ a caret.
QString uncaret(const QString &value)
{
    if (!value.contains(u'^'))
        return value;
    QString out;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar next = i + 1 < value.size() ? value.at(i + 1) : QChar();
        if (value.at(i) == u'^' && (next == u'\'' || next == u'n' || next == u'^')) {
            out.append(next == u'\'' ? QChar(u'"') : next == u'n' ? QChar(u'\n') : QChar(u'^'));
            ++i;
        } else {
            out.append(value.at(i));
        }
    }
    return out;
}

} // namespace

// A line that begins with a blank continues the one before (the blank is dropped); a
// quoted-printable value that ends in "=" goes on in the next line as it stands.
QList<QByteArray> logicalLines(const QByteArray &bytes)
{
    QList<QByteArray> logical;
    bool softBreak = false;
    for (const QByteArray &physical : physicalLines(bytes)) {
        if (softBreak) {
            logical.last().chop(1);
            logical.last().append(physical);
        } else if (!logical.isEmpty() && !physical.isEmpty()
                   && (physical.at(0) == ' ' || physical.at(0) == '\t')) {
            logical.last().append(physical.mid(1));
        } else if (physical.trimmed().isEmpty()) {
            softBreak = false;
            continue; // the blank line after 2.1's base64 data
        } else {
            logical.append(physical);
        }
        softBreak = isQuotedPrintable(logical.last()) && logical.last().endsWith('=');
    }
    return logical;
}

QByteArray fromQuotedPrintable(const QByteArray &encoded)
{
    QByteArray decoded;
    decoded.reserve(encoded.size());
    for (qsizetype i = 0; i < encoded.size(); ++i) {
        const char c = encoded.at(i);
        if (c == '=' && i + 2 < encoded.size() && hexValue(encoded.at(i + 1)) >= 0
            && hexValue(encoded.at(i + 2)) >= 0) {
            decoded.append(char(hexValue(encoded.at(i + 1)) * 16 + hexValue(encoded.at(i + 2))));
            i += 2;
        } else if (c == '=' && i + 1 == encoded.size()) {
            break; // a soft line break left at the end
        } else {
            decoded.append(c);
        }
    }
    return decoded;
}

std::optional<QString> decodeText(const QByteArray &bytes, const QString &charset)
{
    if (isShiftJis(charset)) {
        const cp932::Decoded d = cp932::decode(bytes);
        return d.complete ? std::optional<QString>(d.text) : std::nullopt;
    }
    QStringDecoder decoder(charset.isEmpty() ? "UTF-8" : charset.toLatin1().constData(),
                           QStringConverter::Flag::Stateless);
    if (!decoder.isValid())
        return std::nullopt;
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

QList<std::pair<QString, QString>> parseParams(const QString &text)
{
    QList<std::pair<QString, QString>> params;
    qsizetype i = 0;
    while (i < text.size()) {
        QString part;
        bool quoted = false;
        for (; i < text.size(); ++i) {
            const QChar c = text.at(i);
            if (c == u'"')
                quoted = !quoted;
            else if (c == u';' && !quoted)
                break;
            else
                part.append(c);
        }
        ++i; // the ";"
        if (part.isEmpty())
            continue;
        const qsizetype eq = part.indexOf(u'=');
        if (eq < 0)
            params.append({QStringLiteral("TYPE"), part.trimmed()});
        else
            params.append({part.left(eq).trimmed().toUpper(), uncaret(part.mid(eq + 1))});
    }
    return params;
}

qsizetype valueStart(const QByteArray &line)
{
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line.at(i) == '"')
            quoted = !quoted;
        else if (line.at(i) == ':' && !quoted)
            return i;
    }
    return -1;
}

} // namespace vcard::detail
