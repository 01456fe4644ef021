// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QLabel;
class QString;
class QWidget;

// What screen readers and scripted tests need of a window's controls: a name for each,
// and Tab in the order the controls are laid out.
namespace a11y {

// A box is named by the caption of the label beside it: the label becomes its buddy and
// the caption its accessible name (lists and grids take no name from a buddy).
void label(QLabel *label, QWidget *box);

// A label that shows data (a hint, a slot's text, a picture) is named by the text it
// shows, or by what it is while it shows none.
void nameWhenEmpty(QLabel *label, const QString &what);

// Tab goes through the window's controls as they are laid out: rows from the top, and
// within a row, or where a tall control stands beside others, columns from the left.
void orderTabs(QWidget &window);

} // namespace a11y
