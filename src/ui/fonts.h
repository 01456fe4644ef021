// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

// The proportional Gothic of labels and edit boxes, and the fixed-pitch one of buttons,
// with the free Japanese faces where the Windows ones are missing.
[[nodiscard]] QFont pGothicFont();
[[nodiscard]] QFont gothicFont();
// The fixed-pitch Gothic for captions of full-width characters only: the same glyphs,
// from a face the first paint needs anyway where that gives the same picture.
[[nodiscard]] QFont fullWidthGothicFont();
