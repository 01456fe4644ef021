// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The style's pictures, kept from probing every image plugin installed before the board
// can paint: the menu bar's overflow arrow, which shows only in a very narrow window, is
// read when first drawn; the group box frame the board does show is read ahead by the
// built-in PNG reader.
namespace deferredicons {

// Wraps the application's style once and reads the frame; call after the QApplication is
// made and before the first window.
void install();

} // namespace deferredicons
