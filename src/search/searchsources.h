// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "searchmodel.h"

#include <QDate>

class PhoneBook;
class RepeatTable;
class ScheduleTable;
class ShelfList;
class TodoBoard;
struct phoneentry;

// Each place's items as the search takes them, with the lines their windows show.
namespace searchsources {

// The slots that hold a text.
[[nodiscard]] QList<SearchItem> board(const TodoBoard &board);
[[nodiscard]] QList<SearchItem> shelf(const ShelfList &shelf);
// done.txt's lines, each dated by the day it begins with.
[[nodiscard]] QList<SearchItem> done(const QStringList &lines, QDate today);
// The appointments by text and extras, and each series at its next day (one ended is
// found no more, as the list shows it no more).
[[nodiscard]] QList<SearchItem> schedule(const ScheduleTable &table, const RepeatTable &series,
                                         QDate today);
// An entry as the found list shows it: its index and name.
[[nodiscard]] QString phoneLine(const phoneentry &entry);
// The entries by index, name, keyword and every pair.
[[nodiscard]] QList<SearchItem> phoneBook(const PhoneBook &book);

} // namespace searchsources
