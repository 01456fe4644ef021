// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractListModel>
#include <QStringList>

#include <functional>
#include <vector>

// The one order of every sorted list: Japanese collation, case ignored.
[[nodiscard]] int compareListText(const QString &a, const QString &b);
// The order that list puts these lines in, equal ones as they come: from[i] is the line
// shown at i. On any thread: a loader's read ahead works it out before its turn.
[[nodiscard]] QList<qsizetype> listOrder(const QStringList &lines);

// The list lines of a sorted table, in that order, as views show them. A new line goes
// after every line that compares equal. The table (SortedTable) keeps its rows beside
// the lines and changes both in one step of the model.
class SortedLines : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    [[nodiscard]] int count() const { return int(m_lines.size()); }
    [[nodiscard]] QString at(int row) const { return m_lines.at(row); }
    [[nodiscard]] const QStringList &items() const { return m_lines; }

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

protected:
    // Each runs `alongside` inside the model's change, so that views see rows and lines
    // that agree. insertLine passes the new line's position.
    int insertLine(const QString &line, const std::function<void(int pos)> &alongside);
    void removeLine(int pos, const std::function<void()> &alongside);
    // Adds the lines where insertLine, called for each in turn, would put them, in one
    // step and without a comparison per pair. `alongside` gets where each row came from:
    // a row held before (below its count then) or that count plus the line's place in
    // lines.
    // Replacing: the lines held before go, in the same step. `order`, when given, is
    // listOrder of the lines, taken where no held line stays.
    enum class Held { Kept, Replaced };
    void insertAllLines(const QStringList &lines,
                        const std::function<void(const QList<qsizetype> &from)> &alongside,
                        Held held = Held::Kept, const QList<qsizetype> *order = nullptr);

private:
    QStringList m_lines;
};

// Reorders a table beside the lines after insertAllLines: row i takes the item that was at
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

// A table of rows in the list order of their lines: row i is shown as line i.
template <typename Row> class SortedTable : public SortedLines {
public:
    [[nodiscard]] const Row &row(int pos) const { return m_rows.at(pos); }
    [[nodiscard]] Row &row(int pos) { return m_rows[pos]; }
    [[nodiscard]] const QList<Row> &rows() const { return m_rows; }

    // Places the row after every row whose line compares equal; returns where.
    int insert(Row row, const QString &line)
    {
        return insertLine(line, [&](int pos) { m_rows.insert(pos, std::move(row)); });
    }
    void removeAt(int pos)
    {
        removeLine(pos, [&] { m_rows.removeAt(pos); });
    }
    // The rows of a file read again, in place of every row held: one reset, so a view
    // sees the old rows until the new ones are all there.
    void replaceAll(QList<Row> rows, const QStringList &lines,
                    const QList<qsizetype> *order = nullptr)
    {
        insertAllLines(
            lines,
            [&](const QList<qsizetype> &from) {
                m_rows = std::move(rows);
                followOrder(m_rows, from);
            },
            Held::Replaced, order);
    }
    // The rows of a file, in its order, with their lines: where inserting them one by one
    // would put them.
    void insertAll(QList<Row> rows, const QStringList &lines,
                   const QList<qsizetype> *order = nullptr)
    {
        insertAllLines(
            lines,
            [&](const QList<qsizetype> &from) {
                if (m_rows.isEmpty())
                    m_rows = std::move(rows);
                else
                    m_rows.append(std::move(rows));
                followOrder(m_rows, from);
            },
            Held::Kept, order);
    }

private:
    QList<Row> m_rows;
};
