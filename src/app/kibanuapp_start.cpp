// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// KibanuApp: the start, from the sync command to the board and the start's reports.
#include "kibanuapp.h"

#include "appwindows.h"
#include "board/frmtodo.h"
#include "desktopnotifier.h"
#include "filereports.h"
#include "folderwatch.h"
#include "phonebook/frmtel.h"
#include "phonebook/frmtypeedit.h"
#include "reminding.h"
#include "schedule/frmday.h"
#include "schedule/frmschedule.h"
#include "session.h"
#include "startmarks.h"
#include "shell/frmstartup.h"
#include "synccommand.h"
#include "text/clock.h"
#include "ui/firstpaint.h"
#include "ui/prompter.h"
#include "ui/windows.h"

#include <QApplication>
#include <QUndoStack>

void KibanuApp::start()
{
    // The sync command first: what it brings from the servers is what the loaders read.
    m_syncCommand = m_session->readSyncSettings();
    startmarks::mark("sync settings read");
    runSyncCommand();
    m_session->readAhead();
    startmarks::mark("read ahead started");
    frmTodo &board = m_windows->makeBoard();
    connectBoardRequests(board);
    startmarks::mark("board made");
    board.Form_Load();
    startmarks::mark("board loaded");
    m_session->loadThroughSchedule();
    startmarks::mark("todo, closet, schedule read");
    // The schedule loader ends with today's appointments; the start waits for their window.
    // The window only exists for a day with appointments: the first window needs no other.
    const QDate today = m_clock->today();
    const QStringList lines = m_session->dayLines(today);
    if (!lines.isEmpty() && todayWindow().showLines(lines))
        connect(&todayWindow(), &frmDay::closed, this, &KibanuApp::continueStart,
                Qt::SingleShotConnection);
    else
        continueStart();
}

void KibanuApp::continueStart()
{
    frmTodo &board = *m_windows->board();
    board.showLoaded();
    startmarks::mark("slots shown");
    m_session->loadSettings();
    startmarks::mark("pim.ini read");
    firstpaint::then(this, [this] { finishStart(); });
    const Settings &settings = m_session->settings();
    board.placeWindow(settings.left, settings.top, settings.width);
    board.showOptions();
    startmarks::mark("board placed");
    if (m_skipStartup || settings.board.skipStartup) {
        showBoard();
        return;
    }
    // Shown only now, so it never stands over the modal today window.
    m_startupWindow = std::make_unique<frmStartup>();
    connect(m_startupWindow.get(), &frmStartup::boardRequested, this, [this] {
        showBoard();
        m_startupWindow.release()->deleteLater(); // it is still in its close event
    });
    windows::showModeless(*m_startupWindow);
}

void KibanuApp::finishStart()
{
    if (m_ended || m_session->hasEnded())
        return;
    // What the first sight of a window does not need comes right after it: the phone
    // book's files, the folder's watch, the reminders with the session bus and their first
    // look over the schedule, and then the start's reports.
    m_session->loadPhoneFiles();
    startmarks::mark("type, tel read");
    m_reports->followBarredTables();
    watchFolder();
    startReminders();
    followTray();
    m_startFinished = true;
    startmarks::mark("start finished");
    if (m_windows->board()->isVisible())
        m_reports->atStart();
}

void KibanuApp::showBoard()
{
    windows::showModeless(*m_windows->board());
    m_boardShown = true;
    startmarks::mark("board shown");
    // Behind the start-up window, the start finished before: its reports come with the
    // board. Else they follow the board's first paint.
    if (m_startFinished)
        m_reports->atStart();
}

void KibanuApp::runSyncCommand()
{
    if (m_syncCommand.isEmpty())
        return;
    const synccommand::Result result = synccommand::run(m_syncCommand, m_dataFolder, m_syncLimitMs);
    if (!result.ok)
        m_prompter->inform(result.failure + QStringLiteral("\n\n手元のファイルのまま続けます。"));
}

void KibanuApp::watchFolder()
{
    m_watch = std::make_unique<FolderWatch>(*m_session, [this] {
        // Not under a dialog, a drag or an edit in place: their rows would go away.
        return !QApplication::activeModalWidget()
               && QGuiApplication::mouseButtons() == Qt::NoButton
               && !(m_windows->madeTelWindow() && m_windows->madeTelWindow()->isBusy())
               // The type editor works on a copy that its OK puts back.
               && !(m_windows->madeTypeEditWindow() && m_windows->madeTypeEditWindow()->isVisible());
    });
    // A file read again is not what the history's steps were made on.
    connect(m_watch.get(), &FolderWatch::reloaded, this, [this] { m_windows->history().clear(); });
    // Told after the look over every file, not in the middle of it.
    connect(m_watch.get(), &FolderWatch::reloaded, this, [this](DataFile file) {
        if (file == DataFile::Todo)
            m_reports->movedToShelf();
    }, Qt::QueuedConnection);
}

void KibanuApp::setNotificationBus(std::optional<QDBusConnection> bus)
{
    m_busChosen = true;
    m_notificationBus = std::move(bus);
}

void KibanuApp::startReminders()
{
    m_reminding = std::make_unique<Reminding>(
        m_session->schedule(), *m_clock,
        m_busChosen ? m_notificationBus : DesktopNotifier::sessionBus());
    m_reminding->followSeries(m_session->repeats());
    connect(m_reminding.get(), &Reminding::dayChanged, this, [this] {
        m_windows->board()->showToday();
        // A date without a year means another day from New Year's Day on.
        m_session->schedule().relist(m_clock->today());
        if (frmSchedule *schedule = m_windows->madeScheduleWindow())
            schedule->Form_Load();
    });
    connect(m_reminding.get(), &Reminding::openRequested, this, [this](int pos) {
        m_windows->board()->cmdSchedule_Click();
        m_windows->scheduleWindow().selectEntry(pos);
    });
    connect(m_reminding.get(), &Reminding::seriesOpenRequested, this, [this](int row) {
        m_windows->board()->cmdSchedule_Click();
        m_windows->scheduleWindow().selectSeries(row);
    });
    const BoardOptions &options = m_session->settings().board;
    connect(m_windows->board(), &frmTodo::remindersChanged, this, [this, &options] {
        m_reminding->setOptions(options.notify, options.notifyBefore);
    });
    m_reminding->setOptions(options.notify, options.notifyBefore);
}
