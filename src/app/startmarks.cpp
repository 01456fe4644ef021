// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "startmarks.h"

#include <QElapsedTimer>
#include <QtGlobal>

#include <cstdio>

namespace {

// Started as the program is loaded, before main.
struct Since {
    Since() { timer.start(); }
    QElapsedTimer timer;
    bool on = qEnvironmentVariableIsSet("KIBANU_START_MARKS");
};
const Since since;

} // namespace

namespace startmarks {

void mark(const char *what)
{
    if (since.on)
        std::fprintf(stderr, "%8.1f ms  %s\n", since.timer.nsecsElapsed() / 1e6, what);
}

} // namespace startmarks
