// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Session: the data files and their tables, one row each, in the quit's order.
#include "session.h"

#include "text/clock.h"

#include <QFileInfo>
#include <QTimeZone>

namespace {

using Step = FileBinding::Step;

// The text of a file's bytes, as a loader takes it; nothing for bytes it cannot read.
std::optional<QString> textOf(const FileBytes &file)
{
    const TextFileRead read = textFileRead(file);
    return read.status == TextFileRead::Unreadable ? std::nullopt : std::optional(read.text);
}

// One item a line: the shelf, the phone types.
std::optional<QStringList> oneItemALine(const FileBytes &file)
{
    const auto text = textOf(file);
    return text ? std::optional(LineReader(*text).readAll()) : std::nullopt;
}

} // namespace

void Session::bindFiles()
{
    bindBoardFiles();
    // Read last, merged by key at the quit: no table to follow or to save aside.
    FileBinding ini{DataFile::Ini, Step::Settings, 6};
    ini.load = [this] {
        TextFileRead read = m_ini.load(m_files.path(DataFile::Ini));
        m_settings = readSettings(m_ini);
        m_settingsAtStart = m_settings;
        return read;
    };
    ini.save = [this] { return saveSettings(); };
    m_files.bind(ini);
    bindSchedule();
    bindPhoneFiles();
}

void Session::bindBoardFiles()
{
    FileBinding todo{DataFile::Todo, Step::BeforeToday, 1};
    todo.load = [this] { return m_board.loadTodoList(m_files.path(DataFile::Todo)); };
    todo.lines = [this] { return m_board.todoLines(); };
    todo.heldOpen = [this] {
        for (int slot = 0; slot < TodoBoard::SlotCount; ++slot)
            if (m_board.isEditing(slot) || m_board.isDone(slot))
                return true;
        return false;
    };
    todo.reader = [](const FileBytes &file) -> std::optional<QStringList> {
        const auto text = textOf(file);
        if (!text)
            return std::nullopt;
        TodoBoard board;
        board.setTodoText(*text);
        // Lines beyond the slots go to the shelf: a file with them is never as this run has it.
        return board.todoLines() + board.takeLinesBeyondSlots();
    };
    todo.reload = [this](const FileBytes &, const QString &text) {
        m_board.setTodoText(text);
        shelveLinesBeyondSlots();
    };
    m_files.bind(todo);

    FileBinding closet{DataFile::Closet, Step::BeforeToday, 2};
    closet.load = [this] { return m_shelf.loadCloset(m_files.path(DataFile::Closet)); };
    // Once the shelf is as read (and noted, should the file not be writable), it takes the
    // lines of todo.txt that no slot holds.
    closet.afterLoad = [this] { shelveLinesBeyondSlots(); };
    closet.lines = [this] { return m_shelf.stringList(); };
    closet.changedThisRun = [this] { return m_shelf.changedThisRun(); };
    closet.reader = &oneItemALine;
    closet.reload = [this](const FileBytes &, const QString &text) {
        m_shelf.takeLines(LineReader(text).readAll());
    };
    m_files.bind(closet);
}

void Session::bindSchedule()
{
    FileBinding schedule{DataFile::Schedule, Step::BeforeToday, 3};
    schedule.load = [this] {
        return m_schedule.loadSchedule(m_files.path(DataFile::Schedule), m_clock.today());
    };
    schedule.lines = [this] { return m_schedule.fileLines(); };
    schedule.save = [this] { return saveSchedule(); };
    schedule.changedThisRun = [this] { return m_schedule.changedThisRun(); };
    schedule.reader = [this](const FileBytes &file) -> std::optional<QStringList> {
        if (!textOf(file))
            return std::nullopt;
        ScheduleTable table;
        table.reload(file, m_clock.today());
        return table.fileLines();
    };
    schedule.reload = [this](const FileBytes &bytes, const QString &) {
        m_schedule.reload(bytes, m_clock.today());
        m_sync.rebindSchedule(m_schedule, syncedSeries());
    };
    m_files.bind(schedule);
    bindRepeats();
}

// The series: read with the schedule, so the today window has their days too.
void Session::bindRepeats()
{
    FileBinding repeats{DataFile::Repeat, Step::BeforeToday, 4};
    repeats.load = [this] { return m_repeats.load(m_files.path(DataFile::Repeat)); };
    repeats.lines = [this] { return m_repeats.fileLines(); };
    repeats.changedThisRun = [this] { return m_repeats.changedThisRun(); };
    // A folder that never had a series gets no file of them: it stays as 2.0 left it.
    repeats.save = [this] {
        if (m_repeats.count() == 0 && !QFileInfo::exists(m_files.path(DataFile::Repeat)))
            return WriteResult{};
        return m_files.save(DataFile::Repeat, m_repeats.fileLines(), DataFolder::Backup::Yes);
    };
    repeats.reader = [](const FileBytes &file) -> std::optional<QStringList> {
        const auto text = textOf(file);
        if (!text)
            return std::nullopt;
        RepeatTable table;
        table.reload(*text);
        return table.fileLines();
    };
    // The folder's calendar once both are read: its items are appointments and series. A
    // schedule that could not be read is not written: nothing of it goes to the folder.
    repeats.afterLoad = [this] {
        if (m_files.mayWrite(DataFile::Schedule))
            m_sync.mergeSchedule(m_schedule, syncedSeries(), m_clock.today(),
                                 QTimeZone::systemTimeZone());
    };
    repeats.reload = [this](const FileBytes &, const QString &text) {
        m_repeats.reload(text);
        m_sync.rebindSchedule(m_schedule, syncedSeries());
    };
    m_files.bind(repeats);
}

void Session::bindPhoneFiles()
{
    FileBinding tel{DataFile::Tel, Step::AfterToday, 5};
    tel.load = [this] { return m_phoneBook.loadPhoneBook(m_files.path(DataFile::Tel)); };
    tel.afterLoad = [this] {
        if (m_files.mayWrite(DataFile::Tel))
            m_sync.mergePhoneBook(m_phoneBook);
    };
    tel.lines = [this] { return m_phoneBook.fileLines(); };
    tel.changedThisRun = [this] { return m_phoneBook.changedThisRun(); };
    tel.reader = [](const FileBytes &file) -> std::optional<QStringList> {
        if (!textOf(file))
            return std::nullopt;
        PhoneBook book;
        book.reload(file);
        return book.fileLines();
    };
    tel.reload = [this](const FileBytes &bytes, const QString &) {
        m_phoneBook.reload(bytes);
        m_sync.rebindPhoneBook(m_phoneBook);
    };
    m_files.bind(tel);

    FileBinding type{DataFile::Type, Step::AfterToday, 4};
    type.load = [this] { return m_phoneTypes.loadPhoneTypes(m_files.path(DataFile::Type)); };
    type.lines = [this] { return m_phoneTypes.stringList(); };
    type.reader = &oneItemALine;
    type.reload = [this](const FileBytes &, const QString &text) {
        m_phoneTypes.setStringList(LineReader(text).readAll());
    };
    m_files.bind(type);
}
