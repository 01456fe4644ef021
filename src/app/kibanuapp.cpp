// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "kibanuapp.h"

#include "board/frmtodo.h"
#include "lists/frmdone.h"
#include "lists/frmtrash.h"
#include "phonebook/frmaddphone.h"
#include "phonebook/frmtel.h"
#include "phonebook/frmtypeedit.h"
#include "schedule/frmday.h"
#include "schedule/frmschedule.h"
#include "desktopnotifier.h"
#include "filereports.h"
#include "folderwatch.h"
#include "interchangeactions.h"
#include "reminding.h"
#include "session.h"
#include "shell/frmhelp.h"
#include "shell/frmabout.h"
#include "shell/frmstartup.h"
#include "shell/dlgsync.h"
#include "synccommand.h"
#include "text/clock.h"
#include "text/jdate.h"
#include "ui/prompter.h"
#include "ui/windows.h"

#include "store/backups.h"

#include <QApplication>
#include <QDesktopServices>
#include <QUrl>
#include <QDir>
#include <QKeyEvent>
#include <QIcon>

KibanuApp::KibanuApp(const QString &dataFolder, std::unique_ptr<Clock> clock,
                     std::unique_ptr<Prompter> prompter)
    : m_dataFolder(dataFolder), m_clock(std::move(clock)), m_prompter(std::move(prompter)),
      m_session(std::make_unique<Session>(dataFolder, *m_clock)),
      m_reports(std::make_unique<FileReports>(*m_session, *m_prompter)),
      m_syncLimitMs(synccommand::TimeLimitMs), m_platformTellsPlace(windows::platformTellsPlace())
{
    QCoreApplication::instance()->installEventFilter(this);
}

KibanuApp::~KibanuApp() = default;

frmToday &KibanuApp::todayWindow()
{
    if (!m_todayWindow)
        m_todayWindow = std::make_unique<frmToday>();
    return *m_todayWindow;
}

void KibanuApp::showAbout()
{
    if (!m_aboutWindow) {
        m_aboutWindow = std::make_unique<frmAbout>();
        // Once: a late close request to the old window must not unload a new one.
        connect(m_aboutWindow.get(), &frmAbout::unloaded, this,
                [this] { m_aboutWindow.release()->deleteLater(); }, Qt::SingleShotConnection);
    }
    windows::showModeless(*m_aboutWindow);
}

frmTomorrow &KibanuApp::tomorrowWindow()
{
    if (!m_tomorrowWindow) {
        m_tomorrowWindow = std::make_unique<frmTomorrow>();
        connect(m_tomorrowWindow.get(), &frmDay::closed, this, &KibanuApp::end);
    }
    return *m_tomorrowWindow;
}

void KibanuApp::connectBoard()
{
    connect(m_todo.get(), &frmTodo::scheduleWindowRequested, this, [this](const QIcon &icon) {
        windows::showModeless(scheduleWindow());
        scheduleWindow().setWindowIcon(icon);
    });
    connect(m_todo.get(), &frmTodo::telWindowRequested, this,
            [this] { windows::showModeless(telWindow()); });
    connect(m_todo.get(), &frmTodo::doneWindowRequested, this,
            [this] { windows::showModeless(doneWindow()); });
    connect(m_todo.get(), &frmTodo::trashWindowRequested, this,
            [this] { windows::showModeless(trashWindow()); });
    connect(m_todo.get(), &frmTodo::quitRequested, this, &KibanuApp::quitWithSaving);
    connect(m_todo.get(), &frmTodo::quitWithoutSavingRequested, this,
            &KibanuApp::quitWithoutSaving);
    connect(m_todo.get(), &frmTodo::editFileRequested, this, &KibanuApp::editInExternalEditor);
    connect(m_todo.get(), &frmTodo::typeEditRequested, this, [this] {
        windows::showModeless(typeEditWindow());
        typeEditWindow().open();
    });
    connect(m_todo.get(), &frmTodo::aboutRequested, this, &KibanuApp::showAbout);
    connect(m_todo.get(), &frmTodo::backupFolderRequested, this, &KibanuApp::openBackupFolder);
    connect(m_todo.get(), &frmTodo::interchangeRequested, this, &KibanuApp::exchange);
    connect(m_todo.get(), &frmTodo::syncSettingsRequested, this, &KibanuApp::showSyncSettings);
    connect(m_todo.get(), &frmTodo::helpRequested, this,
            [this] { showHelp(m_todo->objectName()); });
    connect(m_todo.get(), &frmTodo::scheduleEntryOffered, this,
            [this](int slot, const QString &text, const QString &date, const QString &time,
                   const QString &event) {
                // Into the table itself: the schedule window, if open, follows it. A full
                // schedule refuses the entry: the to-do stays.
                const QDate today = m_clock->today();
                if (m_session->schedule().add(jdate::dateForNewEntry(date, today), time, event, today))
                    m_session->board().takeText(slot, text);
                else
                    m_prompter->inform(frmSchedule::fullMessage());
            });
    connect(m_todo.get(), &frmTodo::phoneEntryOffered, this,
            [this](int slot, const QString &text, const QString &index, const QString &name,
                   const QStringList &numbers, const QString &keys) {
                telWindow().addFromTodo(slot, text, index, name, numbers, keys);
            });
}

