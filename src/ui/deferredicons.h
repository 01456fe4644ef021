// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The style's pictures that a window rarely shows, read only when first drawn. The menu
// bar's overflow arrow is a file whose reading probes every image plugin installed, and
// the board would wait for it though the arrow shows only in a very narrow window.
namespace deferredicons {

// Wraps the application's style once; call after the QApplication is made and before the
// first window.
void install();

} // namespace deferredicons
