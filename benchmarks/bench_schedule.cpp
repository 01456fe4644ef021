// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The schedule window on the largest schedule, without and with the series of repeat.txt.
#include "benchdata.h"

#include "schedule/frmschedule.h"
#include "schedule/repeattable.h"
#include "schedule/scheduletable.h"
#include "store/datafolder.h"
#include "text/clock.h"
#include "ui/prompter.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <optional>

namespace {

class Quiet : public Prompter {
public:
    void inform(const QString &) override {}
    bool askYesNo(const QString &) override { return false; }
    bool askOkCancel(const QString &) override { return false; }
    Answer askYesNoCancel(const QString &) override { return Answer::Cancel; }
    std::optional<int> askNumber(const QString &, int, int, int) override { return std::nullopt; }
    std::optional<QString> askText(const QString &, const QString &) override { return std::nullopt; }
    QString askFileName(FileUse, const QString &, const QString &, const QString &) override { return {}; }
};

class Today : public Clock {
public:
    [[nodiscard]] QDateTime now() const override { return QDateTime(benchdata::Today, QTime(9, 0)); }
};

class Painted : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        painted = painted || event->type() == QEvent::Paint;
        return false;
    }
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
    Quiet prompter;
    DataFolder files(dir.path(), clock);
    ScheduleTable schedule;
    (void)schedule.loadSchedule(QDir(dir.path()).filePath("schedule.txt"), clock.today());
    RepeatTable series;
    if (state.range(0) > 0)
        (void)series.load(QDir(dir.path()).filePath("repeat.txt"));
    for (auto _ : state) {
        std::optional<frmSchedule> w;
        w.emplace(schedule, series, files, clock, prompter);
        Painted watch;
        auto *view = w->findChild<QAbstractItemView *>("lstSchedule");
        view->viewport()->installEventFilter(&watch);
        w->show();
        QElapsedTimer waited;
        waited.start();
        while (!watch.painted && waited.elapsed() < 2000)
            QApplication::processEvents(QEventLoop::AllEvents, 10);
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
