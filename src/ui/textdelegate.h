// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QAbstractItemView;

namespace textdelegate {

// Draws the view's lines as the style does, but lays out each text only once: a list
// repainted on every keystroke of a search box spends most of its time shaping the same
// lines again.
void install(QAbstractItemView *view);

} // namespace textdelegate
