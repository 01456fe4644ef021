// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "phonecards.h"

#include "text/classifier.h"
#include "text/narrow.h"
#include "text/romaji.h"
#include "text/typedtext.h"
#include "text/vcard.h"

#include <QRegularExpression>
#include <QStringDecoder>

#include <algorithm>
#include <optional>

namespace phonecards {

namespace {

const QString kibanuType = QStringLiteral("X-KIBANU-TYPE");

// The standard TYPE a type text means, if any.
QString standardType(const QString &type)
{
    const QString t = narrow(type).toUpper();
    if (t.contains(u"FAX") || type.contains(u"ファックス"))
        return QStringLiteral("FAX");
    if (type.contains(u"携帯") || t.contains(u"CELL") || t.contains(u"MOBILE"))
        return QStringLiteral("CELL");
    if (type.contains(u"自宅") || t.contains(u"HOME"))
        return QStringLiteral("HOME");
    if (type.contains(u"勤務") || type.contains(u"会社") || type.contains(u"仕事")
        || t.contains(u"WORK"))
        return QStringLiteral("WORK");
    return {};
}

bool hasScheme(const QString &number)
{
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*://"));
    return scheme.match(number).hasMatch()
           || number.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive);
}

// "山田 花子" as N: the family name before the first blank, the given name after it.
QString structuredName(const QString &name)
{
    const QString trimmed = name.trimmed();
    qsizetype blank = -1;
    for (qsizetype i = 0; i < trimmed.size(); ++i)
        if (trimmed.at(i) == u' ' || trimmed.at(i) == u'\u3000') {
            blank = i;
            break;
        }
    if (blank < 0)
        return vcard::escape(trimmed) + QStringLiteral(";;;;");
    return vcard::escape(trimmed.left(blank)) + u';' + vcard::escape(trimmed.mid(blank + 1).trimmed())
           + QStringLiteral(";;;");
}

QByteArray nameLines(const phoneentry &e)
{
    // FN may not be empty: an entry without a name is called by its index.
    return vcard::line(QStringLiteral("FN:") + vcard::escape(e.name.isEmpty() ? e.index : e.name))
           + vcard::line(QStringLiteral("N:") + structuredName(e.name));
}

QByteArray keysLine(const phoneentry &e)
{
    return e.keys.isEmpty() ? QByteArray() : vcard::line(QStringLiteral("NOTE:") + vcard::escape(e.keys));
}

QByteArray pairLines(const phoneentry &e);

} // namespace

QByteArray card(const phoneentry &e, const QString &uid)
{
    QByteArray out = vcard::line(QStringLiteral("BEGIN:VCARD"));
    out += vcard::line(QStringLiteral("VERSION:3.0"));
    if (!uid.isEmpty())
        out += vcard::line(QStringLiteral("UID:") + vcard::escape(uid));
    out += nameLines(e);
    out += vcard::line(QStringLiteral("NICKNAME:") + vcard::escape(e.index));
    out += vcard::line(QStringLiteral("SORT-STRING:") + vcard::escape(e.index));
    // The index and the name exactly, for a reading by this program, whatever their
    // characters and blanks.
    out += vcard::line(QStringLiteral("X-KIBANU-INDEX:") + vcard::escape(e.index));
    out += vcard::line(QStringLiteral("X-KIBANU-NAME:") + vcard::escape(e.name));
    out += keysLine(e);
    out += pairLines(e);
    out += vcard::line(QStringLiteral("END:VCARD"));
    return out;
}

namespace {

QByteArray pairLines(const phoneentry &e)
{
    QByteArray out;
    for (int j = 0; j < std::clamp<int>(e.numphone, 0, phoneentry::MaxPairs); ++j) {
        const QString &type = e.phonetype.at(j);
        const QString &number = e.phonenumber.at(j);
        QString name;
        QString standard;
        if (phoneNumberKind(narrow(number)) != PhoneNone) {
            name = QStringLiteral("TEL");
            standard = standardType(type);
            if (standard != u"FAX")
                standard = standard.isEmpty() ? QStringLiteral("VOICE") : standard + QStringLiteral(",VOICE");
        } else if (number.contains(u'@')) {
            name = QStringLiteral("EMAIL");
            standard = QStringLiteral("INTERNET");
        } else if (hasScheme(number)) {
            name = QStringLiteral("URL");
        } else {
            name = QStringLiteral("NOTE");
        }
        QString head = name;
        if (!standard.isEmpty())
            head += QStringLiteral(";TYPE=") + standard;
        head += u';' + kibanuType + u'=' + vcard::quotedParam(type);
        out += vcard::line(head + u':' + vcard::escape(number));
    }
    return out;
}

} // namespace

QByteArray write(const PhoneBook &book)
{
    QByteArray out;
    for (int i = 0; i < book.ntphone(); ++i)
        out += card(book.at(i));
    return out;
}

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

