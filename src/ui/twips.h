#pragma once

#include <QRect>

// Layouts are given in twips: 15 twips to a pixel at 96 dpi.
[[nodiscard]] constexpr int twips(int t)
{
    return (t + 7) / 15;
}

[[nodiscard]] inline QRect twipsRect(int left, int top, int width, int height)
{
    return {twips(left), twips(top), twips(width), twips(height)};
}
