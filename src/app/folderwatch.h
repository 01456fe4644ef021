// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/datafolder.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

#include <functional>

class Session;

// Follows the data files while the program runs. Sync tools replace a file by renaming a
// new one over it, which only the folder's watch sees; editors write in place, which only
// the file's watch sees: both are watched. A change is looked at once the folder has been
// quiet for a moment, so a tool that writes in steps is read when it is done.
class FolderWatch : public QObject {
    Q_OBJECT
public:
    // mayReload: false while the data must not change under the user (a dialog or an
    // edit is open): the watch looks again later.
    FolderWatch(Session &session, std::function<bool()> mayReload, QObject *parent = nullptr);

    void setSettleDelay(int ms) { m_settle.setInterval(ms); }
    void setRecheckDelay(int ms) { m_recheck.setInterval(ms); }

signals:
    // The data of that file are the file's again: its window shows them.
    void reloaded(DataFile file);
    // After each look over the files, whatever it found.
    void looked();

private:
    void look();
    void watchFiles();

    Session &m_session;
    std::function<bool()> m_mayReload;
    QFileSystemWatcher m_watcher;
    QTimer m_settle;
    // While a file changed on both sides waits, now and then: this run may undo its change
    // (a slot unticked, an entry removed again) and the file then follows the disk.
    QTimer m_recheck;
};
