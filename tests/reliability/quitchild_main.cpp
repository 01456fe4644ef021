// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program on a program folder, as the killed-quit test runs it in a child process:
//   quitchild FOLDER work N start|written [retry FILE]
//       a day's work, then a quit with saving that is killed at the nth file operation
//       (0: never); after a failed quit, FILE is deleted (room is made) and it quits again
//   quitchild FOLDER plain
//       start and quit with saving, nothing else
// Every message the program shows is printed; the exit code is 0 once the program ended.
#include "app/kibanuapp.h"
#include "app/session.h"
#include "board/frmtodo.h"
#include "common/fakes.h"
#include "text/fileops.h"

#include <QApplication>
#include <QDir>
#include <QFile>

#include <csignal>
#include <cstdio>

namespace {

class PrintingPrompter : public Prompter {
public:
    void inform(const QString &text) override { print(text); }
    bool askYesNo(const QString &text) override { return print(text); }
    bool askOkCancel(const QString &text) override { return print(text); }
    Answer askYesNoCancel(const QString &text) override
    {
        print(text);
        return Answer::Cancel;
    }
    std::optional<int> askNumber(const QString &text, int value, int, int) override
    {
        print(text);
        return value;
    }
    std::optional<QString> askText(const QString &text, const QString &) override
    {
        print(text);
        return std::nullopt;
    }
    QString askFileName(FileUse, const QString &title, const QString &, const QString &) override
    {
        print(title);
        return {};
    }

private:
    static bool print(const QString &text)
    {
        std::printf("message: %s\n", qPrintable(QString(text).replace('\n', ' ')));
        std::fflush(stdout);
        return true;
    }
};

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qapp(argc, argv);
    qapp.setQuitOnLastWindowClosed(false);
    const QStringList args = qapp.arguments();
    if (args.size() < 3)
        return 64;
    const bool work = args.at(2) == QLatin1String("work");
    const int killAt = work && args.size() > 3 ? args.at(3).toInt() : 0;
    const auto killStage = args.size() > 4 && args.at(4) == QLatin1String("written")
                               ? fileops::Stage::Written
                               : fileops::Stage::Start;

    KibanuApp app(args.at(1),
                  std::make_unique<FakeClock>(QDateTime(QDate(2026, 12, 7), QTime(9, 0))),
                  std::make_unique<PrintingPrompter>());
    app.setSkipStartup(true);
    app.start();
    if (work) {
        TodoBoard &board = app.session().board();
        board.setText(13, QStringLiteral("見積書を送る"));
        board.setDone(0, true);
        app.session().shelf().append(QStringLiteral("棚に上げた用事"));
    }
    int operations = 0;
    fileops::setInjector([&](fileops::Op, fileops::Stage stage, const QString &) {
        if (stage == fileops::Stage::Start)
            ++operations;
        if (operations == killAt && stage == killStage)
            std::raise(SIGKILL);
        return std::optional<fileops::Fault>();
    });
    app.quitWithSaving();
    if (!app.session().hasEnded() && args.size() > 6 && args.at(5) == QLatin1String("retry")) {
        QFile::remove(QDir(args.at(1)).filePath(args.at(6)));
        app.quitWithSaving();
    }
    std::printf("operations: %d\n", operations);
    return app.session().hasEnded() ? 0 : 2;
}
