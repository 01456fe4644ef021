// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The schedule window on the largest schedule, without and with the series of repeat.txt.
#include "benchdata.h"
#include "quietwindow.h"

#include "schedule/frmschedule.h"
#include "schedule/repeattable.h"
#include "schedule/scheduletable.h"
#include "store/datafolder.h"
#include "text/clock.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <optional>

namespace {

class Today : public Clock {
public:
    [[nodiscard]] QDateTime now() const override { return QDateTime(benchdata::Today, QTime(9, 0)); }
};

// From the window's making to its list painted: the list lays the series among the entries.
void BM_ScheduleWindowOpen(benchmark::State &state)
{
    static QTemporaryDir dir;
    static const bool written = [] {
        benchdata::writeFile(dir.path(), "schedule.txt", benchdata::scheduleLines());
        benchdata::writeFile(dir.path(), "repeat.txt", benchdata::repeatLines());
        return true;
    }();
    (void)written;
    const Today clock;
    SilentPrompter prompter;
    DataFolder files(dir.path(), clock);
    ScheduleTable schedule;
    (void)schedule.loadSchedule(QDir(dir.path()).filePath("schedule.txt"), clock.today());
    RepeatTable series;
    if (state.range(0) > 0)
        (void)series.load(QDir(dir.path()).filePath("repeat.txt"));
    for (auto _ : state) {
        std::optional<frmSchedule> w;
        w.emplace(schedule, series, files, clock, prompter);
        PaintWatch watch;
        auto *view = w->findChild<QAbstractItemView *>("lstSchedule");
        view->viewport()->installEventFilter(&watch);
        showUntilPainted(*w, watch);
        if (!watch.painted || view->model()->rowCount() < schedule.ntschedule())
            state.SkipWithError("the schedule window was not painted with its list");
        state.PauseTiming();
        view->viewport()->removeEventFilter(&watch);
        w.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ScheduleWindowOpen)->Arg(0)->Arg(benchdata::RepeatSeries)->Unit(benchmark::kMillisecond);

} // namespace
