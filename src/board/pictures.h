#pragma once

#include <QPixmap>

// The program's own pictures, drawn at run time.
namespace pictures {

// The calendar page of a day of the month (1..31).
[[nodiscard]] QPixmap calendar(int day);

enum class Button { Help, Tel, Done, Shelf, Close };
[[nodiscard]] QPixmap button(Button which);

} // namespace pictures
