// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "kibanuapp.h"

#include "appwindows.h"
#include "board/frmtodo.h"
#include "filereports.h"
#include "folderwatch.h"
#include "interchangeactions.h"
#include "phonebook/frmtel.h"
#include "reminding.h"
#include "schedule/frmday.h"
#include "session.h"
#include "shell/dlgsync.h"
#include "shell/frmhelp.h"
#include "shell/frmstartup.h"
#include "store/backups.h"
#include "store/loginstart.h"
#include "synccommand.h"
#include "trayicon.h"
#include "text/clock.h"
#include "ui/prompter.h"
#include "ui/windows.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QKeyEvent>
#include <QUrl>

KibanuApp::KibanuApp(const QString &dataFolder, std::unique_ptr<Clock> clock,
                     std::unique_ptr<Prompter> prompter)
    : m_dataFolder(dataFolder), m_clock(std::move(clock)), m_prompter(std::move(prompter)),
      m_session(std::make_unique<Session>(dataFolder, *m_clock)),
      m_reports(std::make_unique<FileReports>(*m_session, *m_prompter)),
      m_windows(std::make_unique<AppWindows>(*m_session, *m_clock, *m_prompter)),
      m_loginStart(std::make_unique<LoginStart>(LoginStart::forThisProgram())),
      m_syncLimitMs(synccommand::TimeLimitMs), m_platformTellsPlace(windows::platformTellsPlace())
{
    QCoreApplication::instance()->installEventFilter(this);
}

KibanuApp::~KibanuApp() = default;

frmTodo *KibanuApp::todoWindow() { return m_windows->board(); }
frmSchedule &KibanuApp::scheduleWindow() { return m_windows->scheduleWindow(); }
frmTel &KibanuApp::telWindow() { return m_windows->telWindow(); }
frmDone &KibanuApp::doneWindow() { return m_windows->doneWindow(); }
frmTrash &KibanuApp::trashWindow() { return m_windows->trashWindow(); }
frmTypeEdit &KibanuApp::typeEditWindow() { return m_windows->typeEditWindow(); }
frmToday &KibanuApp::todayWindow() { return m_windows->todayWindow(); }
frmADDphone &KibanuApp::addPhoneDialog() { return m_windows->addPhoneDialog(); }
frmHelp *KibanuApp::helpWindow() { return m_windows->madeHelpWindow(); }
dlgSync *KibanuApp::syncDialog() { return m_windows->madeSyncDialog(); }
frmAbout *KibanuApp::aboutWindow() { return m_windows->aboutWindow(); }

frmTomorrow &KibanuApp::tomorrowWindow()
{
    frmTomorrow &window = m_windows->tomorrowWindow();
    connect(&window, &frmDay::closed, this, &KibanuApp::end, Qt::UniqueConnection);
    return window;
}

void KibanuApp::showAbout()
{
    m_windows->showAbout();
}

void KibanuApp::connectBoardRequests(frmTodo &board)
{
    connect(&board, &frmTodo::quitRequested, this, &KibanuApp::quitWithSaving);
    connect(&board, &frmTodo::closeBoxClicked, this, &KibanuApp::closeBox);
    board.setLoginStart(m_loginStart.get());
    connect(&board, &frmTodo::quitWithoutSavingRequested, this, &KibanuApp::quitWithoutSaving);
    connect(&board, &frmTodo::editFileRequested, this, &KibanuApp::editInExternalEditor);
    connect(&board, &frmTodo::backupFolderRequested, this, &KibanuApp::openBackupFolder);
    connect(&board, &frmTodo::interchangeRequested, this, &KibanuApp::exchange);
    connect(&board, &frmTodo::syncSettingsRequested, this, &KibanuApp::showSyncSettings);
    connect(&board, &frmTodo::helpRequested, this, [this, &board] { showHelp(board.objectName()); });
}

void KibanuApp::showSyncSettings()
{
    const Settings &settings = m_session->settings();
    m_windows->syncDialog().showWith(settings.syncFolder, settings.syncCommand);
}

void KibanuApp::exchange(Interchange what)
{
    if (!m_interchange)
        m_interchange = std::make_unique<InterchangeActions>(*m_session, *m_prompter, *m_clock);
    m_interchange->run(what);
}

void KibanuApp::openBackupFolder()
{
    const QString folder = backups::folderPath(m_dataFolder);
    // Made when missing, so the file manager has something to show before the first quit.
    if (!QDir().mkpath(folder) || !QDesktopServices::openUrl(QUrl::fromLocalFile(folder)))
        m_prompter->inform(QStringLiteral("バックアップのフォルダを開けませんでした。\n%1")
                               .arg(QDir::toNativeSeparators(folder)));
}

void KibanuApp::showHelp(const QString &anchor)
{
    const QString path = m_helpFile.isEmpty()
                             ? QDir(m_dataFolder).filePath(QStringLiteral("Kibanu.hlp"))
                             : m_helpFile;
    if (!m_windows->helpWindow().showHelp(path, anchor))
        m_prompter->inform(QStringLiteral("ヘルプファイルを開けませんでした。\n%1")
                               .arg(QDir::toNativeSeparators(path)));
}

bool KibanuApp::eventFilter(QObject *watched, QEvent *event)
{
    // F1 in any of the program's windows opens the help where that window is described.
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_F1
        && watched->isWidgetType()) {
        const QWidget *window = static_cast<QWidget *>(watched)->window();
        showHelp(window->objectName());
        return true;
    }
    return QObject::eventFilter(watched, event);
}
