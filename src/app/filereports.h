// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <QString>

class Prompter;
class Session;
enum class DataFile;

// What the user is told about the data files: at start (files from other programs, lines
// moved to the shelf, conflict copies, files that will not be written, the sync folder),
// at the first change of a table whose file will not be written, and after each save.
class FileReports : public QObject {
public:
    FileReports(Session &session, Prompter &prompter);

    // The start's messages, once the board shows.
    void atStart();
    // Lines of todo.txt beyond the slots that went to the shelf, if any.
    void movedToShelf();
    // From now on, the first change of each table whose file this run may not write is
    // told, once the change is complete.
    void followBarredTables();
    // What a save did besides writing: backups that failed, other programs' versions kept,
    // files saved aside, the sync folder's news.
    void afterSave();
    // A save that failed: the quit is cancelled and nothing is lost.
    void saveFailed(DataFile file, const QString &error);
    // The program is ending: nothing more is told.
    void stop() { m_stopped = true; }

private:
    void syncMessages();
    void formats();
    // The lines of repeat.txt that name no series the program knows: shown nowhere, kept.
    void unreadableSeries();
    void barredChange(DataFile file);

    Session &m_session;
    Prompter &m_prompter;
    bool m_stopped = false;
    bool m_toldBackupFailure = false;
    QList<DataFile> m_toldBarred;
};
