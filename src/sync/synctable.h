// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "syncmerge.h"
#include "syncreport.h"

#include <optional>

// The hash the sync keeps of an item file's bytes.
[[nodiscard]] QByteArray syncHash(const QByteArray &bytes);

// An item file read anew: its UID and its entries by content, or why it is skipped.
struct ReadItem {
    QString uid;
    QList<syncmerge::Entry> entries;
    bool series = false;
    bool spans = false; // the series is the days of one event
    bool rule = false;  // a series of repeat.txt and its changed days
    SkipReason problem = SkipReason::None;
    QString detail; // the reader's error, for SkipReason::Unreadable
    qsizetype held = -1; // which of the table's reads holds the entries, for `add`
};

// A table as the sync sees it: rows of entries that each may have an item in the folder.
// The merge of the start and the writer of the quit work on this, once for both tables.
class SyncTable {
public:
    SyncTable() = default;
    SyncTable(const SyncTable &) = delete;
    SyncTable &operator=(const SyncTable &) = delete;
    virtual ~SyncTable() = default;

    [[nodiscard]] virtual SyncKind kind() const = 0;
    [[nodiscard]] virtual QString extension() const = 0; // of its item files, with the dot
    [[nodiscard]] virtual int count() const = 0;
    [[nodiscard]] virtual syncmerge::Entry entryAt(int row) const = 0;
    [[nodiscard]] virtual QString uidAt(int row) const = 0;
    virtual void setUid(int row, const QString &uid) = 0;
    virtual void removeAt(int row) = 0;
    // The entry as its list shows it, to name it to the user.
    [[nodiscard]] virtual QString lineAt(int row) const = 0;

    // The start: an item file's bytes as entries, which the table holds until the merge
    // has decided; then `add` takes those of a read into the table as that item's (none
    // for -1). Nothing comes back, or the text or name of the first entry a full table
    // did not take.
    virtual ReadItem read(const QByteArray &bytes) = 0;
    virtual std::optional<QString> add(qsizetype held, const QString &uid) = 0;
    // What the adds since the last call left out of the items they took, each as
    // "name: type number" (a card's pairs beyond an entry's).
    [[nodiscard]] virtual QStringList takePairsLeftOut() { return {}; }

    // The quit: whether the entry belongs in the folder at all (past appointments do
    // not), the entry as a new item with that UID, and as a change of the item it was.
    // Empty bytes: it cannot be one.
    [[nodiscard]] virtual bool belongsInFolder(int row) const = 0;
    [[nodiscard]] virtual QByteArray item(int row, const QString &uid) const = 0;
    [[nodiscard]] virtual QByteArray patch(int row, const QByteArray &original) const = 0;
    // A series' item with its occurrence whose entry had the hash `was` changed to the
    // entry at `row`, or taken out (row -1). Empty: no such occurrence (a table without
    // series has none).
    // The item of an event over several days changed as a whole to the entries at `rows`.
    // Empty: they are no such change (a table without such events has none).
    [[nodiscard]] virtual QByteArray patchEvent(const QList<int> &rows, const QByteArray &original) const
    {
        Q_UNUSED(rows)
        Q_UNUSED(original)
        return {};
    }
    [[nodiscard]] virtual QByteArray patchOccurrence(const QByteArray &original,
                                                     const QByteArray &was, int row) const
    {
        Q_UNUSED(original)
        Q_UNUSED(was)
        Q_UNUSED(row)
        return {};
    }

    // Items that are a series with its changed days (a row that holds the rule and rows
    // of single days): the series at `row` as a new item with that UID, or as the change
    // of `original`, with the changed days `days`; `placed` names the days the item took.
    // Empty bytes: it cannot be one (a table without such series has none).
    struct RuleItem {
        QByteArray bytes;
        QList<int> placed;
    };
    [[nodiscard]] virtual bool holdsRule(int row) const
    {
        Q_UNUSED(row)
        return false;
    }
    [[nodiscard]] virtual RuleItem ruleItem(int row, const QList<int> &days, const QString &uid) const
    {
        Q_UNUSED(row)
        Q_UNUSED(days)
        Q_UNUSED(uid)
        return {};
    }
    [[nodiscard]] virtual RuleItem patchRule(const QByteArray &original, int row,
                                             const QList<int> &days) const
    {
        Q_UNUSED(original)
        Q_UNUSED(row)
        Q_UNUSED(days)
        return {};
    }

    // What every table does alike with those.
    [[nodiscard]] QList<syncmerge::Entry> entries() const;
    // Every entry learns its item, or that it has none.
    void bind(const QList<std::pair<int, QString>> &bound);
    void removeRows(QList<int> rows);

protected:
    // An entry by these fields as the table's file gives them back.
    [[nodiscard]] static QByteArray hashOf(const QStringList &fields);
};
