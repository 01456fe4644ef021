// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sortedlist.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

// One a thread: the read aheads sort too.
const QCollator &listCollator()
{
    thread_local const QCollator collator = [] {
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

int SortedLines::insertLine(const QString &line, const std::function<void(int pos)> &alongside)
{
    const auto it = std::upper_bound(m_lines.cbegin(), m_lines.cend(), line,
                                     [](const QString &a, const QString &b) {
                                         return compareListText(a, b) < 0;
                                     });
    const int pos = int(it - m_lines.cbegin());
    beginInsertRows({}, pos, pos);
    m_lines.insert(pos, line);
    alongside(pos);
    endInsertRows();
    return pos;
}

void SortedLines::removeLine(int pos, const std::function<void()> &alongside)
{
    beginRemoveRows({}, pos, pos);
    m_lines.removeAt(pos);
    alongside();
    endRemoveRows();
}

QList<qsizetype> listOrder(const QStringList &lines)
{
    // A collation key compares as the collator does, except that QCollator puts the
    // empty text before any other, even one made only of characters collation ignores.
    std::vector<QCollatorSortKey> keys;
    keys.reserve(lines.size());
    for (const QString &text : lines)
        keys.push_back(listCollator().sortKey(text));
    const auto less = [&](qsizetype a, qsizetype b) {
        if (lines.at(a).isEmpty() || lines.at(b).isEmpty())
            return lines.at(a).isEmpty() && !lines.at(b).isEmpty();
        return keys[a].compare(keys[b]) < 0;
    };
    QList<qsizetype> from(lines.size());
    std::iota(from.begin(), from.end(), 0);
    // Stable: equal texts keep their order, as one by one insertion after every equal
    // line leaves them.
    std::stable_sort(from.begin(), from.end(), less);
    return from;
}

void SortedLines::insertAllLines(const QStringList &lines,
                                 const std::function<void(const QList<qsizetype> &from)> &alongside,
                                 Held held, const QList<qsizetype> *order)
{
    const bool onlyNew = held == Held::Replaced || m_lines.isEmpty();
    const QStringList all = onlyNew ? lines : m_lines + lines;
    // The held lines come first: before the new ones where they compare equal.
    const QList<qsizetype> from = onlyNew && order && order->size() == lines.size()
                                      ? *order
                                      : listOrder(all);
    beginResetModel();
    m_lines.clear();
    m_lines.reserve(all.size());
    for (const qsizetype i : std::as_const(from))
        m_lines.append(all.at(i));
    alongside(from);
    endResetModel();
}

int SortedLines::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant SortedLines::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= count())
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return m_lines.at(index.row());
    return {};
}
