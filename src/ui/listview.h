// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dragdrop.h"

#include <functional>

class QAbstractItemModel;
class QLabel;
class QPushButton;
class QAbstractItemView;
class QListView;
class QRect;
class QTableView;
class QToolButton;
class QWidget;

// What the program's list windows share.
namespace listview {

// The selected row, or -1.
[[nodiscard]] int selectedRow(const QAbstractItemView *view);

// Leaves nothing selected, so that the next Delete or drop asks for a selection again.
void clearSelection(QAbstractItemView *view);

// Runs the handler when the Delete key is pressed in the view.
void onDeleteKey(QAbstractItemView *view, std::function<void()> handler);

// A read-only single-selection list of the model at that place.
[[nodiscard]] QListView *createList(QWidget *parent, const char *name, const QRect &geometry,
                                    QAbstractItemModel *model);

// The same for tens of thousands of lines of one height: a list view lays out every line
// before it can show the last, this view only those it paints. It keeps a list's keys:
// Home and End go to the first and the last line.
[[nodiscard]] QTableView *createLongList(QWidget *parent, const char *name,
                                         const QRect &geometry, QAbstractItemModel *model);

// The bottom row of the done and shelf windows: "閉じる" and the hint line.
void createFooter(QWidget *parent, QPushButton *&cmdClose, QLabel *&lblHint);

// The trash box with its caption "ゴミ箱" under it, taking drags of those tags.
QToolButton *createTrashBox(QWidget *parent, const QStringList &tags,
                            dragdrop::Target::Handler enter, std::function<void()> leave,
                            dragdrop::Target::Handler drop);

} // namespace listview
