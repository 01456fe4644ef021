// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Starts Kibanu on the program folder given as argument and ends once its main window
// has been painted. With "done" after the folder it then clicks the done button, ends
// once the done window has been painted and prints how long that took.
#include "probe_exit.h"

#include "app/appicon.h"
#include "app/kibanuapp.h"
#include "app/startmarks.h"
#include "board/frmtodo.h"
#include "lists/frmdone.h"
#include "text/clock.h"
#include "ui/deferredicons.h"
#include "ui/messageboxprompter.h"
#include "ui/qttexts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QTranslator>

#include <cstdio>
#include <optional>

int main(int argc, char *argv[])
{
    QApplication qapp(argc, argv);
    startmarks::mark("application made");
    const bool openDone = argc == 3 && qstrcmp(argv[2], "done") == 0;
    // The window icon as the program once set it (before anything is painted) or as it
    // does now (after the first paint); without either, no icon.
    const bool iconNow = argc == 3 && qstrcmp(argv[2], "icon-now") == 0;
    const bool iconLater = argc == 3 && qstrcmp(argv[2], "icon-later") == 0;
    if (argc != 2 && !openDone && !iconNow && !iconLater)
        qFatal("usage: probe_kibanu PROGRAM_FOLDER [done|icon-now|icon-later]");
    if (iconNow)
        appicon::setNow();
    if (iconLater)
        appicon::setAfterFirstPaint();
    qapp.setApplicationName(QStringLiteral("Kibanu"));
    deferredicons::install(); // as the program does
    // Qt's own texts as the program loads them; KIBANU_PROBE_NO_QT_TEXTS=1 measures without.
    std::unique_ptr<QTranslator> qtJapanese;
    if (qEnvironmentVariableIntValue("KIBANU_PROBE_NO_QT_TEXTS") == 0)
        qtJapanese = qttexts::installJapanese();
    qapp.setQuitOnLastWindowClosed(false);
    KibanuApp app(QString::fromLocal8Bit(argv[1]), std::make_unique<SystemClock>(),
                  std::make_unique<MessageBoxPrompter>());
    startmarks::mark("session made");
    const auto board = [&app]() -> QWidget * { return app.todoWindow(); };
    std::optional<ExitOnFirstPaint> exit;
    std::optional<AfterFirstPaint> click;
    QElapsedTimer sinceClick;
    QWidget *doneWindow = nullptr;
    if (!openDone) {
        exit.emplace(board, [] { startmarks::mark("board painted"); });
    } else {
        exit.emplace([&doneWindow] { return doneWindow; },
                     [&sinceClick] {
                         std::fprintf(stderr, "done window painted %.1f ms after the click\n",
                                      sinceClick.nsecsElapsed() / 1e6);
                     });
        click.emplace(board, [&] {
            sinceClick.start();
            app.todoWindow()->findChild<QAbstractButton *>("cmdDone")->click();
            doneWindow = &app.doneWindow();
        });
    }
    app.start();
    return qapp.exec();
}
