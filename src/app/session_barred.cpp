// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Session: the files this run may not write, and what the run changes in their tables.
#include "session.h"

QStringList Session::linesOf(DataFile file) const
{
    const FileBinding *binding = m_files.binding(file);
    return binding && binding->lines ? binding->lines() : QStringList();
}

void Session::keepStartLinesIfBarred(DataFile file)
{
    if (!m_files.mayWrite(file))
        m_barredAtStart[file] = linesOf(file);
}

bool Session::changedWhileBarred(DataFile file) const
{
    const auto start = m_barredAtStart.find(file);
    return start != m_barredAtStart.end() && linesOf(file) != start->second;
}

void Session::onTableChange(const std::function<void(DataFile)> &changed)
{
    const auto connectModel = [&changed](const QAbstractItemModel &model, DataFile file) {
        const auto tell = [changed, file] { changed(file); };
        QObject::connect(&model, &QAbstractItemModel::rowsInserted, tell);
        QObject::connect(&model, &QAbstractItemModel::rowsRemoved, tell);
        QObject::connect(&model, &QAbstractItemModel::rowsMoved, tell);
        QObject::connect(&model, &QAbstractItemModel::dataChanged, tell);
        QObject::connect(&model, &QAbstractItemModel::modelReset, tell);
    };
    QObject::connect(&m_board, &TodoBoard::textChanged, [changed] { changed(DataFile::Todo); });
    connectModel(m_shelf, DataFile::Closet);
    connectModel(m_schedule.list(), DataFile::Schedule);
    connectModel(m_repeats, DataFile::Repeat);
    connectModel(m_phoneTypes, DataFile::Type);
    m_phoneBook.setChangeHook([changed] { changed(DataFile::Tel); });
}

WriteResult Session::saveAsideIfChanged(DataFile file)
{
    // The file itself stays as it is; nothing typed in the run is lost.
    if (!changedWhileBarred(file))
        return {};
    return m_files.saveAside(file, linesOf(file));
}
