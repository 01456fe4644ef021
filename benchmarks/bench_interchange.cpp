// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The largest schedule and phone book out as iCalendar and vCard, and back into empty ones.
#include "benchdata.h"

#include "phonebook/phonecards.h"
#include "schedule/schedulecalendar.h"

#include <QDir>

#include <benchmark/benchmark.h>

namespace {

const QTimeZone zone("Asia/Tokyo");
const QDateTime stamp(benchdata::Today, QTime(9, 0), QTimeZone::utc());

struct Tables {
    Tables()
    {
        benchdata::writeFile(dir.path(), QStringLiteral("schedule.txt"), benchdata::scheduleLines());
        benchdata::writeFile(dir.path(), QStringLiteral("tel.txt"), benchdata::telLines());
        schedule.loadSchedule(QDir(dir.path()).filePath(QStringLiteral("schedule.txt")), benchdata::Today);
        book.loadPhoneBook(QDir(dir.path()).filePath(QStringLiteral("tel.txt")));
    }
    QTemporaryDir dir;
    ScheduleTable schedule;
    PhoneBook book;
};

Tables &tables()
{
    static Tables t;
    return t;
}

void BM_ExportSchedule1001(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(schedulecalendar::write(tables().schedule, benchdata::Today, zone, stamp));
}
BENCHMARK(BM_ExportSchedule1001)->Unit(benchmark::kMillisecond);

void BM_ImportSchedule1001(benchmark::State &state)
{
    const QByteArray bytes = schedulecalendar::write(tables().schedule, benchdata::Today, zone, stamp).bytes;
    for (auto _ : state) {
        ScheduleTable empty;
        const schedulecalendar::ReadResult read = schedulecalendar::read(bytes, benchdata::Today, zone);
        schedulecalendar::addAll(empty, read.items, benchdata::Today);
        benchmark::DoNotOptimize(empty.ntschedule());
    }
}
BENCHMARK(BM_ImportSchedule1001)->Unit(benchmark::kMillisecond);

void BM_ExportPhoneBook1001x11(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(phonecards::write(tables().book));
}
BENCHMARK(BM_ExportPhoneBook1001x11)->Unit(benchmark::kMillisecond);

void BM_ImportPhoneBook1001x11(benchmark::State &state)
{
    const QByteArray bytes = phonecards::write(tables().book);
    for (auto _ : state) {
        PhoneBook empty;
        for (const phonecards::Imported &i : phonecards::read(bytes).entries)
            empty.add(i.entry);
        benchmark::DoNotOptimize(empty.ntphone());
    }
}
BENCHMARK(BM_ImportPhoneBook1001x11)->Unit(benchmark::kMillisecond);

} // namespace
