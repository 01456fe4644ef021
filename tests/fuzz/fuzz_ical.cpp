// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "schedule/schedulecalendar.h"

#include <cstdint>
#include <cstdlib>

// Any bytes: read as a calendar without a crash or an endless recurrence; what is read is
// added, written and read again without loss.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QDate today(2026, 12, 7);
    const QTimeZone zone("Asia/Tokyo");
    const schedulecalendar::ReadResult first = schedulecalendar::read(
        QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)), today, zone);
    if (!first.error.isEmpty())
        return 0;
    ScheduleTable table;
    schedulecalendar::addAll(table, first.items, today);
    const schedulecalendar::Written out =
        schedulecalendar::write(table, today, zone, QDateTime(today, QTime(9, 0), QTimeZone::utc()));
    const schedulecalendar::ReadResult again = schedulecalendar::read(out.bytes, today, zone);
    if (!again.error.isEmpty() || again.items.size() + out.unreadable != table.ntschedule())
        std::abort();
    return 0;
}
