// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shelflist.h"

ShelfList::ShelfList(QObject *parent) : QStringListModel(parent)
{
    // Every change of a list model passes through one of these.
    const auto changed = [this] { m_changed = true; };
    connect(this, &QAbstractItemModel::rowsInserted, this, changed);
    connect(this, &QAbstractItemModel::rowsRemoved, this, changed);
    connect(this, &QAbstractItemModel::rowsMoved, this, changed);
    connect(this, &QAbstractItemModel::dataChanged, this, changed);
    connect(this, &QAbstractItemModel::modelReset, this, changed);
}

void ShelfList::append(const QString &text)
{
    const int row = rowCount();
    insertRows(row, 1);
    setData(index(row), text);
}

void ShelfList::removeAt(int row)
{
    removeRows(row, 1);
}

TextFileRead ShelfList::loadCloset(const QString &path)
{
    TextFileRead read = readTextFile(path);
    takeLines(LineReader(read.text).readAll());
    return read;
}

void ShelfList::takeLines(const QStringList &lines)
{
    setStringList(lines);
    m_changed = false;
}

TextFileRead ShelfList::reloadCloset(const QString &path)
{
    TextFileRead read = readTextFile(path);
    if (read.status == TextFileRead::Ok)
        takeLines(LineReader(read.text).readAll());
    return read;
}

