// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractListModel>
#include <QStringList>

#include <vector>

// The one order of every sorted list: Japanese collation, case ignored.
[[nodiscard]] int compareListText(const QString &a, const QString &b);

// A list kept in that order. A new item goes after every item that compares equal, and
// its position is returned so that a table beside the list can follow it.
class SortedListModel : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    int insertSorted(const QString &text);
    // Adds the texts where insertSorted, called for each in turn, would put them, in one
    // step and without a comparison per pair. Returns where each row came from: a row of
    // the list before the call (below its count then) or that count plus the text's place
    // in texts, so that a table beside the list can follow.
    QList<qsizetype> insertAllSorted(const QStringList &texts);
    void removeAt(int row);
    void clear();

    [[nodiscard]] int count() const { return int(m_items.size()); }
    [[nodiscard]] QString at(int row) const { return m_items.at(row); }
    [[nodiscard]] const QStringList &items() const { return m_items; }

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

private:
    QStringList m_items;
};

// Reorders a table beside the list after insertAllSorted: row i takes the item that was at
// from[i]. In place, each item moved once along its cycle: a second table of every entry
// would be fresh memory, and the start pays for each page of it.
template <typename T> void followOrder(QList<T> &items, const QList<qsizetype> &from)
{
    std::vector<bool> placed(from.size());
    for (qsizetype start = 0; start < from.size(); ++start) {
        if (placed[start])
            continue;
        T held = std::move(items[start]);
        qsizetype i = start;
        for (; from[i] != start; i = from[i]) {
            items[i] = std::move(items[from[i]]);
            placed[i] = true;
        }
        items[i] = std::move(held);
        placed[i] = true;
    }
}
