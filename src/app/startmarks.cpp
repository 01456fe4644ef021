// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "startmarks.h"

#include <QElapsedTimer>
#include <QtGlobal>

#include <cstdio>
#include <unistd.h>

namespace {

// Started as the program is loaded, before main.
struct Since {
    Since() { timer.start(); }
    QElapsedTimer timer;
    bool on = qEnvironmentVariableIsSet("KIBANU_START_MARKS");
};
const Since since;

// Resident memory in MB: the pages the start has touched so far.
double residentMb()
{
    long total = 0;
    long resident = 0;
    if (std::FILE *f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &total, &resident) != 2)
            resident = 0;
        std::fclose(f);
    }
    return double(resident) * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

} // namespace

namespace startmarks {

void mark(const char *what)
{
    if (since.on)
        std::fprintf(stderr, "%8.1f ms %6.1f MB  %s\n", double(since.timer.nsecsElapsed()) / 1e6,
                     residentMb(), what);
}

} // namespace startmarks
