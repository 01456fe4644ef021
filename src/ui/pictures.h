// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>

// The program's own pictures, drawn at run time.
namespace pictures {

// A transparent picture of that size in pixels at 100 %, with as many device pixels as
// the sharpest screen shows, so what is drawn on it in those pixels stays sharp when
// scaled.
[[nodiscard]] QPixmap canvas(QSize size);

// The calendar page of a day of the month (1..31).
[[nodiscard]] QPixmap calendar(int day);

enum class Button { Help, Tel, Done, Shelf, Close };
[[nodiscard]] QPixmap button(Button which);

// The drag pictures: white while dragging, black over a target that takes the drag.
[[nodiscard]] QPixmap whitePage();
[[nodiscard]] QPixmap blackPage();

// The trash box of the shelf and schedule windows.
[[nodiscard]] QPixmap trashBox();

} // namespace pictures
