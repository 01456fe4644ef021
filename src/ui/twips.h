// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

// Layouts are given in twips: 15 twips to a pixel at 96 dpi. Rounded to the nearest pixel
// in both directions: a place left of or above the primary screen must come back as the
// same twips, or a window would creep a pixel at every quit.
[[nodiscard]] constexpr int twips(int t)
{
    // 15 is odd: no value lies halfway between two pixels. Wide, as pim.ini may hold any.
    const long long shifted = (long long)t + 7;
    return int(shifted >= 0 ? shifted / 15 : -((-shifted + 14) / 15));
}

[[nodiscard]] inline QRect twipsRect(int left, int top, int width, int height)
{
    return {twips(left), twips(top), twips(width), twips(height)};
}
