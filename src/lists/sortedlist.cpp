// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sortedlist.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

const QCollator &listCollator()
{
    static const QCollator collator = [] {
        QCollator c(QLocale(QLocale::Japanese, QLocale::Japan));
        c.setCaseSensitivity(Qt::CaseInsensitive);
        c.setNumericMode(false);
        return c;
    }();
    return collator;
}

} // namespace

int compareListText(const QString &a, const QString &b)
{
    return listCollator().compare(a, b);
}

int SortedListModel::insertSorted(const QString &text)
{
    const auto it = std::upper_bound(m_items.cbegin(), m_items.cend(), text,
                                     [](const QString &a, const QString &b) {
                                         return compareListText(a, b) < 0;
                                     });
    const int row = int(it - m_items.cbegin());
    beginInsertRows({}, row, row);
    m_items.insert(row, text);
    endInsertRows();
    return row;
}

QList<qsizetype> SortedListModel::insertAllSorted(const QStringList &texts)
{
    QStringList all = m_items + texts;
    // A collation key compares as the collator does, except that QCollator puts the
    // empty text before any other, even one made only of characters collation ignores.
    std::vector<QCollatorSortKey> keys;
    keys.reserve(all.size());
    for (const QString &text : std::as_const(all))
        keys.push_back(listCollator().sortKey(text));
    const auto less = [&](qsizetype a, qsizetype b) {
        if (all.at(a).isEmpty() || all.at(b).isEmpty())
            return all.at(a).isEmpty() && !all.at(b).isEmpty();
        return keys[a].compare(keys[b]) < 0;
    };
    QList<qsizetype> from(all.size());
    std::iota(from.begin(), from.end(), 0);
    // Stable: equal texts keep their order, the list's before the new ones, as one by
    // one insertion after every equal item leaves them.
    std::stable_sort(from.begin(), from.end(), less);
    beginResetModel();
    m_items.clear();
    m_items.reserve(all.size());
    for (const qsizetype i : std::as_const(from))
        m_items.append(all.at(i));
    endResetModel();
    return from;
}

void SortedListModel::removeAt(int row)
{
    beginRemoveRows({}, row, row);
    m_items.removeAt(row);
    endRemoveRows();
}

void SortedListModel::clear()
{
    beginResetModel();
    m_items.clear();
    endResetModel();
}

int SortedListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant SortedListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= count())
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return m_items.at(index.row());
    return {};
}
