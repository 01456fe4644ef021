// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "appicon.h"
#include "datahome.h"
#include "kibanuapp.h"
#include "singlerun.h"
#include "termination.h"
#include "text/clock.h"
#include "ui/deferredicons.h"
#include "ui/messageboxprompter.h"
#include "ui/qttexts.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication qapp(argc, argv);
    qapp.setApplicationName(QStringLiteral("Kibanu"));
    // The desktop entry's name, so the desktop shows the entry's icon for the windows too.
    qapp.setDesktopFileName(QStringLiteral("kibanu"));
    // Before any window: Qt's own texts are taken when a dialog is made.
    const auto qtJapanese = qttexts::installJapanese();
    appicon::setAfterFirstPaint();
    deferredicons::install();
    // Only the quit sequence ends the program.
    qapp.setQuitOnLastWindowClosed(false);
    const QString programFolder = QCoreApplication::applicationDirPath();
    const datahome::Choice data = datahome::choose(
        programFolder, QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    if (!data.error.isEmpty()) {
        MessageBoxPrompter().inform(data.error);
        return 1;
    }
    // One board per data folder: before anything is read, a later start hands over to
    // the run that holds the folder. It holds it until this function returns.
    SingleRun singleRun(data.folder);
    switch (singleRun.claim()) {
    case SingleRun::Outcome::Forwarded: return 0;
    case SingleRun::Outcome::StillQuitting:
        MessageBoxPrompter().inform(SingleRun::stillQuittingMessage());
        return 1;
    case SingleRun::Outcome::First:
    case SingleRun::Outcome::Unguarded: break;
    }
    // Only the run that holds the folder may fill it.
    if (const datahome::Carried carried = datahome::carryOver(programFolder, data.folder);
        !carried.error.isEmpty() || !carried.notice.isEmpty()) {
        MessageBoxPrompter().inform(carried.error.isEmpty() ? carried.notice : carried.error);
        if (!carried.error.isEmpty())
            return 1; // an empty board over the user's data would be worse
    }
    KibanuApp app(data.folder, std::make_unique<SystemClock>(), std::make_unique<MessageBoxPrompter>());
    app.setHelpFile(datahome::helpFile(programFolder));
    QObject::connect(&singleRun, &SingleRun::comeForward, &app, &KibanuApp::bringForward);
    app.setQuittingHook([&singleRun] { singleRun.setQuitting(); });
    // A logout, a shutdown or kill saves as the quit does instead of losing the run.
    Termination termination;
    QObject::connect(&termination, &Termination::requested, &app, &KibanuApp::quitAsTheSystemAsks);
    app.start();
    return qapp.exec();
}
