// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "folderwatch.h"

#include "session.h"

#include <QFileInfo>

FolderWatch::FolderWatch(Session &session, std::function<bool()> mayReload, QObject *parent)
    : QObject(parent), m_session(session), m_mayReload(std::move(mayReload))
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(1000);
    connect(&m_settle, &QTimer::timeout, this, &FolderWatch::look);
    m_recheck.setSingleShot(true);
    m_recheck.setInterval(5000);
    connect(&m_recheck, &QTimer::timeout, this, &FolderWatch::look);
    // Every event starts the wait again: the look comes after the last of a burst.
    const auto changed = [this] { m_settle.start(); };
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, changed);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, changed);
    m_watcher.addPath(session.files().folder());
    watchFiles();
}

void FolderWatch::watchFiles()
{
    // A file renamed over drops out of the watch: the new one is added.
    for (const FileBinding &binding : m_session.files().bindings()) {
        if (!binding.reload)
            continue; // pim.ini is merged at the quit
        const QString path = m_session.files().path(binding.file);
        if (!m_watcher.files().contains(path) && QFileInfo::exists(path))
            m_watcher.addPath(path);
    }
}

void FolderWatch::look()
{
    if (m_session.hasEnded())
        return;
    watchFiles();
    const bool mayReload = m_mayReload();
    bool again = false;
    bool waiting = false;
    for (const FileBinding &binding : m_session.files().bindings()) {
        switch (m_session.follow(binding.file, mayReload)) {
        case Session::Follow::Reloaded: emit reloaded(binding.file); break;
        case Session::Follow::NotReady: again = true; break;
        case Session::Follow::ChangedHere: waiting = true; break;
        default: break;
        }
    }
    if (again)
        m_settle.start();
    else if (waiting)
        m_recheck.start();
    emit looked();
}
