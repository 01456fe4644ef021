// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's icon for every window, from the SVG in the executable's resources.
namespace appicon {

// At once: Qt's SVG library and its image plugin load before anything is painted.
void setNow();
// Once the program's first window has been painted, so the first window is not kept
// waiting for them; windows shown before get the icon then too.
void setAfterFirstPaint();

} // namespace appicon
