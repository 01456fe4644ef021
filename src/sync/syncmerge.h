// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// What the start does with the entries of a file and the items of a sync folder, given
// what both held at the last sync; worked out on hashes, so that it can be tested without
// either.
namespace syncmerge {

// An entry by its content, and by two parts of it that a change by hand seldom touches
// both of (the text and the moment; the index and the name).
struct Entry {
    QByteArray hash;
    QByteArray keyA;
    QByteArray keyB;
    // What makes a new item the same as an entry no item has yet (an appointment's day,
    // time and text); the whole content when empty.
    QByteArray same = {};

    [[nodiscard]] const QByteArray &sameness() const { return same.isEmpty() ? hash : same; }
};

// An item of the folder that can be read: its entries (several for a series).
struct Item {
    QString uid;
    QString file;
    QByteArray hash;
    QList<Entry> entries;
    bool series = false;
    QByteArray stamp = {}; // the file's size, time and inode when it was read
    bool spans = false;    // the series is the days of one event over several
    bool rule = false;     // a series of repeat.txt, with its changed days as entries
};

// What the last sync knew: an entry's item, the item's content then and the entry's.
struct Record {
    QString uid;
    QString file;
    QByteArray itemHash;
    QByteArray entryHash;
    QByteArray keyA;
    QByteArray keyB;
    bool series = false; // one of several entries of a repeating event
    // The item file's size, time of change and inode as last read or written: while they
    // are the same, the file is not read again.
    QByteArray stamp = {};
    bool spans = false; // of a series that is the days of one event over several
    // Of an item that is a series of repeat.txt: its entry, or one of its changed days
    // in schedule.txt. The item is written as a whole from them.
    bool rule = false;

    bool operator==(const Record &) const = default;
};

struct Plan {
    QList<std::pair<int, QString>> bind; // the entry at that row belongs to that item
    QList<int> remove;                   // rows whose item changed or went away
    QStringList add;                     // items whose entries come in
    // Changed by hand and in the folder: the row stays as a new entry, the item's entries
    // come in beside it.
    QList<std::pair<int, QString>> doubled;
    QList<Record> records; // what this sync knows from now on
};

// `unread` holds the UIDs of items there but skipped (not valid): their entries stay as
// they are, and so do their records.
Plan merge(const QList<Entry> &entries, const QList<Item> &items, const QList<Record> &state,
           const QStringList &unread);

} // namespace syncmerge
