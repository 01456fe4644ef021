#include "sortedlist.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>

int compareListText(const QString &a, const QString &b)
{
    static const QCollator collator = [] {
        QCollator c(QLocale(QLocale::Japanese, QLocale::Japan));
        c.setCaseSensitivity(Qt::CaseInsensitive);
        c.setNumericMode(false);
        return c;
    }();
    return collator.compare(a, b);
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