frmSchedule &KibanuApp::scheduleWindow()
{
    if (!m_scheduleWindow) {
        m_scheduleWindow = std::make_unique<frmSchedule>(
            m_session->schedule(), m_session->files(), *m_clock, *m_prompter);
        windows::belongTo(*m_scheduleWindow, m_todo.get());
    }
    return *m_scheduleWindow;
}

frmTel &KibanuApp::telWindow()
{
    if (m_telWindow)
        return *m_telWindow;
    m_telWindow = std::make_unique<frmTel>(m_session->phoneBook(), m_session->phoneTypes(),
                                           *m_prompter);
    windows::belongTo(*m_telWindow, m_todo.get());
    TodoBoard &board = m_session->board();
    connect(m_telWindow.get(), &frmTel::todoFiled, this,
            [&board](int slot, const QString &text) { board.takeText(slot, text); });
    return *m_telWindow;
}

frmADDphone &KibanuApp::addPhoneDialog()
{
    return telWindow().addDialog();
}

frmTypeEdit &KibanuApp::typeEditWindow()
{
    if (!m_typeEditWindow) {
        m_typeEditWindow = std::make_unique<frmTypeEdit>(m_session->phoneTypes(), *m_prompter);
        windows::belongTo(*m_typeEditWindow, m_todo.get());
    }
    return *m_typeEditWindow;
}

frmDone &KibanuApp::doneWindow()
{
    if (!m_doneWindow) {
        m_doneWindow = std::make_unique<frmDone>(
            m_session->doneList(), m_session->files().path(DataFile::Done), *m_prompter);
        windows::belongTo(*m_doneWindow, m_todo.get());
    }
    return *m_doneWindow;
}

frmTrash &KibanuApp::trashWindow()
{
    if (m_trashWindow)
        return *m_trashWindow;
    m_trashWindow =
        std::make_unique<frmTrash>(m_session->shelf(), m_session->files(), *m_prompter);
    windows::belongTo(*m_trashWindow, m_todo.get());
    TodoBoard &board = m_session->board();
    connect(m_trashWindow.get(), &frmTrash::shelveTodoRequested, this,
            [this, &board](int slot) { board.shelve(slot, m_session->shelf()); });
    connect(m_trashWindow.get(), &frmTrash::discardTodoRequested, this,
            [&board](int slot) { board.discard(slot); });
    return *m_trashWindow;
}

void KibanuApp::showSyncSettings()
{
    if (!m_syncDialog) {
        m_syncDialog = std::make_unique<dlgSync>(*m_prompter, [](const QString &f) { return syncFolderPath(f); });
        windows::belongTo(*m_syncDialog, m_todo.get());
        connect(m_syncDialog.get(), &dlgSync::chosen, this,
                [this](const QString &folder, const QString &command) {
                    Settings &settings = m_session->settings();
                    settings.syncFolder = folder;
                    settings.syncCommand = command;
                });
    }
    const Settings &settings = m_session->settings();
    m_syncDialog->showWith(settings.syncFolder, settings.syncCommand);
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
    if (!QDir().mkpath(folder)
        || !QDesktopServices::openUrl(QUrl::fromLocalFile(folder)))
        m_prompter->inform(QStringLiteral("バックアップのフォルダを開けませんでした。\n%1")
                               .arg(QDir::toNativeSeparators(folder)));
}

void KibanuApp::showHelp(const QString &anchor)
{
    if (!m_helpWindow)
        m_helpWindow = std::make_unique<frmHelp>();
    const QString path = m_helpFile.isEmpty()
                             ? QDir(m_dataFolder).filePath(QStringLiteral("Kibanu.hlp"))
                             : m_helpFile;
    if (!m_helpWindow->showHelp(path, anchor))
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
