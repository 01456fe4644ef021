// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "phonetypes.h"

qint16 PhoneTypes::whichtype(const QString &phonetype) const
{
    return qint16(stringList().indexOf(phonetype));
}

TextFileRead PhoneTypes::loadPhoneTypes(const QString &path)
{
    TextFileRead read = readTextFile(path);
    setStringList(LineReader(read.text).readAll());
    return read;
}

std::optional<int> PhoneTypeDraft::moveUp(int selected)
{
    if (!isRow(selected) || selected < 1)
        return std::nullopt;
    moveRows({}, selected, 1, {}, selected - 1);
    return selected - 1;
}

std::optional<int> PhoneTypeDraft::moveDown(int selected)
{
    if (!isRow(selected) || selected >= rowCount() - 1)
        return std::nullopt;
    // A row moves down by moving the one below it up.
    moveRows({}, selected + 1, 1, {}, selected);
    return selected + 1;
}

bool PhoneTypeDraft::mayDelete(int selected) const
{
    return isRow(selected) && selected >= 1;
}

void PhoneTypeDraft::remove(int selected)
{
    if (mayDelete(selected))
        removeRows(selected, 1);
}

void PhoneTypeDraft::insertBefore(int selected, const QString &type)
{
    const int row = isRow(selected) ? selected : rowCount();
    insertRows(row, 1);
    setData(index(row), type);
}

void PhoneTypeDraft::replace(int selected, const QString &type)
{
    if (isRow(selected))
        setData(index(selected), type);
}
