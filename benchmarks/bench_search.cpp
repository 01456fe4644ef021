// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The search over the largest data set and a done.txt of 50,000 lines: the items taken
// when its window first opens, and each keystroke's new list, as written only and by
// reading too.
#include "benchdata.h"

#include "board/todoboard.h"
#include "lists/donelist.h"
#include "lists/shelflist.h"
#include "phonebook/phonebook.h"
#include "schedule/repeattable.h"
#include "schedule/scheduletable.h"
#include "search/readings.h"
#include "search/searchsources.h"

#include <QDir>

#include <benchmark/benchmark.h>

namespace {

struct Tables {
    QTemporaryDir dir;
    TodoBoard board;
    ShelfList shelf;
    DoneList done;
    ScheduleTable schedule;
    RepeatTable series;
    PhoneBook book;

    Tables()
    {
        benchdata::writeProgramFolder(dir.path());
        benchdata::writeFile(dir.path(), "done.txt", benchdata::doneLines(50000));
        const QDir folder(dir.path());
        (void)board.loadTodoList(folder.filePath("todo.txt"));
        (void)shelf.loadCloset(folder.filePath("closet.txt"));
        (void)schedule.loadSchedule(folder.filePath("schedule.txt"), benchdata::Today);
        (void)series.load(folder.filePath("repeat.txt"));
        (void)book.loadPhoneBook(folder.filePath("tel.txt"));
    }

    // What the window does when it first opens: done.txt read, every place taken.
    void fill(SearchModel &model)
    {
        (void)done.loadDone(QDir(dir.path()).filePath("done.txt"));
        model.setItems(SearchPlace::Board, searchsources::board(board));
        model.setItems(SearchPlace::Shelf, searchsources::shelf(shelf));
        model.setItems(SearchPlace::Done, searchsources::done(done.stringList(), benchdata::Today));
        model.setItems(SearchPlace::Schedule, searchsources::schedule(schedule, series, benchdata::Today));
        model.setItems(SearchPlace::PhoneBook, searchsources::phoneBook(book));
    }
};

Tables &tables()
{
    static Tables t;
    return t;
}

void BM_SearchFirstOpen(benchmark::State &state)
{
    Tables &t = tables();
    for (auto _ : state) {
        SearchModel model;
        t.fill(model);
        benchmark::DoNotOptimize(model.rowCount());
    }
}
BENCHMARK(BM_SearchFirstOpen)->Unit(benchmark::kMillisecond);

void BM_SearchReadingsLoad(benchmark::State &state)
{
    for (auto _ : state) {
        const Readings readings;
        benchmark::DoNotOptimize(readings.isOn());
    }
}
BENCHMARK(BM_SearchReadingsLoad)->Unit(benchmark::kMillisecond)->Iterations(3);

// One word typed a key at a time: the slowest of its keystrokes counts.
void BM_SearchKeystroke(benchmark::State &state)
{
    Tables &t = tables();
    SearchModel model;
    t.fill(model);
    static const Readings readings;
    if (state.range(0) > 0)
        model.setReadings(&readings);
    const QStringList keys{QStringLiteral("k"), QStringLiteral("ka"), QStringLiteral("kai"),
                           QStringLiteral("kaig"), QStringLiteral("kaigi"), QStringLiteral("会"),
                           QStringLiteral("会議"), QStringLiteral("03-"), QStringLiteral("03-12")};
    const int key = int(state.range(1));
    for (auto _ : state)
        model.find(keys.at(key % keys.size()));
    state.SetLabel(keys.at(key % keys.size()).toStdString() + " found "
                   + std::to_string(model.rowCount()));
}
BENCHMARK(BM_SearchKeystroke)
    ->ArgsProduct({{0, 1}, {0, 1, 2, 3, 4, 5, 6, 7, 8}})
    ->Unit(benchmark::kMillisecond);

} // namespace
