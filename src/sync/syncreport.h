// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// What the sync has to tell the user, as values: the application words them. Texts in
// here are names (files, entries) and the causes other layers give, never sentences.

// The two tables a sync folder holds, each in a collection folder of its own.
enum class SyncKind { Calendar, Contacts };

// Why an item file was not taken.
enum class SkipReason {
    None,
    Unreadable,     // the file, or what it holds, cannot be read: `detail` says why
    NotOneEvent,    // not exactly one event (one UID)
    DateUnreadable, // an event whose date or time cannot be read
    NotOneCard,
    NoUid,
    NameNotUid,     // the file is not named after its UID
    SameUid,        // other files have its UID: `sharing` names them
};

struct SkippedItem {
    QString file;
    SkipReason why = SkipReason::None;
    QString detail;
    QStringList sharing;
};

// What one merge of a start brings to say about its table.
struct TableReport {
    SyncKind kind = SyncKind::Calendar;
    // The collection folder is gone after a sync (its path): nothing was merged.
    QString missingFolder;
    QList<SkippedItem> skipped;
    QStringList doubled; // entries kept twice, each as its list shows it
    QStringList leftOut; // items a full table did not take, by their text or name
    QStringList keptHere; // entries a quit could not write as items (a date that cannot
                          // be read), as the list shows them: they stay only here
    QStringList notDeleted; // items whose entries went, unreadable at the quit (file names):
                            // the next quit deletes them
    QStringList pairsLeftOut = {}; // "name: type number" beyond an entry's pairs: they
                                   // stay in the card, not in the phone book
};

// The state file is there but cannot be read: the items count as new.
struct StateProblem {
    enum class Why { Unreadable, NotAState, BadLine };
    Why why = Why::Unreadable;
    QString path;
    int line = 0;   // BadLine: counted from 1
    QString detail; // Unreadable: the read's error
};

// Why the folder is not used for the rest of the run.
struct SyncFailure {
    enum class Why {
        NoFolder,         // `path`: the sync folder
        FolderUnreadable, // `path`: the sync folder
        NotMade,          // `path`: a collection folder that could not be made
        ItemNotWritten,   // `path`: the item file's name, `detail` the write's error
        ItemNotDeleted,   // `path`: the item file's name
        StateNotWritten,  // `detail`: the write's error
    };
    Why why = Why::NoFolder;
    QString path;
    QString detail;
};

// Everything since the report was last taken, in the order it happened: the state read
// at the first use, the merges of the start, then at most one failure, after which
// nothing more is done with the folder.
struct SyncReport {
    std::optional<StateProblem> state;
    QList<TableReport> tables;
    std::optional<SyncFailure> failure;
};
