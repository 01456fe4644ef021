// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/datafolder.h"

#include <functional>
#include <optional>

class Prompter;
class QPushButton;
class QRect;
class QString;
class QWidget;

namespace windows {

// Shows a window and brings it to the front: not modal, or modal (the rest of the
// program waits until it is hidden). The call returns at once either way.
void showModeless(QWidget &window);
void showModal(QWidget &window);

// Whether the platform tells the program where its windows are. Wayland does not: a
// window's position reads as the frame's negative size there, and storing it would put
// the window off screen on the next start under X11.
[[nodiscard]] bool platformTellsPlace();

// A window of one size: laid out for the program's 12-pixel text, and without a maximise
// button, which would do nothing or stretch a layout made for that size; a dialog keeps
// only its close button.
void fixSize(QWidget &window, int width, int height);

// A window that comes from `owner` (the board) belongs to it: the desktop keeps it above
// the owner and places it near it, as a compositor does with a dialog. It stays a window
// of its own, made and destroyed by whoever made it.
void belongTo(QWidget &window, QWidget *owner);

// A push button at that place that Enter never presses unless it is made the default.
QPushButton *button(QWidget *parent, const char *name, const QString &caption,
                    const QRect &geometry);

// A window's own save (its close box) of the lines it gives, after any composition of an
// input method is committed: nothing for a file that could not be read at start; a
// failure is told, and so is another program's version kept beside the file. True when
// the file holds this run's data now.
bool saveFromWindow(DataFolder &files, DataFile file, Prompter &prompter,
                    const std::function<QStringList()> &lines);

} // namespace windows
