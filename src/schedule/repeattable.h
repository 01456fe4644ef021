// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "repeatrule.h"
#include "text/textfile.h"

#include <QAbstractListModel>

#include <optional>

// The series of repeat.txt in the file's order, one a line: 用件,開始日,時刻,繰り返し,終わり,
// 除く日 and three extra fields. A line the program cannot read stays as it is, in its place.
// Rows are the file's lines; every change resets the model, so a view of the schedule
// that merges them with the single entries builds its order anew.
class RepeatTable : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    [[nodiscard]] int count() const { return int(m_rows.size()); }
    [[nodiscard]] const repeatitem &at(int row) const { return m_rows.at(row).item; }
    // The series read, or nothing for a line that cannot be read.
    [[nodiscard]] const std::optional<RepeatSeries> &series(int row) const
    {
        return m_rows.at(row).series;
    }
    // The lines that cannot be read, as they stand in the file, for the report at start.
    [[nodiscard]] QStringList unreadableLines() const;

    TextFileRead load(const QString &path);
    // The file read again after another program changed it: the table is that.
    void reload(const QString &text);
    [[nodiscard]] bool changedThisRun() const { return m_changed; }
    [[nodiscard]] QStringList fileLines() const;

    // A new series at the end of the file; its text loses its commas.
    int add(repeatitem item);
    void change(int row, repeatitem item);
    void removeAt(int row);
    // The sync's: which item of its folder the series is. Not a change of the file.
    void setUid(int row, const QString &uid);
    // One day of the series left out: its date joins 除く日.
    void leaveOut(int row, QDate day);

    // The series' next day on or after `from`, or nothing (ended, or not readable).
    [[nodiscard]] std::optional<QDate> nextDay(int row, QDate from) const;
    // The list line of a series at its next day: the single entries' line with the rule
    // after the text ("26/12/17  10:00  ヨガ（毎週）"); empty when none comes.
    [[nodiscard]] QString listLine(int row, QDate today) const;
    // The reminder lines of the series that fall on that day, in the file's order: the
    // time, two blanks, the text, as for single entries.
    [[nodiscard]] QStringList reminderLines(QDate day) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

private:
    struct Row {
        repeatitem item;
        std::optional<RepeatSeries> series;
        QString asRead; // the line as the file held it
        bool edited = false; // changed here: written from the fields
        // A line not changed here goes back as it came, be it readable or not.
        [[nodiscard]] QString line() const;
    };
    static Row rowOf(const QString &line);
    void takeLines(const QString &text);

    QList<Row> m_rows;
    bool m_changed = false;
};
