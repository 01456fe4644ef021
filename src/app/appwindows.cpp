// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "appwindows.h"

#include "board/boardsteps.h"
#include "board/frmtodo.h"
#include "lists/frmdone.h"
#include "lists/frmtrash.h"
#include "phonebook/frmaddphone.h"
#include "phonebook/frmtel.h"
#include "phonebook/frmtypeedit.h"
#include "schedule/frmday.h"
#include "schedule/frmschedule.h"
#include "schedule/schedulestep.h"
#include "search/frmsearch.h"
#include "search/readings.h"
#include "session.h"
#include "shell/dlgsync.h"
#include "shell/frmabout.h"
#include "shell/frmhelp.h"
#include "text/clock.h"
#include "text/jdate.h"
#include "ui/historyactions.h"
#include "ui/prompter.h"
#include "ui/windows.h"

#include <QIcon>
#include <QThread>
#include <QUndoStack>

AppWindows::AppWindows(Session &session, const Clock &clock, Prompter &prompter)
    : m_session(session), m_clock(clock), m_prompter(prompter),
      m_history(std::make_unique<QUndoStack>())
{
}

AppWindows::~AppWindows()
{
    if (m_readingsLoad)
        m_readingsLoad->wait(); // it writes m_readings
}

frmTodo &AppWindows::makeBoard()
{
    m_todo = std::make_unique<frmTodo>(m_session.board(), m_session.shelf(),
                                       m_session.settings().board, m_session.files(), m_clock,
                                       m_prompter);
    connectBoard();
    m_todo->setHistory(m_history.get());
    return *m_todo;
}

void AppWindows::connectBoard()
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
    connect(m_todo.get(), &frmTodo::typeEditRequested, this, [this] {
        windows::showModeless(typeEditWindow());
        typeEditWindow().open();
    });
    connect(m_todo.get(), &frmTodo::aboutRequested, this, &AppWindows::showAbout);
    connect(m_todo.get(), &frmTodo::searchRequested, this, &AppWindows::showSearch);
    connect(m_todo.get(), &frmTodo::printRequested, this, &AppWindows::print);
    connect(m_todo.get(), &frmTodo::scheduleEntryOffered, this, &AppWindows::takeAppointment);
    connect(m_todo.get(), &frmTodo::naturalDatesChanged, this, [this](bool on) {
        if (m_schedule)
            m_schedule->setNaturalDates(on);
    });
    connect(m_todo.get(), &frmTodo::phoneEntryOffered, this,
            [this](int slot, const QString &text, const QString &index, const QString &name,
                   const QStringList &numbers, const QString &keys) {
                telWindow().addFromTodo(slot, text, index, name, numbers, keys);
            });
}

void AppWindows::takeAppointment(int slot, const QString &text, const QString &date,
                                 const QString &time, const QString &event)
{
    // Into the table itself: the schedule window, if open, follows it. A full schedule
    // refuses the entry: the to-do stays.
    const QDate today = m_clock.today();
    TodoBoard &board = m_session.board();
    const BoardState before = boardState(board, m_session.shelf());
    const auto pos = m_session.schedule().add(jdate::dateForNewEntry(date, today), time, event, today);
    if (!pos) {
        m_prompter.inform(frmSchedule::fullMessage());
        return;
    }
    board.takeText(slot, text);
    // The slot and the appointment, undone as one.
    const QString name = QStringLiteral("予定表への移動");
    auto *group = new StepGroup(name, m_prompter);
    new BoardStep(name, board, m_session.shelf(), before, boardState(board, m_session.shelf()),
                  m_prompter, group);
    new ScheduleStep(name, m_session.schedule(), std::nullopt, m_session.schedule().at(*pos), today,
                     m_prompter, group);
    m_history->push(group);
}

frmSchedule &AppWindows::scheduleWindow()
{
    if (!m_schedule) {
        m_schedule = std::make_unique<frmSchedule>(m_session.schedule(), m_session.repeats(), m_session.files(),
                                                   m_clock, m_prompter);
        windows::belongTo(*m_schedule, m_todo.get());
        m_schedule->setNaturalDates(m_session.settings().board.naturalDates);
        m_schedule->setHistory(m_history.get());
    }
    return *m_schedule;
}

