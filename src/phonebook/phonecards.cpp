// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The phone book written as vCard: the export's file and the sync's cards.
#include "phonecards_internal.h"

#include "text/classifier.h"
#include "text/narrow.h"
#include "text/vcard.h"

#include <QRegularExpression>

#include <algorithm>

namespace phonecards {

using namespace detail;

namespace {

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

bool isJapaneseScript(const QString &text)
{
    for (const QChar c : text) {
        const QChar::Script script = c.script();
        if (script == QChar::Script_Han || script == QChar::Script_Hiragana
            || script == QChar::Script_Katakana)
            return true;
    }
    return false;
}

// N from the name: "山田 花子" family name first, as Japanese names are written; "Carol
// Smith" family name last.
QString structuredName(const QString &name)
{
    static const QRegularExpression blanks(QStringLiteral("[ \u3000]+"));
    const QStringList words = name.trimmed().split(blanks, Qt::SkipEmptyParts);
    if (words.size() < 2)
        return vcard::escape(words.value(0)) + QStringLiteral(";;;;");
    const bool familyFirst = isJapaneseScript(words.first());
    const QString family = familyFirst ? words.first() : words.last();
    const QStringList given = familyFirst ? words.mid(1) : words.mid(0, words.size() - 1);
    return vcard::escape(family) + u';' + vcard::escape(given.join(u' ')) + QStringLiteral(";;;");
}

// "+81-3-5555-0000 内線123": the number and its extension.
struct Extension {
    QString number;
    QString ext;
};

Extension splitExtension(const QString &number)
{
    static const QRegularExpression inner(QStringLiteral("^(.*\\S)\\s*内線\\s*([0-9]+)$"));
    if (const auto m = inner.match(number); m.hasMatch())
        return {m.captured(1), m.captured(2)};
    return {number, {}};
}

// A number as the world writes it (E.164): a leading +, then digits with blanks, hyphens,
// dots and parentheses between them.
bool isInternational(const QString &number)
{
    static const QRegularExpression e164(QStringLiteral("^\\+[0-9][0-9 .()-]*[0-9]$"));
    if (!e164.match(number).hasMatch())
        return false;
    const qsizetype digits = std::count_if(number.cbegin(), number.cend(), [](QChar c) { return c.isDigit(); });
    return digits >= 7 && digits <= 15;
}

bool isTelephone(const QString &number)
{
    const QString narrowed = narrow(number);
    return phoneNumberKind(narrowed) != PhoneNone || isInternational(narrowed);
}

} // namespace

namespace detail {

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

QByteArray pairLines(const phoneentry &e)
{
    QByteArray out;
    for (int j = 0; j < std::clamp<int>(e.numphone, 0, phoneentry::MaxPairs); ++j) {
        const QString &type = e.phonetype.at(j);
        const QString &number = e.phonenumber.at(j);
        QString name;
        QString standard;
        const Extension split = splitExtension(number);
        QString value = vcard::escape(number);
        if (isTelephone(split.number)) {
            name = QStringLiteral("TEL");
            if (!split.ext.isEmpty()) // as a tel: URI has it
                value = vcard::escape(split.number) + QStringLiteral(";ext=") + split.ext;
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
        out += vcard::line(head + u':' + value);
    }
    return out;
}

} // namespace detail

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

QByteArray write(const PhoneBook &book)
{
    QByteArray out;
    for (int i = 0; i < book.ntphone(); ++i)
        out += card(book.at(i));
    return out;
}

} // namespace phonecards
