// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractListModel>
#include <QDate>
#include <QStringList>

#include <functional>
#include <vector>

class RepeatTable;
class ScheduleTable;

// What the schedule window lists: the single entries' lines in their order, and the line
// of each series at its next day, placed where the list would place it (after the lines
// that compare equal). Without a series shown it is the entries' list itself, change for
// change; with one, every change of either lays the rows out anew.
class ScheduleList : public QAbstractListModel {
public:
    ScheduleList(ScheduleTable &table, RepeatTable &series, std::function<QDate()> today);

    struct Entry {
        bool series = false;
        int index = -1; // the row in the schedule table or in repeat.txt
        bool operator==(const Entry &) const = default;
    };
    [[nodiscard]] Entry entryAt(int row) const;
    // Where the entry is listed; -1 for a series not shown.
    [[nodiscard]] int rowOf(Entry entry) const;
    // The series lines placed again once the day has moved on since they were laid out.
    void followDay();

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

private:
    void follow();
    void relayoutRows();
    [[nodiscard]] bool mapped() const { return !m_rows.empty(); }

    ScheduleTable &m_table;
    RepeatTable &m_series;
    std::function<QDate()> m_today;
    QDate m_laidOutFor; // the day the series lines were made for
    std::vector<Entry> m_rows;  // empty: the entries' rows as they are
    QStringList m_seriesLines; // by series row; empty for one not shown
};