frmTel &AppWindows::telWindow()
{
    if (m_tel)
        return *m_tel;
    m_tel = std::make_unique<frmTel>(m_session.phoneBook(), m_session.phoneTypes(), m_prompter);
    windows::belongTo(*m_tel, m_todo.get());
    m_tel->setHistory(m_history.get());
    connect(m_tel.get(), &frmTel::todoFiled, this, [this](int slot, const QString &text) {
        TodoBoard &board = m_session.board();
        const BoardState before = boardState(board, m_session.shelf());
        if (board.takeText(slot, text) && m_tel->filingStep())
            new BoardStep(QStringLiteral("用件の移動"), board, m_session.shelf(), before,
                          boardState(board, m_session.shelf()), m_prompter, m_tel->filingStep());
    });
    return *m_tel;
}

frmADDphone &AppWindows::addPhoneDialog()
{
    return telWindow().addDialog();
}

frmTypeEdit &AppWindows::typeEditWindow()
{
    if (!m_typeEdit) {
        m_typeEdit = std::make_unique<frmTypeEdit>(m_session.phoneTypes(), m_prompter);
        windows::belongTo(*m_typeEdit, m_todo.get());
        m_typeEdit->setHistory(m_history.get());
    }
    return *m_typeEdit;
}

frmDone &AppWindows::doneWindow()
{
    if (!m_done) {
        m_done = std::make_unique<frmDone>(m_session.doneList(),
                                           m_session.files().path(DataFile::Done), m_prompter);
        windows::belongTo(*m_done, m_todo.get());
    }
    return *m_done;
}

frmTrash &AppWindows::trashWindow()
{
    if (m_trash)
        return *m_trash;
    m_trash = std::make_unique<frmTrash>(m_session.shelf(), m_session.files(), m_prompter);
    windows::belongTo(*m_trash, m_todo.get());
    TodoBoard &board = m_session.board();
    // The board's recorder: its steps are of the slots and the shelf together.
    const auto record = [this](const QString &name, const std::function<void()> &change) {
        if (m_todo)
            m_todo->record(name, change);
        else
            change();
    };
    m_trash->setRecorder(record);
    (void)historyactions::make(*m_history, m_trash.get());
    connect(m_trash.get(), &frmTrash::shelveTodoRequested, this, [this, record, &board](int slot) {
        record(QStringLiteral("たな上げへの移動"), [&] { board.shelve(slot, m_session.shelf()); });
    });
    connect(m_trash.get(), &frmTrash::discardTodoRequested, this, [record, &board](int slot) {
        record(QStringLiteral("用件を捨てる"), [&] { board.discard(slot); });
    });
    return *m_trash;
}

frmToday &AppWindows::todayWindow()
{
    if (!m_today)
        m_today = std::make_unique<frmToday>();
    return *m_today;
}

frmTomorrow &AppWindows::tomorrowWindow()
{
    if (!m_tomorrow)
        m_tomorrow = std::make_unique<frmTomorrow>();
    return *m_tomorrow;
}

frmHelp &AppWindows::helpWindow()
{
    if (!m_help)
        m_help = std::make_unique<frmHelp>();
    return *m_help;
}

dlgSync &AppWindows::syncDialog()
{
    if (m_sync)
        return *m_sync;
    m_sync = std::make_unique<dlgSync>(m_prompter, [](const QString &f) { return syncFolderPath(f); });
    windows::belongTo(*m_sync, m_todo.get());
    connect(m_sync.get(), &dlgSync::chosen, this, [this](const QString &folder, const QString &command) {
        Settings &settings = m_session.settings();
        settings.syncFolder = folder;
        settings.syncCommand = command;
    });
    return *m_sync;
}

void AppWindows::showAbout()
{
    if (!m_about) {
        m_about = std::make_unique<frmAbout>();
        // Once: a late close request to the old window must not unload a new one.
        connect(m_about.get(), &frmAbout::unloaded, this,
                [this] { m_about.release()->deleteLater(); }, Qt::SingleShotConnection);
    }
    windows::showModeless(*m_about);
}
