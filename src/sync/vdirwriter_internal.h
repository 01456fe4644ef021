// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The quit's writing of one collection folder, shared by the files that write its kinds
// of items; only they include it.
#include "vdirfolder.h"

#include <QDir>
#include <QHash>
#include <QMap>
#include <QSet>

namespace vdirfolder::detail {

using syncmerge::Record;

// The quit's writing of one folder, an entry at a time, until a write fails.
class Writer {
public:
    Writer(const QString &dir, SyncTable &table, const QList<Record> &old);
    [[nodiscard]] bool failed() const { return m_out.failure.has_value(); }
    [[nodiscard]] Written take() { return std::move(m_out); }
    void writeRow(int row);
    // Each series the last sync knew, with its rows here: changed and deleted occurrences
    // into its item.
    void writeSeries();
    // Each series of repeat.txt the last sync knew, with its changed days: into its item.
    void writeRules();

private:
    void writeSeries(const QString &uid, const QList<Record> &records, const QList<int> &rows);
    // An event over several days changed or taken away as a whole here: its item changes,
    // or goes, as one. False when some of its days are as they were, or the item changed
    // in the folder since the start: then each day is a series' entry.
    bool writeWholeEvent(const QString &uid, const QList<Record> &records, const QList<int> &rows);
    // The series written anew; what the state knows of it is what its item now reads as.
    QList<Record> putSeries(const QString &uid, const QString &file, const QByteArray &bytes);
    // The entry's change into the item it is; false when it becomes a new item instead.
    bool rewrite(int row, const Record &record, const syncmerge::Entry &entry);
    // A new item, named after the entry, so a quit that ends before the state is
    // written leaves an item the next start knows by its content.
    void writeNew(int row, const syncmerge::Entry &entry);
    // Writes the item and records it; the first failure ends the writing.
    bool put(const QString &file, const QByteArray &bytes, const QString &uid,
             const syncmerge::Entry &entry, bool rule = false);
    void writeRule(const QString &uid, const QList<Record> &records, const QList<int> &rows);
    void ruleTakenAway(const QList<Record> &records, const QList<int> &days);
    void putRule(const QString &uid, const QString &file, const QByteArray &bytes,
                     const QList<int> &rows);
    QDir m_dir;
    SyncTable &m_table;
    QHash<QString, const Record *> m_byUid;
    QMap<QString, QList<Record>> m_series; // by UID, in a fixed order
    QHash<QString, QList<int>> m_seriesRows;
    QMap<QString, QList<Record>> m_rules; // by UID, in a fixed order
    QHash<QString, QList<int>> m_ruleRows;
    QSet<QString> m_inUse;
    Written m_out;
};

} // namespace vdirfolder::detail
