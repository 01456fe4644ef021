// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/todoboard.h"
#include "lists/donelist.h"
#include "lists/shelflist.h"
#include "phonebook/phonebook.h"
#include "phonebook/phonetypes.h"
#include "schedule/repeattable.h"
#include "schedule/scheduletable.h"
#include "settings.h"
#include "syncmessages.h"
#include "sync/vdirsync.h"
#include "store/datafolder.h"
#include "text/profile.h"

#include <functional>
#include <map>
#include <optional>
#include <utility>

class Clock;

// One run of the program without its windows: the data folder, every store, the
// loaders of the start and the writers of the quit, in their order.
class Session {
public:
    Session(const QString &dataFolder, const Clock &clock);

    // The loaders of the start in two runs, with the today check between them: todo.txt,
    // closet.txt and schedule.txt, then type.txt and tel.txt. A file that exists but
    // cannot be read is remembered and never written this run.
    void loadThroughSchedule();
    // Once: the start calls it after the first window is painted, and whatever needs the
    // phone book before that (a save, a look at the files, the phone book itself) calls it
    // first, so the two files are never written or shown unread.
    void loadPhoneFiles();
    [[nodiscard]] bool phoneFilesLoaded() const { return m_phoneFilesLoaded; }
    // Starts reading the schedule on another thread, so that the first window can be
    // built meanwhile; its loader still reads at its turn.
    void readAhead();

    // How many lines after the fourteenth of todo.txt went to the end of the shelf since
    // the last call: at start, or when another program's todo.txt was read in.
    [[nodiscard]] int takeMovedToShelf() { return std::exchange(m_movedToShelf, 0); }

    // pim.ini; a missing file or key gives the defaults.
    void loadSettings();
    // The sync folder and command from pim.ini before anything else is read (the command
    // runs before the loaders); a folder named relative to the data folder or from
    // "~/" is taken from there. Returns the command.
    QString readSyncSettings();
    [[nodiscard]] const VdirSync &sync() const { return m_sync; }
    // What the sync has to tell the user (items skipped, entries doubled, a folder that
    // cannot be used), each once.
    [[nodiscard]] QStringList takeSyncMessages() { return syncMessages(m_sync.takeReport()); }

    struct QuitResult {
        bool ok = true;
        DataFile failed = DataFile::Done; // the file that could not be written
        QString error;
    };
    // Commits open slots, moves marked ones to done.txt and writes every data file. On
    // a failure it stops there with everything still in memory, and a later call goes
    // on without appending anything twice. After success the session has ended and
    // further calls write nothing.
    // The window's place is written only while the window is in its normal state.
    QuitResult quitWithSaving(bool windowNormal = true);
    // The same save before a data file is handed to the external editor, but the file
    // handed over is left as it is on disk unless this run changed it (then the editor
    // shows this run's data); done.txt takes this run's lines either way. The session
    // goes on, in case the editor cannot be started after all.
    QuitResult saveForEditor(DataFile handedOver, bool windowNormal = true);
    [[nodiscard]] bool hasEnded() const { return m_ended; }

    // Whether this run's data of a file differ from what the file held when this run last
    // read or wrote it (an open slot or a marked one counts as a change of todo.txt).
    [[nodiscard]] bool changedSinceRead(DataFile file) const;
    // What a save of the file would write: the lines of its table.
    [[nodiscard]] QStringList linesOf(DataFile file) const;
    // Whether the table of a file this run may not write differs from what the start read:
    // the quit saves it aside.
    [[nodiscard]] bool changedWhileBarred(DataFile file) const;
    // Calls back after any change of a table, with its file, possibly in the middle of a
    // change that has more steps to come.
    void onTableChange(const std::function<void(DataFile)> &changed);

    // Follows a data file that another program changed on disk. mayReload false: the
    // data must not change now (a dialog is open), so a reload waits.
    enum class Follow {
        Same,        // the file is as this run last saw it
        Reloaded,    // this run had not changed it: its data now are the file's
        ChangedHere, // this run changed it too: left to the quit, which keeps both
        NotReady,    // still being written, not readable now, or not now: look again later
        Gone,        // taken away: nothing to follow until it is back
    };
    Follow follow(DataFile file, bool mayReload = true);
    // The files in the folder that are conflict copies of a data file, by name.
    [[nodiscard]] QStringList conflictCopies() const;

    [[nodiscard]] DataFolder &files() { return m_files; }
    [[nodiscard]] const Clock &clock() const { return m_clock; }
    [[nodiscard]] TodoBoard &board() { return m_board; }
    [[nodiscard]] ShelfList &shelf() { return m_shelf; }
    [[nodiscard]] DoneList &doneList() { return m_doneList; }
    [[nodiscard]] ScheduleTable &schedule() { return m_schedule; }
    [[nodiscard]] RepeatTable &repeats() { return m_repeats; }
    // The today and tomorrow windows' lines of a day: its single entries, then the days
    // of the series that fall on it.
    [[nodiscard]] QStringList dayLines(QDate day) const;
    [[nodiscard]] PhoneBook &phoneBook()
    {
        loadPhoneFiles();
        return m_phoneBook;
    }
    [[nodiscard]] PhoneTypes &phoneTypes()
    {
        loadPhoneFiles();
        return m_phoneTypes;
    }
    [[nodiscard]] Settings &settings() { return m_settings; }

private:
    // repeat.txt for the sync, when this run may write it.
    RepeatTable *syncedSeries();
    // The table of the data files, one row each, in the quit's order.
    void bindFiles();
    void bindBoardFiles();
    void bindSchedule();
    void bindRepeats();
    void bindPhoneFiles();
    // The start reads the files of one step, in their order.
    void loadStep(FileBinding::Step step);
    // The quit's writers in their order; the file left alone is not written.
    QuitResult save(bool windowNormal, std::optional<DataFile> leftAlone);
    [[nodiscard]] bool changedThisRun(DataFile file) const;
    WriteResult saveSettings();
    WriteResult saveSchedule();
    // The lines of todo.txt that no slot holds go to the end of the shelf.
    void shelveLinesBeyondSlots();
    // A file this run may not write: what its table holds once read, to tell a change.
    void keepStartLinesIfBarred(DataFile file);
    // The table of a file this run may not write, beside it, when the run changed it.
    WriteResult saveAsideIfChanged(DataFile file);

    DataFolder m_files;
    const Clock &m_clock;
    TodoBoard m_board;
    ShelfList m_shelf;
    DoneList m_doneList;
    ScheduleTable m_schedule;
    RepeatTable m_repeats;
    PhoneBook m_phoneBook;
    PhoneTypes m_phoneTypes;
    ProfileFile m_ini;
    Settings m_settings;
    Settings m_settingsAtStart;
    VdirSync m_sync;
    bool m_ended = false;
    bool m_phoneFilesLoaded = false;
    // Of the save under way: the window's place counts, another program's schedule.txt
    // stays, the file a failure is told of.
    bool m_windowNormal = true;
    bool m_othersSchedule = false;
    DataFile m_failedAt = DataFile::Done;
    int m_movedToShelf = 0;
    std::map<DataFile, QStringList> m_barredAtStart;
};
