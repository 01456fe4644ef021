// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A vCard file read into its cards and their properties.
#include "vcard_internal.h"

#include "cp932.h"

namespace vcard {

using namespace detail;

namespace {

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

// A content line's group, name and parameters: what stands before its value.
struct Head {
    QString group;  // lower case
    QString name;   // upper case
    QString params; // the text after the name's ";", empty without any
};

Head headOf(const QByteArray &headBytes)
{
    // Names are ASCII; parameter values (4.0's SORT-AS) may be UTF-8, and a 2.1 file
    // declared Shift-JIS may have its values there too.
    const QString head =
        decodeText(headBytes, QString()).value_or(cp932::decodeForDisplay(headBytes));
    const qsizetype semi = head.indexOf(u';');
    Head h;
    h.name = (semi < 0 ? head : head.left(semi)).trimmed().toUpper();
    if (const qsizetype dot = h.name.indexOf(u'.'); dot >= 0) {
        h.group = h.name.left(dot).toLower();
        h.name = h.name.mid(dot + 1);
    }
    if (semi >= 0)
        h.params = head.mid(semi + 1);
    return h;
}

// One property of a card, its value decoded; nothing when the value's bytes are no text
// of their charset (`undeclared` where the property names none).
std::optional<Property> propertyOf(const QByteArray &logical, const Head &head,
                                   QByteArray rawValue, const QString &undeclared = {})
{
    Property p;
    p.raw = logical;
    p.group = head.group;
    p.name = head.name;
    p.params = parseParams(head.params);
    const QString encoding = p.param(QStringLiteral("ENCODING")).toUpper();
    if (encoding == u"QUOTED-PRINTABLE" || p.types().contains(QStringLiteral("QUOTED-PRINTABLE")))
        rawValue = fromQuotedPrintable(rawValue);
    if (encoding == u"B" || encoding == u"BASE64") {
        p.value = QString::fromLatin1(rawValue); // pictures: kept, never shown
        return p;
    }
    const QString charset = p.param(QStringLiteral("CHARSET"));
    const std::optional<QString> text = decodeText(rawValue, charset.isEmpty() ? undeclared : charset);
    if (!text)
        return std::nullopt;
    p.value = *text;
    return p;
}

// A property of that card. Japanese phones write their 2.1 cards in Shift-JIS and declare
// it on some properties only (au and SoftBank leave it out of their own X- ones).
std::optional<Property> propertyIn(const Card &card, const QByteArray &logical, const Head &head,
                                   const QByteArray &rawValue)
{
    std::optional<Property> p = propertyOf(logical, head, rawValue);
    if (!p && card.version.startsWith(QLatin1String("2.1")))
        p = propertyOf(logical, head, rawValue, QStringLiteral("SHIFT_JIS"));
    return p;
}

// A file that ends inside a card, or holds none, is refused too; a refused file gives no
// card at all.
void refuseUnfinished(ReadResult &result, bool inCard)
{
    if (result.error.isEmpty() && inCard)
        result.error = QStringLiteral("ファイルが途中で切れています（最後のカードに END:VCARD がありません）。");
    if (result.error.isEmpty() && result.cards.isEmpty())
        result.error = QStringLiteral("vCard のカード (BEGIN:VCARD) がありません。");
    if (!result.error.isEmpty())
        result.cards.clear();
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
        const Head head = headOf(logical.left(colon));
        const QByteArray rawValue = logical.mid(colon + 1);
        if (head.name == u"BEGIN") {
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
        if (head.name == u"END") {
            card = nullptr;
            continue;
        }
        if (!card)
            continue; // outside a card: nothing of a vCard file
        const std::optional<Property> p = propertyIn(*card, logical, head, rawValue);
        if (!p) {
            result.error = QStringLiteral("%1 行目 (%2) の文字が UTF-8 でも、宣言された文字コードでもありません。")
                               .arg(lineNumber)
                               .arg(head.name);
            break;
        }
        if (p->name == u"VERSION")
            card->version = p->value.trimmed();
        card->properties.append(*p);
    }
    refuseUnfinished(result, card != nullptr);
    return result;
}

} // namespace vcard
