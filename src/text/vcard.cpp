// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "vcard.h"

#include "cp932.h"

#include <QStringDecoder>

#include <optional>

namespace vcard {

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

bool isShiftJis(const QString &charset)
{
    const QString c = charset.toUpper();
    return c == u"SHIFT_JIS" || c == u"SHIFT-JIS" || c == u"SJIS" || c == u"CP932"
           || c == u"WINDOWS-31J" || c == u"MS_KANJI";
}

// The value's bytes as text of its charset; nothing when they are not.
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

// The parameter list after the name: "TYPE=a,b", "CHARSET=x", a bare "CELL"; values may
// be quoted (4.0), and a quoted one may hold ";" and ":".
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

// Where the name and parameters end: the first ":" outside quotes.
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

QString unescape(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == u'\\' && i + 1 < text.size()) {
            const QChar next = text.at(++i);
            out.append(next == u'n' || next == u'N' ? QChar(u'\n') : next);
        } else {
            out.append(text.at(i));
        }
    }
    return out;
}

} // namespace

QString Property::param(const QString &wanted) const
{
    for (const auto &[key, v] : params)
        if (key == wanted)
            return v;
    return {};
}

QStringList Property::types() const
{
    QStringList all;
    for (const auto &[key, v] : params)
        if (key == u"TYPE")
            for (const QString &t : v.split(u',', Qt::SkipEmptyParts))
                all.append(t.trimmed().toUpper());
    return all;
}

QString Property::text() const
{
    return unescape(value);
}

QStringList Property::components() const
{
    QStringList parts;
    QString part;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c == u'\\' && i + 1 < value.size()) {
            part.append(c);
            part.append(value.at(++i));
        } else if (c == u';') {
            parts.append(unescape(part));
            part.clear();
        } else {
            part.append(c);
        }
    }
    parts.append(unescape(part));
    return parts;
}

const Property *Card::first(const QString &name) const
{
    for (const Property &p : properties)
        if (p.name == name)
            return &p;
    return nullptr;
}

ReadResult read(const QByteArray &bytes)
{
    ReadResult result;
    QByteArray body = bytes;
    if (body.startsWith("\xEF\xBB\xBF"))
        body.remove(0, 3);
    Card *card = nullptr;
    int lineNumber = 0;
    for (const QByteArray &logical : logicalLines(body)) {
        ++lineNumber;
        const qsizetype colon = valueStart(logical);
        if (colon < 0) {
            result.error = QStringLiteral("%1 行目が vCard の形ではありません。").arg(lineNumber);
            break;
        }
        // Names are ASCII; parameter values (4.0's SORT-AS) may be UTF-8, and a 2.1 file
        // declared Shift-JIS may have its values there too.
        const QByteArray headBytes = logical.left(colon);
        const QString head = decodeText(headBytes, QString())
                                 .value_or(cp932::decodeForDisplay(headBytes));
        QByteArray rawValue = logical.mid(colon + 1);
        const qsizetype semi = head.indexOf(u';');
        QString name = (semi < 0 ? head : head.left(semi)).trimmed().toUpper();
        QString group;
        if (const qsizetype dot = name.indexOf(u'.'); dot >= 0) {
            group = name.left(dot).toLower();
            name = name.mid(dot + 1);
        }
        if (name == u"BEGIN") {
            if (QString::fromLatin1(rawValue).trimmed().toUpper() != u"VCARD")
                continue; // none of ours
            if (card) {
                result.error = QStringLiteral("%1 行目: カードの終わり (END:VCARD) がありません。")
                                   .arg(lineNumber);
                break;
            }
            result.cards.append(Card());
            card = &result.cards.last();
            continue;
        }
        if (name == u"END") {
            card = nullptr;
            continue;
        }
        if (!card)
            continue; // outside a card: nothing of a vCard file
        Property p;
        p.raw = logical;
        p.group = group;
        p.name = name;
        p.params = semi < 0 ? decltype(p.params)() : parseParams(head.mid(semi + 1));
        const QString encoding = p.param(QStringLiteral("ENCODING")).toUpper();
        if (encoding == u"QUOTED-PRINTABLE" || p.types().contains(QStringLiteral("QUOTED-PRINTABLE")))
            rawValue = fromQuotedPrintable(rawValue);
        if (encoding == u"B" || encoding == u"BASE64") {
            p.value = QString::fromLatin1(rawValue); // pictures: kept, never shown
        } else {
            const std::optional<QString> text = decodeText(rawValue, p.param(QStringLiteral("CHARSET")));
            if (!text) {
                result.error = QStringLiteral("%1 行目 (%2) の文字が UTF-8 でも、宣言された文字コードでもありません。")
                                   .arg(lineNumber)
                                   .arg(name);
                break;
            }
            p.value = *text;
        }
        if (p.name == u"VERSION")
            card->version = p.value.trimmed();
        card->properties.append(p);
    }
    if (result.error.isEmpty() && card)
        result.error = QStringLiteral("ファイルが途中で切れています（最後のカードに END:VCARD がありません）。");
    if (result.error.isEmpty() && result.cards.isEmpty())
        result.error = QStringLiteral("vCard のカード (BEGIN:VCARD) がありません。");
    if (!result.error.isEmpty())
        result.cards.clear();
    return result;
}

QString quotedParam(const QString &text)
{
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c == u'"')
            out.append(QStringLiteral("^'"));
        else if (c == u'^')
            out.append(QStringLiteral("^^"));
        else if (c == u'\n')
            out.append(QStringLiteral("^n"));
        else if (c != u'\r')
            out.append(c);
    }
    return out + u'"';
}

QString escape(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c == u'\\' || c == u',' || c == u';')
            out.append(u'\\');
        if (c == u'\n') {
            out.append(QStringLiteral("\\n"));
            continue;
        }
        if (c == u'\r')
            continue;
        out.append(c);
    }
    return out;
}

QByteArray line(const QString &content)
{
    const QByteArray utf8 = content.toUtf8();
    QByteArray out;
    out.reserve(utf8.size() + utf8.size() / 70 * 3 + 2);
    qsizetype lineLength = 0;
    for (qsizetype i = 0; i < utf8.size();) {
        // One character: a lead byte and its continuation bytes.
        qsizetype end = i + 1;
        while (end < utf8.size() && (uchar(utf8.at(end)) & 0xC0) == 0x80)
            ++end;
        if (lineLength + (end - i) > 75) {
            out.append("\r\n ");
            lineLength = 1;
        }
        out.append(utf8.constData() + i, end - i);
        lineLength += end - i;
        i = end;
    }
    out.append("\r\n");
    return out;
}

} // namespace vcard
