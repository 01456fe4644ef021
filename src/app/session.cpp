// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "session.h"

#include "text/clock.h"
#include "text/jdate.h"

#include <QTimeZone>


Session::Session(const QString &programFolder, const Clock &clock)
    : m_files(programFolder, clock), m_clock(clock)
{
    setReaders();
}

void Session::loadThroughSchedule()
{
    m_files.noteRead(DataFile::Todo, m_board.loadTodoList(m_files.path(DataFile::Todo)));
    keepStartLinesIfBarred(DataFile::Todo);
    m_files.noteRead(DataFile::Closet, m_shelf.loadCloset(m_files.path(DataFile::Closet)));
    keepStartLinesIfBarred(DataFile::Closet); // before the lines from todo.txt join it
    shelveLinesBeyondSlots();
    m_files.noteRead(DataFile::Schedule,
                     m_schedule.loadSchedule(m_files.path(DataFile::Schedule), m_clock.today()));
    keepStartLinesIfBarred(DataFile::Schedule);
    // A file that could not be read is not written: nothing of it goes to the folder either.
    if (m_files.mayWrite(DataFile::Schedule))
        m_sync.mergeSchedule(m_schedule, m_clock.today(), QTimeZone::systemTimeZone());
}

void Session::loadPhoneFiles()
{
    m_files.noteRead(DataFile::Type, m_phoneTypes.loadPhoneTypes(m_files.path(DataFile::Type)));
    m_files.noteRead(DataFile::Tel, m_phoneBook.loadPhoneBook(m_files.path(DataFile::Tel)));
    keepStartLinesIfBarred(DataFile::Type);
    keepStartLinesIfBarred(DataFile::Tel);
    if (m_files.mayWrite(DataFile::Tel))
        m_sync.mergePhoneBook(m_phoneBook);
}

void Session::shelveLinesBeyondSlots()
{
    const QStringList lines = m_board.takeLinesBeyondSlots();
    // A todo.txt this run may not write keeps them: moved, they would be there twice.
    if (!m_files.mayWrite(DataFile::Todo))
        return;
    for (const QString &line : lines)
        m_shelf.append(line);
    m_movedToShelf += int(lines.size());
}

QString Session::readSyncSettings()
{
    ProfileFile ini;
    if (ini.load(m_files.path(DataFile::Ini)).status != TextFileRead::Ok)
        return {};
    const Settings settings = readSettings(ini);
    m_sync = VdirSync(syncFolderPath(settings.syncFolder, m_files.folder()));
    return settings.syncCommand;
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
    m_settingsAtStart = m_settings;
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

WriteResult Session::saveSettings(bool windowNormal)
{
    // Read again just before: keys another program or a newer version wrote stay.
    ProfileFile now;
    const TextFileRead read = now.load(m_files.path(DataFile::Ini));
    if (read.status == TextFileRead::Unreadable)
        return {false, QStringLiteral("今は読み込めません（%1）").arg(read.error)};
    if (read.status == TextFileRead::Missing)
        now = m_ini; // taken away since: what the start read, its other keys included
    mergeSettings(now, m_settings, windowNormal, m_settingsAtStart);
    const WriteResult written =
        m_files.saveMerged(DataFile::Ini, now.lines(), DataFolder::Backup::Yes);
    if (written.ok)
        m_ini = now;
    return written;
}

Session::QuitResult Session::save(bool windowNormal, std::optional<DataFile> leftAlone)
{
    const QDate today = m_clock.today();
    const QString donePath = m_files.path(DataFile::Done);
    // Appending never harms what done.txt already holds, so the commit always runs.
    if (const WriteResult done = m_board.commitForQuit(jdate::shortDate(today), donePath); !done.ok)
        return {false, DataFile::Done, done.error};
    const auto save = [this](DataFile file, const QStringList &lines) {
        return m_files.save(file, lines, DataFolder::Backup::Yes);
    };
    bool othersSchedule = false;
    const DataFile order[] = {DataFile::Todo, DataFile::Closet,   DataFile::Ini,
                              DataFile::Schedule, DataFile::Tel, DataFile::Type};
    for (const DataFile file : order) {
        if (!m_files.mayWrite(file)) {
            if (const WriteResult aside = saveAsideIfChanged(file); !aside.ok)
                return {false, file, aside.error};
            continue;
        }
        if (file == leftAlone)
            continue;
        WriteResult written;
        switch (file) {
        case DataFile::Todo: written = save(file, m_board.todoLines()); break;
        case DataFile::Closet: written = save(file, m_shelf.stringList()); break;
        case DataFile::Ini: written = saveSettings(windowNormal); break;
        case DataFile::Schedule:
            // The other program's version stays, and with it the past entries: they go to
            // done.txt when a run writes that version, never twice.
            if (m_files.onlyOthersChanged(file, m_schedule.fileLines())) {
                othersSchedule = true; // the folder follows it at the next start
                break;
            }
            // The past entries go to done.txt first: a failure there is done.txt's.
            if (const WriteResult handed = m_schedule.handPastToDone(donePath, today); !handed.ok)
                return {false, DataFile::Done, handed.error};
            written = save(file, m_schedule.upcomingLines(today));
            break;
        case DataFile::Tel: written = save(file, m_phoneBook.fileLines()); break;
        case DataFile::Type: written = save(file, m_phoneTypes.stringList()); break;
        case DataFile::Done: break;
        }
        if (!written.ok)
            return {false, file, written.error};
    }
    // After the data files: a sync folder that fails is said, and the files are saved.
    m_sync.write(m_schedule, m_phoneBook, today, QTimeZone::systemTimeZone(),
                 m_clock.now().toUTC(), m_files.mayWrite(DataFile::Schedule) && !othersSchedule,
                 m_files.mayWrite(DataFile::Tel));
    return {};
}
