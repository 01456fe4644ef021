// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The loaders of the start and the writers of the quit, without windows.
#include "benchdata.h"

#include "app/session.h"
#include "text/clock.h"

#include <QDir>

#include <benchmark/benchmark.h>

#include <map>
#include <optional>

namespace {

class FixedClock : public Clock {
public:
    [[nodiscard]] QDateTime now() const override { return QDateTime(benchdata::Today, QTime(9, 0)); }
};

const FixedClock fixedClock;

struct Folder {
    explicit Folder(bool series = true) { benchdata::writeProgramFolder(dir.path(), series); }
    QTemporaryDir dir;
};

void loadAll(Session &session)
{
    session.loadThroughSchedule();
    session.loadPhoneFiles();
    session.loadSettings();
}

void BM_StartLoadAll(benchmark::State &state)
{
    static Folder folder;
    std::optional<Session> session;
    for (auto _ : state) {
        session.emplace(folder.dir.path(), fixedClock);
        loadAll(*session);
        benchmark::DoNotOptimize(session->phoneBook().ntphone());
        state.PauseTiming(); // freeing the tables is not part of the start
        session.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartLoadAll)->Unit(benchmark::kMillisecond);

// The same without repeat.txt: what its 200 series add to the start.
void BM_StartLoadAllWithoutSeries(benchmark::State &state)
{
    static Folder folder(false);
    std::optional<Session> session;
    for (auto _ : state) {
        session.emplace(folder.dir.path(), fixedClock);
        loadAll(*session);
        benchmark::DoNotOptimize(session->phoneBook().ntphone());
        state.PauseTiming();
        session.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartLoadAllWithoutSeries)->Unit(benchmark::kMillisecond);

// Every file written through QSaveFile, synced to disk, as the quit does it.
void BM_QuitSaveAll(benchmark::State &state)
{
    static Folder folder; // its own: after the first quit its files are sorted
    std::optional<Session> session;
    for (auto _ : state) {
        state.PauseTiming();
        session.emplace(folder.dir.path(), fixedClock);
        loadAll(*session);
        state.ResumeTiming();
        const Session::QuitResult result = session->quitWithSaving();
        if (!result.ok)
            state.SkipWithError(qPrintable(result.error));
        state.PauseTiming();
        session.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_QuitSaveAll)->Unit(benchmark::kMillisecond);

// A schedule and a phone book of that many shuffled lines: a hand-edited file can hold
// far more than the capacity, and loading must stay close to linear.
void BM_SortedInsert(benchmark::State &state)
{
    const int lines = int(state.range(0));
    static std::map<int, QTemporaryDir> folders;
    QTemporaryDir &dir = folders[lines];
    const QString schedulePath = QDir(dir.path()).filePath("schedule.txt");
    const QString telPath = QDir(dir.path()).filePath("tel.txt");
    if (!QFile::exists(telPath)) {
        benchdata::writeFile(dir.path(), "schedule.txt", benchdata::scheduleLines(lines));
        benchdata::writeFile(dir.path(), "tel.txt", benchdata::telLines(lines));
    }
    std::optional<ScheduleTable> schedule;
    std::optional<PhoneBook> book;
    for (auto _ : state) {
        schedule.emplace();
        book.emplace();
        benchmark::DoNotOptimize(schedule->loadSchedule(schedulePath, benchdata::Today));
        benchmark::DoNotOptimize(book->loadPhoneBook(telPath));
        if (schedule->ntschedule() != lines || book->ntphone() != lines)
            state.SkipWithError("not every line was loaded");
        state.PauseTiming();
        schedule.reset();
        book.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SortedInsert)->Arg(1001)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace
