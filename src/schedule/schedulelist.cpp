// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "schedulelist.h"

#include "repeattable.h"
#include "scheduletable.h"

#include <algorithm>
#include <memory>

ScheduleList::ScheduleList(ScheduleTable &table, RepeatTable &series, std::function<QDate()> today)
    : m_table(table), m_series(series), m_today(std::move(today))
{
    relayoutRows();
    follow();
}

void ScheduleList::follow()
{
    const SortedLines &list = m_table.list();
    // A change made while rows are mapped lays them out anew; else it passes through as it is.
    auto resetting = std::make_shared<bool>(false);
    const auto about = [this, resetting](auto beginOwn) {
        *resetting = mapped();
        if (*resetting)
            beginResetModel();
        else
            beginOwn();
    };
    const auto done = [this, resetting](auto endOwn) {
        if (!*resetting)
            return endOwn();
        relayoutRows();
        endResetModel();
    };
    connect(&list, &SortedLines::rowsAboutToBeInserted, this,
            [this, about](const QModelIndex &, int first, int last) {
                about([&] { beginInsertRows({}, first, last); });
            });
    connect(&list, &SortedLines::rowsInserted, this, [this, done] { done([this] { endInsertRows(); }); });
    connect(&list, &SortedLines::rowsAboutToBeRemoved, this,
            [this, about](const QModelIndex &, int first, int last) {
                about([&] { beginRemoveRows({}, first, last); });
            });
    connect(&list, &SortedLines::rowsRemoved, this, [this, done] { done([this] { endRemoveRows(); }); });
    for (const QAbstractItemModel *model : {static_cast<const QAbstractItemModel *>(&list),
                                            static_cast<const QAbstractItemModel *>(&m_series)}) {
        connect(model, &QAbstractItemModel::modelAboutToBeReset, this, [this] { beginResetModel(); });
        connect(model, &QAbstractItemModel::modelReset, this, [this] {
            relayoutRows();
            endResetModel();
        });
    }
}

void ScheduleList::followDay()
{
    if (m_today() == m_laidOutFor)
        return;
    beginResetModel();
    relayoutRows();
    endResetModel();
}

void ScheduleList::relayoutRows()
{
    const QDate today = m_today();
    m_laidOutFor = today;
    m_seriesLines.clear();
    QList<int> shown;
    for (int row = 0; row < m_series.count(); ++row) {
        m_seriesLines.append(m_series.listLine(row, today));
        if (!m_seriesLines.constLast().isEmpty())
            shown.append(row);
    }
    m_rows.clear();
    if (shown.isEmpty())
        return;
    const auto before = [](const QString &a, const QString &b) { return compareListText(a, b) < 0; };
    std::stable_sort(shown.begin(), shown.end(), [&](int a, int b) {
        return before(m_seriesLines.at(a), m_seriesLines.at(b));
    });
    const QStringList &lines = m_table.list().items();
    m_rows.reserve(lines.size() + shown.size());
    int next = 0; // the next entry row not yet placed
    for (const int row : std::as_const(shown)) {
        const auto at = std::upper_bound(lines.cbegin() + next, lines.cend(),
                                         m_seriesLines.at(row), before);
        for (const int end = int(at - lines.cbegin()); next < end; ++next)
            m_rows.push_back({false, next});
        m_rows.push_back({true, row});
    }
    for (; next < lines.size(); ++next)
        m_rows.push_back({false, next});
}

ScheduleList::Entry ScheduleList::entryAt(int row) const
{
    if (row < 0 || row >= rowCount())
        return {};
    return mapped() ? m_rows.at(size_t(row)) : Entry{false, row};
}

int ScheduleList::rowOf(Entry entry) const
{
    if (!mapped())
        return entry.series ? -1 : entry.index;
    const auto it = std::find(m_rows.cbegin(), m_rows.cend(), entry);
    return it == m_rows.cend() ? -1 : int(it - m_rows.cbegin());
}

int ScheduleList::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return mapped() ? int(m_rows.size()) : m_table.list().count();
}

QVariant ScheduleList::data(const QModelIndex &index, int role) const
{
    const Entry entry = entryAt(index.row());
    if (entry.index < 0)
        return {};
    if (!entry.series)
        return m_table.list().data(m_table.list().index(entry.index), role);
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    return m_seriesLines.value(entry.index);
}
