// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "syncmerge.h"

class SyncTable;

// The quit's part in a repeating event from a server: its entries here against what the
// last sync knew of its occurrences. A changed occurrence becomes a changed copy in the
// series' own item and a deleted one an exception there; never an item of its own.
namespace vdirseries {

struct Pairing {
    // Rows changed here, each with the hash its occurrence's entry had.
    QList<std::pair<int, QByteArray>> changed;
    QList<QByteArray> gone; // entries of occurrences taken away here, by their hashes
    QList<int> loose;       // changed rows that no occurrence is known for
    // Changed rows whose occurrence the item cannot hold changed (a day of an event over
    // several days): changed here only, with the hash their occurrence had.
    QList<std::pair<int, QByteArray>> local;
};

// The series' rows (those bound to its UID) against its records. A row that reads as a
// record did is unchanged; a changed one is the occurrence whose day and time it kept,
// else the one whose text it kept when only one has it, else the only one left.
[[nodiscard]] Pairing pair(const SyncTable &table, const QList<syncmerge::Record> &records,
                           const QList<int> &rows);

// The item with the pairing's changes; a changed row whose occurrence the item cannot
// change joins the local ones. Occurrences already passed are left as they are.
[[nodiscard]] QByteArray apply(QByteArray bytes, const SyncTable &table, Pairing &pairing);

// What the state keeps of the series: each local row's record takes the row's entry, so
// the next start still knows the row as that occurrence and the next quit leaves it.
void keepLocal(QList<syncmerge::Record> &records, const SyncTable &table, const Pairing &pairing);

} // namespace vdirseries
