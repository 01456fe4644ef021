// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QObject;

// Work that the first sight of a window does not need waits until a window has been
// painted: the window comes sooner, and the work follows at once.
namespace firstpaint {

// Runs the action once, after the next paint of any window of the program and the rest of
// its frame, or after a couple of seconds should no window be painted (one started
// minimised). Never once the owner is gone (nullptr: the application).
void then(QObject *owner, std::function<void()> action);

} // namespace firstpaint
