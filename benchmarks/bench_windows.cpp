// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The windows whose speed the user feels: the phone book's search box and the done list.
#include "benchdata.h"
#include "quietwindow.h"

#include "lists/donelist.h"
#include "lists/frmdone.h"
#include "phonebook/frmtel.h"
#include "phonebook/phonebook.h"
#include "phonebook/phonetypes.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QAbstractItemView>
#include <QTest>

#include <benchmark/benchmark.h>

#include <optional>

namespace {

struct Folder {
    Folder()
    {
        benchdata::writeFile(dir.path(), "tel.txt", benchdata::telLines());
        benchdata::writeFile(dir.path(), "type.txt", benchdata::typeLines());
        benchdata::writeFile(dir.path(), "done.txt", benchdata::doneLines());
        benchdata::writeFile(dir.path(), "empty.txt", {});
    }
    [[nodiscard]] QString path(const char *name) const { return QDir(dir.path()).filePath(name); }
    QTemporaryDir dir;
};

const Folder &folder()
{
    static const Folder f;
    return f;
}

// Each keystroke of a few index searches, typed and then erased.
QList<std::pair<int, QString>> keystrokes()
{
    QList<std::pair<int, QString>> keys;
    for (const char *word : {"yamada5", "kato", "Ito1", "watanabe", "sasaki2"}) {
        for (const char *c = word; *c; ++c)
            keys.append({0, QString(QLatin1Char(*c))});
        for (const char *c = word; *c; ++c)
            keys.append({Qt::Key_Backspace, QString()});
    }
    return keys;
}

void BM_PhoneSearchKeystroke(benchmark::State &state)
{
    PhoneBook book;
    PhoneTypes types;
    book.loadPhoneBook(folder().path("tel.txt"));
    (void)types.loadPhoneTypes(folder().path("type.txt"));
    SilentPrompter prompter;
    frmTel w(book, types, prompter);
    w.show();
    if (!QTest::qWaitForWindowExposed(&w))
        state.SkipWithError("the phone book window was not shown");
    auto *box = w.findChild<QLineEdit *>("txtTel");
    box->setFocus();
    const auto keys = keystrokes();
    qsizetype next = 0;
    for (auto _ : state) {
        const auto &[key, text] = keys.at(next);
        next = (next + 1) % keys.size();
        if (key != 0)
            QTest::keyClick(box, Qt::Key(key));
        else
            QTest::keyClicks(box, text);
        QApplication::processEvents(); // paints what the keystroke changed, as the event loop does
    }
    benchmark::DoNotOptimize(w.selectedIndex());
}
BENCHMARK(BM_PhoneSearchKeystroke)->Unit(benchmark::kMicrosecond);

// From the click on the done button to a painted window with the newest line selected.
void openDoneWindow(benchmark::State &state, const QString &path, int lines)
{
    SilentPrompter prompter;
    std::optional<DoneList> list;
    std::optional<frmDone> w;
    for (auto _ : state) {
        list.emplace();
        w.emplace(*list, path, prompter);
        auto *view = w->findChild<QAbstractItemView *>("lstDone");
        PaintWatch watch;
        view->viewport()->installEventFilter(&watch);
        showUntilPainted(*w, watch);
        const int row = view->currentIndex().row();
        const bool lastShown =
            lines == 0
            || (row == lines - 1
                && view->viewport()->rect().contains(view->visualRect(view->currentIndex())));
        if (!watch.painted || !lastShown)
            state.SkipWithError("the window was not painted with the last line selected");
        state.PauseTiming();
        view->viewport()->removeEventFilter(&watch);
        w.reset();
        list.reset();
        state.ResumeTiming();
    }
}

void BM_DoneWindowOpen(benchmark::State &state)
{
    openDoneWindow(state, folder().path("done.txt"), benchdata::DoneLines);
}
BENCHMARK(BM_DoneWindowOpen)->Unit(benchmark::kMillisecond);

// The floor for the window above: a done.txt without lines.
void BM_DoneWindowOpenEmpty(benchmark::State &state)
{
    openDoneWindow(state, folder().path("empty.txt"), 0);
}
BENCHMARK(BM_DoneWindowOpenEmpty)->Unit(benchmark::kMillisecond);

void BM_LoadDoneList(benchmark::State &state)
{
    const QString path = folder().path("done.txt");
    for (auto _ : state) {
        DoneList list;
        list.loadDone(path);
        benchmark::DoNotOptimize(list.rowCount());
    }
}
BENCHMARK(BM_LoadDoneList)->Unit(benchmark::kMillisecond);

// Selecting lines all over the list and painting each time.
void BM_DoneSelectAndScroll(benchmark::State &state)
{
    DoneList lines;
    SilentPrompter prompter;
    frmDone w(lines, folder().path("done.txt"), prompter);
    w.show();
    auto *list = w.findChild<QAbstractItemView *>("lstDone");
    int row = 0;
    for (auto _ : state) {
        row = (row + 7919) % benchdata::DoneLines;
        const QModelIndex index = list->model()->index(row, 0);
        list->setCurrentIndex(index);
        list->scrollTo(index);
        benchmark::DoNotOptimize(list->viewport()->grab()); // a real paint, exposed or not
    }
}
BENCHMARK(BM_DoneSelectAndScroll)->Unit(benchmark::kMicrosecond);

} // namespace
