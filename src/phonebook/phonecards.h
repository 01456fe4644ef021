// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "phonebook.h"

#include <QByteArray>
#include <QStringList>

// The phone book in and out as vCard: every entry one 3.0 card, and the cards of phones,
// mail programs and web address books as entries.
namespace phonecards {

// One card: FN and N from the name, the index as NICKNAME and SORT-STRING, the keyword
// as NOTE, each pair as TEL (a telephone number), EMAIL (holds "@"), URL (begins with a
// scheme) or NOTE, with the standard TYPE its type text means and always the exact text
// as X-KIBANU-TYPE, so that a reading gives every pair back in its order.
// With a uid the card carries it as UID, as an address book server wants.
[[nodiscard]] QByteArray card(const phoneentry &entry, const QString &uid = {});
[[nodiscard]] QByteArray write(const PhoneBook &book);

struct Imported {
    phoneentry entry;          // its index empty when the card gives none to use
    QString cardName;          // how the card calls itself, for messages
    QStringList leftOutPairs;  // those beyond the eleventh, "type number"
    QString uid;               // the card's UID, if it has one
};

struct ReadResult {
    QList<Imported> entries;
    QStringList replaced; // characters CP932 cannot hold, each replaced by "？"
    QString error;        // why the file was refused; nothing is taken then
};

// Each card as an entry: the name from FN (else N), the keyword from NOTE (else ORG),
// every TEL, EMAIL, URL and pair NOTE in its order with its type text, the index from
// NICKNAME or SORT-STRING when it is letters and digits, else in romaji from the reading
// (X-PHONETIC-*, SORT-AS, SORT-STRING, X-IRMC-N), else from a Latin name. Texts pass the
// typing guard of the dialogs.
[[nodiscard]] ReadResult read(const QByteArray &bytes);

// The one card of `original` with the entry's changes since what that card reads as:
// only the properties that hold what changed are written anew (FN, N and X-KIBANU-NAME
// for the name, NOTE for the keyword, X-KIBANU-INDEX and the NICKNAME and SORT-STRING
// that copy it for the index, every pair for the pairs); every other line of the card
// stays as it was, photos, addresses and a phone's own properties included. Empty when
// `original` is not one card.
[[nodiscard]] QByteArray patch(const QByteArray &original, const phoneentry &after);

} // namespace phonecards
