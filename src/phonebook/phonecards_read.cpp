// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Cards of phones, mail programs and web address books (and of this program) read as
// entries of the phone book.
#include "phonecards_internal.h"

#include "text/classifier.h"
#include "text/narrow.h"
#include "text/romaji.h"
#include "text/typedtext.h"
#include "text/vcard.h"

#include <QRegularExpression>

#include <optional>

namespace phonecards {

using namespace detail;

namespace {

std::optional<QString> exactType(const vcard::Property &p)
{
    for (const auto &[key, v] : p.params)
        if (key == kibanuType)
            return v;
    return std::nullopt;
}

// This program's own type text; else Apple's labels ("_$!<Mobile>!$_", or the user's
// own) and the standard types as type texts.
QString typeText(const vcard::Card &card, const vcard::Property &p)
{
    if (const auto exact = exactType(p))
        return *exact;
    QString label;
    if (!p.group.isEmpty())
        for (const vcard::Property &other : card.properties)
            if (other.group == p.group && other.name == u"X-ABLABEL")
                label = other.text();
    static const QRegularExpression apple(QStringLiteral("^_\\$!<(.*)>!\\$_$"));
    if (const auto m = apple.match(label); m.hasMatch())
        label = m.captured(1).toUpper();
    else if (!label.isEmpty())
        return label;
    const QStringList types = p.types() + QStringList(label);
    if (types.contains(QStringLiteral("FAX")) || types.contains(QStringLiteral("HOMEFAX"))
        || types.contains(QStringLiteral("WORKFAX")))
        return QStringLiteral("FAX");
    if (p.name == u"EMAIL")
        return QStringLiteral("メール");
    if (p.name == u"URL")
        return QStringLiteral("URL");
    if (types.contains(QStringLiteral("CELL")) || types.contains(QStringLiteral("MOBILE"))
        || types.contains(QStringLiteral("IPHONE")))
        return QStringLiteral("携帯");
    if (types.contains(QStringLiteral("HOME")))
        return QStringLiteral("自宅");
    if (types.contains(QStringLiteral("WORK")))
        return QStringLiteral("勤務先");
    if (p.name == u"NOTE")
        return QStringLiteral("メモ");
    return QStringLiteral("電話");
}

} // namespace

bool detail::isPair(const vcard::Property &p)
{
    return p.name == u"TEL" || p.name == u"EMAIL" || p.name == u"URL"
           || (p.name == u"NOTE" && exactType(p)); // a pair this program wrote as a note
}

namespace {

bool isLatin(const QString &text)
{
    for (const QChar c : text)
        if (c.unicode() >= 0x250)
            return false;
    return true;
}

QString indexOf(const vcard::Card &card, const QString &name)
{
    if (const vcard::Property *own = card.first(QStringLiteral("X-KIBANU-INDEX")))
        return own->text();
    // An index as the card gives it: letters and digits.
    for (const char *key : {"NICKNAME", "SORT-STRING"})
        if (const vcard::Property *p = card.first(QLatin1String(key))) {
            QString index = narrow(p->text().split(u',').value(0).trimmed());
            if (!index.isEmpty() && isIndexText(index))
                return index;
        }
    // A reading, in kana.
    QString reading;
    const vcard::Property *last = card.first(QStringLiteral("X-PHONETIC-LAST-NAME"));
    const vcard::Property *first = card.first(QStringLiteral("X-PHONETIC-FIRST-NAME"));
    if (last || first)
        reading = (last ? last->text() : QString()) + u' ' + (first ? first->text() : QString());
    if (reading.trimmed().isEmpty())
        if (const vcard::Property *n = card.first(QStringLiteral("N")))
            reading = n->param(QStringLiteral("SORT-AS")).replace(u',', u' ');
    if (reading.trimmed().isEmpty())
        if (const vcard::Property *s = card.first(QStringLiteral("SORT-STRING")))
            reading = s->text();
    if (reading.trimmed().isEmpty())
        for (const vcard::Property &p : card.properties)
            if (p.name == u"SOUND" && p.types().contains(QStringLiteral("X-IRMC-N")))
                reading = p.components().join(u' ');
    if (QString index = romajiIndex(reading); !index.isEmpty())
        return index;
    if (isLatin(name))
        return romajiIndex(name);
    return {};
}

// The name: this program's own exactly as it was, else FN, else N's family and given name.
QString nameOf(const vcard::Card &c, bool ours)
{
    if (ours)
        return c.first(QStringLiteral("X-KIBANU-NAME"))->text();
    QString name;
    if (const vcard::Property *fn = c.first(QStringLiteral("FN")))
        name = fn->text().trimmed();
    if (name.isEmpty())
        if (const vcard::Property *n = c.first(QStringLiteral("N"))) {
            const QStringList parts = n->components();
            name = (parts.value(0) + u' ' + parts.value(1)).trimmed();
        }
    // A shop's or a firm's card is called by its organisation.
    if (name.isEmpty())
        if (const vcard::Property *org = c.first(QStringLiteral("ORG")))
            name = org->components().join(u' ').trimmed();
    return name;
}

// "+81-3-5555-0000;ext=123", as a tel: URI gives an extension, becomes "+81-3-5555-0000
// 内線123", as it is written here.
QString withExtension(const QString &number)
{
    static const QRegularExpression ext(QStringLiteral("^(.*?);ext=([0-9]+)$"),
                                        QRegularExpression::CaseInsensitiveOption);
    if (const auto m = ext.match(number); m.hasMatch())
        return m.captured(1) + QStringLiteral(" 内線") + m.captured(2);
    return number;
}

// The keyword: the first NOTE that holds no pair, else the organisation.
QString keysOf(const vcard::Card &c)
{
    QString keys;
    for (const vcard::Property &p : c.properties)
        if (p.name == u"NOTE" && !isPair(p)) {
            keys = p.text();
            break;
        }
    if (keys.isEmpty())
        if (const vcard::Property *org = c.first(QStringLiteral("ORG")))
            keys = org->components().join(u' ').trimmed();
    return keys;
}

// Every pair of the card in its order, the number without its "mailto:" or "tel:"; those
// beyond the entry's pairs are left out, as "type number".
void addPairs(const vcard::Card &c, bool ours, Imported &imported, QStringList &replaced)
{
    phoneentry &e = imported.entry;
    for (const vcard::Property &p : c.properties) {
        if (!isPair(p))
            continue;
        QString number = ours ? p.text() : p.text().trimmed();
        if (p.name == u"EMAIL" && number.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive))
            number = number.mid(7);
        if (p.name == u"TEL" && number.startsWith(QLatin1String("tel:"), Qt::CaseInsensitive))
            number = number.mid(4);
        if (p.name == u"TEL")
            number = withExtension(number);
        const QString type = typedtext::cleanImportedField(typeText(c, p), replaced);
        number = typedtext::cleanImportedField(number, replaced);
        if (e.numphone >= phoneentry::MaxPairs) {
            imported.leftOutPairs.append(type + u' ' + number);
            continue;
        }
        e.phonetype[e.numphone] = type;
        e.phonenumber[e.numphone] = number;
        ++e.numphone;
    }
}

Imported entryOf(const vcard::Card &c, QStringList &replaced)
{
    const auto guard = [&replaced](const QString &text) {
        return typedtext::cleanImportedField(text, replaced);
    };
    Imported imported;
    phoneentry &e = imported.entry;
    // A card this program wrote: its texts exactly as they were.
    const bool ours =
        c.first(QStringLiteral("X-KIBANU-NAME")) && c.first(QStringLiteral("X-KIBANU-INDEX"));
    const QString name = nameOf(c, ours);
    e.name = guard(name);
    imported.cardName = e.name;
    e.keys = guard(keysOf(c));
    addPairs(c, ours, imported, replaced);
    e.index = guard(indexOf(c, name));
    if (const vcard::Property *uid = c.first(QStringLiteral("UID")))
        imported.uid = uid->text().trimmed();
    if (imported.cardName.isEmpty())
        imported.cardName = e.index.isEmpty() && e.numphone > 0 ? e.phonenumber.at(0) : e.index;
    return imported;
}

} // namespace

ReadResult read(const QByteArray &bytes)
{
    ReadResult result;
    const vcard::ReadResult cards = vcard::read(bytes);
    if (!cards.error.isEmpty()) {
        result.error = cards.error;
        return result;
    }
    for (const vcard::Card &c : cards.cards)
        result.entries.append(entryOf(c, result.replaced));
    return result;
}

} // namespace phonecards
