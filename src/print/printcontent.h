// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

class DoneList;
class PhoneBook;
class RepeatTable;
class ScheduleTable;
class TodoBoard;

// What a printed page shows, before it is laid out: a title and blocks, each a heading
// and rows of up to three columns (a short one, the text, a note). A block is kept on one
// page when it fits one.
struct PrintBlock {
    QString heading;
    QList<QStringList> rows;
};

struct PrintDocument {
    QString title; // what, its range and the day it was printed
    QList<PrintBlock> blocks;
};

namespace printcontent {

// The appointments of `days` days from `from`, grouped by day with its weekday, times in
// the first column, a series' occurrences marked with their rule.
[[nodiscard]] PrintDocument schedule(const ScheduleTable &table, const RepeatTable &series,
                                     QDate from, int days, QDate printed);
// Every entry in index order, or only the one at `onlyPos` (>= 0), with its pairs.
[[nodiscard]] PrintDocument phoneBook(const PhoneBook &book, int onlyPos, QDate printed);
// The done lines dated from `from` to `to`, grouped by that date.
[[nodiscard]] PrintDocument done(const QStringList &lines, QDate from, QDate to, QDate printed);
// The fourteen slots, the finished ones ticked.
[[nodiscard]] PrintDocument board(const TodoBoard &board, QDate printed);

// The title as the print job's name, which the print dialog also offers as a file name
// (<folder>/<name>.pdf): a '/' of its dates would put the file in folders that are not there.
[[nodiscard]] QString jobName(const QString &title);

} // namespace printcontent
