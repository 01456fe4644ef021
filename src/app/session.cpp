// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "session.h"

#include "text/clock.h"
#include "text/jdate.h"

#include <QTimeZone>

#include <algorithm>
#include <climits>

Session::Session(const QString &dataFolder, const Clock &clock)
    : m_files(dataFolder, clock), m_clock(clock)
{
    bindFiles();
}

void Session::loadStep(FileBinding::Step step)
{
    QList<const FileBinding *> rows;
    for (const FileBinding &binding : m_files.bindings())
        if (binding.step == step)
            rows.append(&binding);
    std::sort(rows.begin(), rows.end(),
              [](const FileBinding *a, const FileBinding *b) { return a->readOrder < b->readOrder; });
    for (const FileBinding *binding : std::as_const(rows)) {
        m_files.noteRead(binding->file, binding->load());
        keepStartLinesIfBarred(binding->file);
        if (binding->afterLoad)
            binding->afterLoad();
    }
}

void Session::loadThroughSchedule()
{
    loadStep(FileBinding::Step::BeforeToday);
}

void Session::loadPhoneFiles()
{
    if (std::exchange(m_phoneFilesLoaded, true))
        return;
    loadStep(FileBinding::Step::AfterToday);
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

RepeatTable *Session::syncedSeries()
{
    return m_files.mayWrite(DataFile::Repeat) ? &m_repeats : nullptr;
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
}

QStringList Session::dayLines(QDate day) const
{
    // In the list's order: the lines without a time first, then by time.
    QList<std::pair<int, QString>> timed;
    const QStringList lines =
        m_schedule.reminderLines(day, m_clock.today()) + m_repeats.reminderLines(day);
    for (const QString &line : lines) {
        const QString time = line.section(QStringLiteral("  "), 0, 0);
        const auto parsed = jdate::parseTime(time);
        timed.append({time.isEmpty() ? -1 : parsed ? parsed->msecsSinceStartOfDay() : INT_MAX, line});
    }
    std::stable_sort(timed.begin(), timed.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    QStringList sorted;
    for (const auto &entry : std::as_const(timed))
        sorted.append(entry.second);
    return sorted;
}

void Session::loadSettings()
{
    loadStep(FileBinding::Step::Settings);
}

Session::QuitResult Session::quitWithSaving(bool windowNormal)
{
    if (m_ended)
        return {};
    QuitResult result = save(windowNormal, std::nullopt);
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
    // done.txt is no writer's: it only gains lines, and this run's go in before the editor.
    const FileBinding *binding = m_files.binding(file);
    return !binding || !binding->changedThisRun || binding->changedThisRun();
}

WriteResult Session::saveSettings()
{
    // Read again just before: keys another program or a newer version wrote stay.
    ProfileFile now;
    const TextFileRead read = now.load(m_files.path(DataFile::Ini));
    if (read.status == TextFileRead::Unreadable)
        return {false, QStringLiteral("今は読み込めません（%1）").arg(read.error)};
    if (read.status == TextFileRead::Missing)
        now = m_ini; // taken away since: what the start read, its other keys included
    mergeSettings(now, m_settings, m_windowNormal, m_settingsAtStart);
    WriteResult written =
        m_files.saveMerged(DataFile::Ini, now.lines(), DataFolder::Backup::Yes);
    if (written.ok)
        m_ini = now;
    return written;
}

WriteResult Session::saveSchedule()
{
    // The other program's version stays, and with it the past entries: they go to done.txt
    // when a run writes that version, never twice.
    if (m_files.onlyOthersChanged(DataFile::Schedule, m_schedule.fileLines())) {
        m_othersSchedule = true; // the folder follows it at the next start
        return {};
    }
    // The past entries go to done.txt first: a failure there is done.txt's.
    const QDate today = m_clock.today();
    if (WriteResult handed = m_schedule.handPastToDone(m_files.path(DataFile::Done), today);
        !handed.ok) {
        m_failedAt = DataFile::Done;
        return handed;
    }
    return m_files.save(DataFile::Schedule, m_schedule.upcomingLines(today), DataFolder::Backup::Yes);
}

Session::QuitResult Session::save(bool windowNormal, std::optional<DataFile> leftAlone)
{
    loadPhoneFiles(); // a quit right after the start writes them back as they are
    const QDate today = m_clock.today();
    // Appending never harms what done.txt already holds, so the commit always runs.
    if (const WriteResult done = m_board.commitForQuit(jdate::shortDate(today), m_files.path(DataFile::Done));
        !done.ok)
        return {false, DataFile::Done, done.error};
    m_windowNormal = windowNormal;
    m_othersSchedule = false;
    for (const FileBinding &binding : m_files.bindings()) {
        const DataFile file = binding.file;
        m_failedAt = file;
        WriteResult written;
        if (!m_files.mayWrite(file))
            written = saveAsideIfChanged(file);
        else if (file == leftAlone)
            continue;
        else
            written = binding.save ? binding.save()
                                   : m_files.save(file, binding.lines(), DataFolder::Backup::Yes);
        if (!written.ok)
            return {false, m_failedAt, written.error};
    }
    // After the data files: a sync folder that fails is said, and the files are saved.
    m_sync.write(m_schedule, syncedSeries(), m_phoneBook, today, QTimeZone::systemTimeZone(),
                 m_clock.now().toUTC(), m_files.mayWrite(DataFile::Schedule) && !m_othersSchedule,
                 m_files.mayWrite(DataFile::Tel));
    return {};
}
