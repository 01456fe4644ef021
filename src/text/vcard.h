// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <utility>

// vCard files (2.1, 3.0 and 4.0) as phones, mail programs and web address books write
// them, read into their properties; and the lines of the 3.0 cards this program writes.
namespace vcard {

struct Property {
    QString group; // "item1" of "item1.TEL"; empty without one
    QString name;  // upper case
    // Names upper case; a 2.1 parameter without a name ("TEL;CELL:") is a TYPE.
    QList<std::pair<QString, QString>> params;
    QString value; // decoded to text, its escapes as they stand
    QByteArray raw; // the line as the file has it, unfolded, for writing it back untouched

    // The first value of that parameter, or nothing.
    [[nodiscard]] QString param(const QString &name) const;
    // Every TYPE value, upper case, lists at commas split.
    [[nodiscard]] QStringList types() const;
    // The value with its escapes undone (\n, \, \; \\).
    [[nodiscard]] QString text() const;
    // A structured value (N, ADR, SORT-AS) cut at its unescaped semicolons, each part
    // with its escapes undone.
    [[nodiscard]] QStringList components() const;
};

struct Card {
    QString version;
    QList<Property> properties;

    // The first property of that name (upper case), or null.
    [[nodiscard]] const Property *first(const QString &name) const;
};

struct ReadResult {
    QList<Card> cards;
    QString error; // why the file is no vCard file that can be read; empty when it is
};

// Lines unfolded (and the soft line breaks of quoted-printable joined), values decoded
// from quoted-printable and from their charset: UTF-8 unless a property declares
// Shift-JIS (or another charset Qt knows). A file without a card, a card cut off, or
// bytes that are not text of their charset make the whole file refused.
[[nodiscard]] ReadResult read(const QByteArray &bytes);

// A text as a quoted parameter value, its quotes, carets and line breaks escaped as
// RFC 6868 says (^' ^^ ^n), which the reader undoes.
[[nodiscard]] QString quotedParam(const QString &text);
// A text as a 3.0 value: backslash, comma, semicolon and line breaks escaped.
[[nodiscard]] QString escape(const QString &text);
// One content line ("NAME;PARAM=x:value", the value escaped already) in UTF-8, folded at
// 75 octets without cutting a character, ending in CR LF.
[[nodiscard]] QByteArray line(const QString &content);

} // namespace vcard
