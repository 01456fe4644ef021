// Opening the done window on a done.txt of 100,000 lines, and moving through it.
#include "lists/donelist.h"
#include "lists/frmdone.h"
#include "text/cp932.h"
#include "ui/prompter.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListView>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int Lines = 100000;

class SilentPrompter : public Prompter {
public:
    void inform(const QString &) override {}
    bool askYesNo(const QString &) override { return false; }
    bool askOkCancel(const QString &) override { return false; }
};

// A program folder whose done.txt has years of finished to-dos.
struct Folder {
    Folder()
    {
        QByteArray bytes;
        for (int i = 0; i < Lines; ++i)
            bytes += cp932::encode(QStringLiteral("2019/%1/%2見積書を送る、会議室を予約する %3\r\n")
                                       .arg(i % 12 + 1).arg(i % 28 + 1).arg(i))
                         .bytes;
        QFile file(QDir(dir.path()).filePath("done.txt"));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write done.txt");
    }
    QTemporaryDir dir;
};

Folder &folder()
{
    static Folder f;
    return f;
}

QString donePath()
{
    return QDir(folder().dir.path()).filePath("done.txt");
}

void BM_LoadDoneList(benchmark::State &state)
{
    const QString path = donePath();
    for (auto _ : state) {
        DoneList list;
        list.loadDone(path);
        benchmark::DoNotOptimize(list.rowCount());
    }
}
BENCHMARK(BM_LoadDoneList)->Unit(benchmark::kMillisecond);

// From the click on the button to a painted window with the newest line selected.
void BM_OpenDoneWindow(benchmark::State &state)
{
    for (auto _ : state) {
        DoneList lines;
        SilentPrompter prompter;
        frmDone w(lines, donePath(), prompter);
        w.show();
        benchmark::DoNotOptimize(w.grab());
        benchmark::DoNotOptimize(w.findChild<QListView *>("lstDone")->currentIndex().row());
    }
}
BENCHMARK(BM_OpenDoneWindow)->Unit(benchmark::kMillisecond);

// Selecting lines all over the list and painting each time.
void BM_SelectAndScroll(benchmark::State &state)
{
    DoneList lines;
    SilentPrompter prompter;
    frmDone w(lines, donePath(), prompter);
    w.show();
    auto *list = w.findChild<QListView *>("lstDone");
    int row = 0;
    for (auto _ : state) {
        row = (row + 7919) % Lines;
        const QModelIndex index = list->model()->index(row, 0);
        list->setCurrentIndex(index);
        list->scrollTo(index);
        benchmark::DoNotOptimize(list->viewport()->grab()); // a real paint, exposed or not
    }
}
BENCHMARK(BM_SelectAndScroll)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qapp(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
