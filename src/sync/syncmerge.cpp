// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "syncmerge.h"

#include <QHash>
#include <QSet>

namespace syncmerge {

namespace {

Record recordOf(const Item &item, const Entry &entry)
{
    return {item.uid,   item.file,  item.hash,  entry.hash, entry.keyA,
            entry.keyB, item.series, item.stamp, item.spans, item.rule};
}

constexpr qsizetype none = -1;

// Which record each row has: found by its content, else (changed by hand) by a key.
struct Matching {
    QList<qsizetype> recordOfRow;
    QList<qsizetype> rowOfRecord;
    QList<bool> byHand;
    QMultiHash<QByteArray, qsizetype> rowsByHash;
    QMultiHash<QByteArray, qsizetype> rowsBySameness;

    Matching(const QList<Entry> &entries, const QList<Record> &state)
        : recordOfRow(entries.size(), none), rowOfRecord(state.size(), none),
          byHand(entries.size(), false)
    {
        for (qsizetype i = entries.size() - 1; i >= 0; --i) {
            rowsByHash.insert(entries.at(i).hash, i);
            rowsBySameness.insert(entries.at(i).sameness(), i);
        }
        for (qsizetype r = 0; r < state.size(); ++r)
            for (auto it = rowsByHash.find(state.at(r).entryHash);
                 it != rowsByHash.end() && it.key() == state.at(r).entryHash; ++it)
                if (recordOfRow.at(*it) == none) {
                    pair(*it, r);
                    break;
                }
        for (const bool first : {true, false})
            for (qsizetype r = 0; r < state.size(); ++r)
                matchByKey(entries, state, r, first);
    }

private:
    void pair(qsizetype row, qsizetype record)
    {
        recordOfRow[row] = record;
        rowOfRecord[record] = row;
    }

    void matchByKey(const QList<Entry> &entries, const QList<Record> &state, qsizetype r, bool first)
    {
        // A series' entries share their text: a key tells none of them apart.
        if (rowOfRecord.at(r) != none || state.at(r).series)
            return;
        const QByteArray &key = first ? state.at(r).keyA : state.at(r).keyB;
        for (qsizetype i = 0; i < entries.size(); ++i)
            if (recordOfRow.at(i) == none && (first ? entries.at(i).keyA : entries.at(i).keyB) == key) {
                pair(i, r);
                byHand[i] = true;
                return;
            }
    }
};

// The plan of one merge: each record decided on, then the items no record knows.
class Merger {
public:
    Merger(const QList<Entry> &entries, const QList<Item> &items, const QList<Record> &state,
           const QStringList &unread)
        : m_entries(entries), m_items(items), m_state(state), m_unread(unread),
          m_matching(entries, state)
    {
        for (qsizetype k = 0; k < items.size(); ++k)
            m_itemByUid.insert(items.at(k).uid, k);
    }

    Plan run()
    {
        for (qsizetype r = 0; r < m_state.size(); ++r) {
            m_known.insert(m_state.at(r).uid);
            decide(m_state.at(r), m_matching.rowOfRecord.at(r));
        }
        // Items the last sync did not know: made elsewhere, or written by a quit that
        // ended before its state; the latter's entry is here already and takes the item.
        QSet<qsizetype> taken = takenRows();
        for (const Item &item : m_items)
            if (!m_known.contains(item.uid) && !adopt(item, taken))
                addItem(item);
        return std::move(m_plan);
    }

private:
    void bind(qsizetype row, const QString &uid)
    {
        if (row != none)
            m_plan.bind.append({int(row), uid});
    }

    void decide(const Record &record, qsizetype row)
    {
        if (m_unread.contains(record.uid)) {
            // Not readable now: nothing is decided about it.
            m_plan.records.append(record);
            bind(row, record.uid);
            return;
        }
        const auto found = m_itemByUid.constFind(record.uid);
        if (found == m_itemByUid.cend()) {
            // Gone from the folder: so is its entry, unless that was changed here too.
            if (row != none && !m_matching.byHand.at(row))
                m_plan.remove.append(int(row));
            return;
        }
        const Item &item = m_items.at(*found);
        if (item.hash == record.itemHash) {
            Record kept = record;
            kept.stamp = item.stamp; // the same content, perhaps written anew
            m_plan.records.append(kept);
            bind(row, record.uid);
            if (row != none && !record.series)
                m_rebindable.insert(row);
            return;
        }
        decideChanged(item, row);
    }

    // The item changed since the last sync.
    void decideChanged(const Item &item, qsizetype row)
    {
        if (row == none) {
            addItem(item); // its entry was taken away here: what the folder has comes back
            return;
        }
        const bool sameAsItem = item.entries.size() == 1
                                && item.entries.first().hash == m_entries.at(row).hash;
        if (sameAsItem) {
            // Both sides hold the same: a quit that ended before its state was written.
            bind(row, item.uid);
            m_plan.records.append(recordOf(item, item.entries.first()));
            return;
        }
        if (m_matching.byHand.at(row))
            m_plan.doubled.append({int(row), item.uid});
        else
            m_plan.remove.append(int(row));
        addItem(item);
    }

    void addItem(const Item &item)
    {
        if (m_added.contains(item.uid))
            return;
        m_added.insert(item.uid);
        m_plan.add.append(item.uid);
        for (const Entry &e : item.entries)
            m_plan.records.append(recordOf(item, e));
    }

    [[nodiscard]] QSet<qsizetype> takenRows() const
    {
        QSet<qsizetype> taken;
        for (const auto &[row, uid] : std::as_const(m_plan.bind))
            taken.insert(row);
        for (const auto &[row, uid] : std::as_const(m_plan.doubled))
            taken.insert(row);
        for (const int row : std::as_const(m_plan.remove))
            taken.insert(row);
        return taken;
    }

    bool adopt(const Item &item, QSet<qsizetype> &taken)
    {
        if (item.series || item.entries.size() != 1)
            return false;
        // The same appointment exported and loaded into the server, or written by a quit
        // that ended before its state: the entry takes the item.
        const QByteArray &same = item.entries.first().sameness();
        const auto &rows = m_matching.rowsBySameness;
        for (auto it = rows.find(same); it != rows.end() && it.key() == same; ++it)
            if (!taken.contains(*it) && m_matching.recordOfRow.at(*it) == none) {
                taken.insert(*it);
                m_plan.bind.append({int(*it), item.uid});
                m_plan.records.append(recordOf(item, item.entries.first()));
                return true;
            }
        // Already in an item of its own, as the last sync left it: the same appointment
        // loaded into the server once more (an export of an older version named it
        // otherwise). The entry takes the new item, and the quit deletes the old one,
        // which no entry has any more, so the server keeps one.
        for (auto it = rows.find(same); it != rows.end() && it.key() == same; ++it)
            if (m_rebindable.remove(*it)) {
                for (auto &[row, uid] : m_plan.bind)
                    if (row == *it)
                        uid = item.uid;
                m_plan.records.append(recordOf(item, item.entries.first()));
                return true;
            }
        return false;
    }

    const QList<Entry> &m_entries;
    const QList<Item> &m_items;
    const QList<Record> &m_state;
    const QStringList &m_unread;
    Matching m_matching;
    QHash<QString, qsizetype> m_itemByUid;
    QSet<QString> m_known;
    QSet<QString> m_added;
    QSet<qsizetype> m_rebindable; // rows bound to an item of their own that is unchanged
    Plan m_plan;
};

} // namespace

Plan merge(const QList<Entry> &entries, const QList<Item> &items, const QList<Record> &state,
           const QStringList &unread)
{
    return Merger(entries, items, state, unread).run();
}

} // namespace syncmerge
