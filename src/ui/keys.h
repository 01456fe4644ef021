// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QKeyEvent;

// The key codes that the handlers of the windows are written against.
namespace keys {
constexpr int Tab = 9;
constexpr int Enter = 13;
constexpr int Delete = 46;

// Enter (either key) or Tab without modifiers, as those codes; 0 for every other key.
// Shift+Tab is no Tab: it moves the focus back as usual.
[[nodiscard]] int asciiOf(const QKeyEvent *key);
} // namespace keys
