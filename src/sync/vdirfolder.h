// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "syncmerge.h"
#include "syncreport.h"

#include <QHash>
#include <QSet>

class SyncTable;

// One collection folder of a vdir (calendar/ or contacts/): the item files a start reads
// and a quit writes, one file an item, each named after its UID.
namespace vdirfolder {

// The file's size, time of change (to the nanosecond) and inode: a sync program that
// rewrites an item changes them, so an item with the stamp it had is not read again.
[[nodiscard]] QByteArray stampOf(const QString &path);

// The items of the folder as the start's merge sees them.
struct Scan {
    QList<syncmerge::Item> items;
    QHash<QString, qsizetype> held; // UIDs read anew: where the table holds their entries
    QStringList unread;             // UIDs the records know, skipped now
    QList<SkippedItem> skipped;
};

// Every item file, in the order of their names. A file with the stamp the records have
// is not read; nor one whose bytes they know; the others the table reads.
[[nodiscard]] Scan scanItems(const QString &dir, SyncTable &table,
                             const QList<syncmerge::Record> &records);

struct Written {
    QList<syncmerge::Record> records; // what the state knows from now on
    QSet<QString> present;            // UIDs whose items stay
    int written = 0;
    int deleted = 0;
    QStringList keptHere; // entries that could not be written as items, by their lines
    QStringList notDeleted; // items left for the next quit to delete, by file name
    std::optional<SyncFailure> failure; // the first; nothing more is written after it
};

// Each entry of the table that changed into its item (an entry new to the folder as a
// new item), unchanged ones untouched; the entries learn the items they got.
[[nodiscard]] Written writeChanged(const QString &dir, SyncTable &table,
                                   const QList<syncmerge::Record> &old);
// The items of `old` whose entries are gone from the table, deleted; a series stays (its
// occurrences taken away here are taken out inside it by writeChanged).
void deleteGone(const QString &dir, const QList<syncmerge::Record> &old, Written &written);

} // namespace vdirfolder