bool isPair(const vcard::Property &p)
{
    return p.name == u"TEL" || p.name == u"EMAIL" || p.name == u"URL"
           || (p.name == u"NOTE" && exactType(p)); // a pair this program wrote as a note
}

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
            const QString index = narrow(p->text().split(u',').value(0).trimmed());
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
    if (const QString index = romajiIndex(reading); !index.isEmpty())
        return index;
    if (isLatin(name))
        return romajiIndex(name);
    return {};
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
    const auto guard = [&result](const QString &text) {
        return typedtext::cleanImportedField(text, result.replaced);
    };
    for (const vcard::Card &c : cards.cards) {
        Imported imported;
        phoneentry &e = imported.entry;
        // A card this program wrote: its texts exactly as they were.
        const vcard::Property *ownName = c.first(QStringLiteral("X-KIBANU-NAME"));
        const bool ours = ownName && c.first(QStringLiteral("X-KIBANU-INDEX"));
        QString name;
        if (ours)
            name = ownName->text();
        else if (const vcard::Property *fn = c.first(QStringLiteral("FN")))
            name = fn->text().trimmed();
        if (name.isEmpty() && !ours)
            if (const vcard::Property *n = c.first(QStringLiteral("N"))) {
                const QStringList parts = n->components();
                name = (parts.value(0) + u' ' + parts.value(1)).trimmed();
            }
        e.name = guard(name);
        imported.cardName = e.name;
        QString keys;
        for (const vcard::Property &p : c.properties)
            if (p.name == u"NOTE" && !isPair(p)) {
                keys = p.text();
                break;
            }
        if (keys.isEmpty())
            if (const vcard::Property *org = c.first(QStringLiteral("ORG")))
                keys = org->components().join(u' ').trimmed();
        e.keys = guard(keys);
        for (const vcard::Property &p : c.properties) {
            if (!isPair(p))
                continue;
            QString number = ours ? p.text() : p.text().trimmed();
            if (p.name == u"EMAIL" && number.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive))
                number = number.mid(7);
            if (p.name == u"TEL" && number.startsWith(QLatin1String("tel:"), Qt::CaseInsensitive))
                number = number.mid(4);
            const QString type = guard(typeText(c, p));
            number = guard(number);
            if (e.numphone >= phoneentry::MaxPairs) {
                imported.leftOutPairs.append(type + u' ' + number);
                continue;
            }
            e.phonetype[e.numphone] = type;
            e.phonenumber[e.numphone] = number;
            ++e.numphone;
        }
        e.index = guard(indexOf(c, name));
        if (const vcard::Property *uid = c.first(QStringLiteral("UID")))
            imported.uid = uid->text().trimmed();
        if (imported.cardName.isEmpty())
            imported.cardName = e.index.isEmpty() && e.numphone > 0 ? e.phonenumber.at(0) : e.index;
        result.entries.append(imported);
    }
    return result;
}

namespace {

// A line read, written back as it was: folded anew when it is UTF-8.
QByteArray rawLine(const vcard::Property &p)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8.decode(p.raw);
    if (utf8.hasError())
        return p.raw + "\r\n";
    return vcard::line(text);
}

bool samePairs(const phoneentry &a, const phoneentry &b)
{
    if (a.numphone != b.numphone)
        return false;
    for (int j = 0; j < std::clamp<int>(a.numphone, 0, phoneentry::MaxPairs); ++j)
        if (a.phonetype.at(j) != b.phonetype.at(j) || a.phonenumber.at(j) != b.phonenumber.at(j))
            return false;
    return true;
}

} // namespace

QByteArray patch(const QByteArray &original, const phoneentry &after)
{
    const vcard::ReadResult cards = vcard::read(original);
    const ReadResult read = phonecards::read(original);
    if (!cards.error.isEmpty() || cards.cards.size() != 1 || read.entries.size() != 1)
        return {};
    const vcard::Card &c = cards.cards.first();
    const phoneentry &before = read.entries.first().entry;
    const bool name = before.name != after.name;
    const bool index = before.index != after.index;
    const bool keys = before.keys != after.keys;
    const bool pairs = !samePairs(before, after);
    const bool hasOwnIndex = c.first(QStringLiteral("X-KIBANU-INDEX"));

    // Each rewritten group goes where its first line was; one that had none, before the end.
    QByteArray out = vcard::line(QStringLiteral("BEGIN:VCARD"));
    QByteArray atEnd;
    bool nameDone = false;
    bool keysDone = false;
    bool pairsDone = false;
    bool keysSeen = false;
    for (const vcard::Property &p : c.properties) {
        const QString &n = p.name;
        if (name && (n == u"FN" || n == u"N")) {
            if (!nameDone)
                out += nameLines(after);
            nameDone = true;
            continue;
        }
        if (name && n == u"X-KIBANU-NAME") {
            out += vcard::line(QStringLiteral("X-KIBANU-NAME:") + vcard::escape(after.name));
            continue;
        }
        if (index && n == u"X-KIBANU-INDEX") {
            out += vcard::line(QStringLiteral("X-KIBANU-INDEX:") + vcard::escape(after.index));
            continue;
        }
        // This program's own copies of the index follow it; a phone's nickname stays.
        if (index && (n == u"NICKNAME" || n == u"SORT-STRING") && p.text() == before.index) {
            out += vcard::line(n + u':' + vcard::escape(after.index));
            continue;
        }
        if (isPair(p)) {
            if (pairs) {
                if (!pairsDone)
                    out += pairLines(after);
                pairsDone = true;
                continue;
            }
        } else if (n == u"NOTE" && !keysSeen) {
            keysSeen = true; // the keyword's note: the first one that is no pair
            if (keys) {
                out += keysLine(after);
                keysDone = true;
                continue;
            }
        }
        out += rawLine(p);
    }
    if (name && !nameDone)
        atEnd += nameLines(after);
    if (index && !hasOwnIndex)
        atEnd += vcard::line(QStringLiteral("X-KIBANU-INDEX:") + vcard::escape(after.index));
    if (keys && !keysDone)
        atEnd += keysLine(after);
    if (pairs && !pairsDone)
        atEnd += pairLines(after);
    return out + atEnd + vcard::line(QStringLiteral("END:VCARD"));
}

} // namespace phonecards
