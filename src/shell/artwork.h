// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>

// The pictures of the start-up window and the About box, drawn at run time.
namespace artwork {

// The program's logo, 121 × 31 pixels.
[[nodiscard]] QPixmap logo();

// Frames 1 to 3 of the start-up animation: a pencil ticking off the first to-do of a page.
[[nodiscard]] QPixmap todoFrame(int frame);

// The About box's illustration, 213 × 93 pixels in the sixteen standard colours.
[[nodiscard]] QPixmap deskScene();

} // namespace artwork
