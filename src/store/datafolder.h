// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "filebinding.h"
#include "text/textfile.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <optional>
#include <utility>

class Clock;
class QDateTime;

// The data files, all in the data folder: the program folder of a program folder of its
// own, else the user's data folder.
enum class DataFile { Todo, Done, Closet, Schedule, Tel, Ini, Type, Repeat };

[[nodiscard]] QString dataFileName(DataFile file);
// Every data file, done.txt and pim.ini among them.
[[nodiscard]] QList<DataFile> allDataFiles();

// Another program's version of a data file, kept beside it because this run had changed
// the file too.
struct KeptCopy {
    QString file; // the data file's name
    QString copy; // the name of the copy, in the same folder
};

// This run's version of a data file it may not write, kept beside it.
struct SavedAside {
    QString file;      // the data file's name
    QString copy;      // the name of the file written, in the same folder
    bool utf8 = false; // in UTF-8: CP932 cannot hold some of it
};

// The data folder and what this run may write into it: a data file that exists but
// could not be read completely is never written, so the part that was not read survives.
// Other programs may write the folder while this one runs (a sync tool, an editor), so
// every save first compares the file with what this run read.
class DataFolder {
public:
    DataFolder(QString folder, const Clock &clock);

    [[nodiscard]] const QString &folder() const { return m_folder; }
    [[nodiscard]] QString path(DataFile file) const;
    [[nodiscard]] bool mayWrite(DataFile file) const { return !m_unreadable.contains(file); }

    // Remembers what was read: as the baseline of later saves, or, for a file that could
    // not be read, the reason, for the report at start.
    void noteRead(DataFile file, const TextFileRead &read);
    // One line per such file: its name and why.
    [[nodiscard]] const QStringList &unreadableReasons() const { return m_reasons; }
    // The names of the files that were read as UTF-8: they are saved in CP932.
    [[nodiscard]] const QStringList &utf8Files() const { return m_utf8Files; }
    // The names of the files whose lines ended in LF alone: they are saved with CR LF.
    [[nodiscard]] const QStringList &lineFeedFiles() const { return m_lineFeedFiles; }

    // What this run last read from the file or wrote to it, or null for a file it never
    // read. The bytes themselves, not a digest: they are in memory after the read anyway,
    // and a comparison of bytes cannot err.
    [[nodiscard]] const FileBytes *baseline(DataFile file) const;
    // A file read again whole, by this run, now stands for what this run has.
    void takeBaseline(DataFile file, const FileBytes &read);
    // The table of the files this run reads and writes, one row each, in the quit's order.
    void bind(FileBinding binding) { m_bindings.append(std::move(binding)); }
    [[nodiscard]] const QList<FileBinding> &bindings() const { return m_bindings; }
    [[nodiscard]] const FileBinding *binding(DataFile file) const;
    // Whether these lines are what the file held when last read or written: the lines
    // its reader makes of those bytes, or else the very bytes.
    [[nodiscard]] bool holdsAsRead(DataFile file, const QStringList &lines) const;
    // Whether the file's size or time now differ from the baseline's: worth a read.
    [[nodiscard]] bool stampDiffers(DataFile file) const;

    enum class Backup { No, Yes };
    // Saves the lines, unless the file is not this run's to write. Compared with the
    // disk: unchanged there, written (its old bytes first into the backups when asked);
    // changed there while these lines are what was read, left as the other program wrote
    // it and taken as the new baseline; changed on both sides, written, with the other
    // version kept beside it byte for byte. A file that can no longer be read is not
    // written over.
    [[nodiscard]] WriteResult save(DataFile file, const QStringList &lines, Backup backup);
    // Whether the file on disk changed since this run read it while these lines are still
    // what was read: a save would leave it as the other program wrote it.
    [[nodiscard]] bool onlyOthersChanged(DataFile file, const QStringList &lines) const;
    // Writes lines that already hold what the other program wrote (pim.ini, merged by
    // key): no comparison, only the backup.
    [[nodiscard]] WriteResult saveMerged(DataFile file, const QStringList &lines, Backup backup);

    // Writes the lines of a file this run may not write beside it, as
    // "<stem>.unsaved-<yyyymmdd-hhmmss>.txt": CP932, or UTF-8 where CP932 cannot hold them.
    // The same lines again (a quit tried again) are not written twice.
    [[nodiscard]] WriteResult saveAside(DataFile file, const QStringList &lines);

    // The copies kept since the last call, the files saved aside, and the backups that
    // failed.
    [[nodiscard]] QList<KeptCopy> takeKeptCopies();
    [[nodiscard]] QList<SavedAside> takeSavedAside() { return std::exchange(m_savedAside, {}); }
    [[nodiscard]] QStringList takeBackupFailures();

private:
    // The bytes of the lines and what the disk holds now, or why the file is not saved.
    struct Prepared {
        QByteArray bytes;
        FileBytes onDisk;
        QString error;
    };
    [[nodiscard]] Prepared prepare(DataFile file, const QStringList &lines) const;
    WriteResult write(DataFile file, const QByteArray &bytes, const FileBytes &onDisk,
                      Backup backup);
    void backUp(DataFile file, const FileBytes &onDisk);

    QString m_folder;
    const Clock &m_clock;
    QList<DataFile> m_unreadable;
    QStringList m_reasons;
    QStringList m_utf8Files;
    QStringList m_lineFeedFiles;
    std::map<DataFile, FileBytes> m_baselines;
    QList<FileBinding> m_bindings;
    QList<KeptCopy> m_keptCopies;
    QList<SavedAside> m_savedAside;
    std::map<DataFile, QStringList> m_linesSavedAside;
    QStringList m_backupFailures;
};

// The one message after the saves that kept copies.
[[nodiscard]] QString keptCopiesMessage(const QList<KeptCopy> &copies);
// The one message after the saves that saved files aside.
[[nodiscard]] QString savedAsideMessage(const QList<SavedAside> &saved);
