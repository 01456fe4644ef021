// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// TodoBoard: texts moving between slots, the shelf and the done log.
#include "todoboard.h"

#include "lists/donelist.h"
#include "lists/shelflist.h"

void TodoBoard::moveInsert(int source, int target)
{
    if (!isSlot(source) || !isSlot(target) || source == target)
        return;
    const QString moved = text(source);
    const int step = source > target ? -1 : 1; // from the source towards the target
    for (int k = source; k != target; k += step)
        setText(k, text(k + step));
    setText(target, moved);
}

void TodoBoard::moveOverwrite(int source, int target, ShelfList &shelf)
{
    if (!isSlot(source) || !isSlot(target) || source == target)
        return;
    if (!text(target).isEmpty())
        shelf.append(text(target));
    setText(target, text(source));
    setText(source, QString());
}

bool TodoBoard::restore(int slot, ShelfList &shelf, int row)
{
    if (!isSlot(slot) || row < 0 || row >= shelf.count())
        return false;
    const QString old = text(slot);
    setText(slot, shelf.at(row));
    shelf.removeAt(row);
    if (!old.isEmpty())
        shelf.append(old);
    return true;
}

WriteResult TodoBoard::finish(int slot, const QString &dateText, const QString &donePath)
{
    if (!isSlot(slot))
        return {};
    WriteResult appended = addToDone(donePath, text(slot), dateText);
    if (!appended.ok)
        return appended;
    setText(slot, QString());
    setDone(slot, false);
    return appended;
}

void TodoBoard::clearEditTexts()
{
    for (int k = 0; k < SlotCount; ++k)
        setEditText(k, QString());
}
