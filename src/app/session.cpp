// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "session.h"

#include "text/clock.h"
#include "text/jdate.h"

#include <functional>

Session::Session(const QString &programFolder, const Clock &clock)
    : m_files(programFolder), m_clock(clock)
{
}

void Session::loadThroughSchedule()
{
    m_files.noteRead(DataFile::Todo, m_board.loadTodoList(m_files.path(DataFile::Todo)));
    m_files.noteRead(DataFile::Closet, m_shelf.loadCloset(m_files.path(DataFile::Closet)));
    m_files.noteRead(DataFile::Schedule,
                     m_schedule.loadSchedule(m_files.path(DataFile::Schedule), m_clock.today()));
}

void Session::loadPhoneFiles()
{
    m_files.noteRead(DataFile::Type, m_phoneTypes.loadPhoneTypes(m_files.path(DataFile::Type)));
    m_files.noteRead(DataFile::Tel, m_phoneBook.loadPhoneBook(m_files.path(DataFile::Tel)));
}

void Session::readAhead()
{
    m_schedule.readAhead(m_files.path(DataFile::Schedule), m_clock.today());
    m_phoneBook.readAhead(m_files.path(DataFile::Tel));
}

void Session::loadSettings()
{
    m_files.noteRead(DataFile::Ini, m_ini.load(m_files.path(DataFile::Ini)));
    m_settings = readSettings(m_ini);
}

Session::QuitResult Session::quitWithSaving(bool windowNormal)
{
    if (m_ended)
        return {};
    const QuitResult result = save(windowNormal, std::nullopt);
    m_ended = result.ok;
    return result;
}

Session::QuitResult Session::saveForEditor(DataFile handedOver, bool windowNormal)
{
    if (m_ended)
        return {};
    return save(windowNormal,
                changedThisRun(handedOver) ? std::nullopt : std::optional(handedOver));
}

bool Session::changedThisRun(DataFile file) const
{
    switch (file) {
    case DataFile::Closet: return m_shelf.changedThisRun();
    case DataFile::Schedule: return m_schedule.changedThisRun();
    case DataFile::Tel: return m_phoneBook.changedThisRun();
    // done.txt is no writer's: it only gains lines, and this run's go in before the editor.
    default: return true;
    }
}

Session::QuitResult Session::save(bool windowNormal, std::optional<DataFile> leftAlone)
{
    const QDate today = m_clock.today();
    const QString donePath = m_files.path(DataFile::Done);
    // Appending never harms what done.txt already holds, so the commit always runs.
    if (const WriteResult done = m_board.commitForQuit(jdate::shortDate(today), donePath); !done.ok)
        return {false, DataFile::Done, done.error};
    DataFile failing = DataFile::Done;
    using Writer = std::function<WriteResult(const QString &path)>;
    const std::pair<DataFile, Writer> writers[] = {
        {DataFile::Todo, [&](const QString &path) { return m_board.writeTodoList(path); }},
        {DataFile::Closet, [&](const QString &path) { return m_shelf.writeCloset(path); }},
        {DataFile::Ini,
         [&](const QString &path) {
             writeSettings(m_ini, m_settings, windowNormal);
             return m_ini.save(path);
         }},
        {DataFile::Schedule,
         [&](const QString &path) {
             // The past entries go to done.txt first: a failure there is done.txt's.
             if (const WriteResult handed = m_schedule.handPastToDone(donePath, today);
                 !handed.ok) {
                 failing = DataFile::Done;
                 return handed;
             }
             return m_schedule.writeUpcoming(path, today);
         }},
        {DataFile::Tel, [&](const QString &path) { return m_phoneBook.writePhoneBook(path); }},
        {DataFile::Type, [&](const QString &path) { return m_phoneTypes.writePhoneTypes(path); }},
    };
    for (const auto &[file, write] : writers) {
        if (!m_files.mayWrite(file) || file == leftAlone)
            continue;
        failing = file;
        const WriteResult written = write(m_files.path(file));
        if (!written.ok)
            return {false, failing, written.error};
    }
    return {};
}
