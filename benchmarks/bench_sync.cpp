// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The sync folder on the largest schedule and phone book, with nothing changed since the
// last sync: what the start's merge and the quit's write add to them.
#include "benchdata.h"

#include "phonebook/phonebook.h"
#include "schedule/scheduletable.h"
#include "sync/vdirsync.h"

#include <QDir>

#include <benchmark/benchmark.h>

namespace {

const QTimeZone zone("Asia/Tokyo");
const QDateTime stamp(benchdata::Today, QTime(9, 0), QTimeZone::utc());

struct Synced {
    Synced()
    {
        benchdata::writeFile(data.path(), QStringLiteral("schedule.txt"), benchdata::scheduleLines());
        benchdata::writeFile(data.path(), QStringLiteral("tel.txt"), benchdata::telLines());
        ScheduleTable schedule;
        PhoneBook book;
        load(schedule, book);
        VdirSync first(vdir.path());
        first.mergeSchedule(schedule, benchdata::Today, zone);
        first.mergePhoneBook(book);
        first.write(schedule, book, benchdata::Today, zone, stamp);
        items = first.lastWrite().written;
    }
    void load(ScheduleTable &schedule, PhoneBook &book) const
    {
        schedule.loadSchedule(QDir(data.path()).filePath(QStringLiteral("schedule.txt")), benchdata::Today);
        book.loadPhoneBook(QDir(data.path()).filePath(QStringLiteral("tel.txt")));
    }
    QTemporaryDir data;
    QTemporaryDir vdir;
    int items = 0;
};

Synced &synced()
{
    static Synced s;
    return s;
}

// The start: both merges, the state and every item file read.
void BM_SyncStartMergeUnchanged(benchmark::State &state)
{
    Synced &s = synced();
    ScheduleTable schedule;
    PhoneBook book;
    s.load(schedule, book);
    for (auto _ : state) {
        VdirSync sync(s.vdir.path());
        sync.mergeSchedule(schedule, benchdata::Today, zone);
        sync.mergePhoneBook(book);
        benchmark::DoNotOptimize(sync.takeReport());
    }
    state.counters["items"] = s.items;
    state.counters["entries"] = schedule.ntschedule() + book.ntphone();
}
BENCHMARK(BM_SyncStartMergeUnchanged)->Unit(benchmark::kMillisecond);

// The quit: every entry compared with its record; no item may be written or deleted.
void BM_SyncQuitWriteUnchanged(benchmark::State &state)
{
    Synced &s = synced();
    ScheduleTable schedule;
    PhoneBook book;
    s.load(schedule, book);
    VdirSync sync(s.vdir.path());
    sync.mergeSchedule(schedule, benchdata::Today, zone);
    sync.mergePhoneBook(book);
    int rewritten = 0;
    for (auto _ : state) {
        sync.write(schedule, book, benchdata::Today, zone, stamp);
        rewritten += sync.lastWrite().written + sync.lastWrite().deleted;
    }
    state.counters["rewritten"] = rewritten;
    if (rewritten != 0)
        state.SkipWithError("a quit with nothing changed rewrote items");
}
BENCHMARK(BM_SyncQuitWriteUnchanged)->Unit(benchmark::kMillisecond);

} // namespace
