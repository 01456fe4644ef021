// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "todoboard.h"

#include "lists/donelist.h"
#include "lists/shelflist.h"

void TodoBoard::setText(int slot, const QString &text)
{
    if (m_slots.at(slot).text == text)
        return;
    m_slots.at(slot).text = text;
    emit textChanged(slot);
}

void TodoBoard::setDone(int slot, bool done)
{
    if (m_slots.at(slot).done == done)
        return;
    m_slots.at(slot).done = done;
    emit doneChanged(slot);
}

void TodoBoard::setEditText(int slot, const QString &text)
{
    Slot &s = m_slots.at(slot);
    if (s.editText == text)
        return;
    s.editText = text;
    s.editChanged = true;
    emit editTextChanged(slot);
}

void TodoBoard::beginEdit(int slot)
{
    m_slots.at(slot).editing = true;
    emit editingChanged(slot);
    setEditText(slot, text(slot));
}

bool TodoBoard::endEdit(int slot)
{
    if (!m_slots.at(slot).editing)
        return false;
    // The text first: hiding the box may already run the focus-loss handling.
    setText(slot, editText(slot));
    m_slots.at(slot).editing = false;
    emit editingChanged(slot);
    m_inputStatus = -1;
    return true;
}

TextFileRead TodoBoard::loadTodoList(const QString &path)
{
    TextFileRead read = readTextFile(path);
    setTodoText(read.text);
    return read;
}

void TodoBoard::setTodoText(const QString &text)
{
    LineReader reader(text);
    for (int k = 0; k < SlotCount; ++k)
        setText(k, reader.readTextLine());
    m_beyondSlots.clear();
    while (!reader.atEnd())
        if (QString line = reader.readTextLine(); !line.isEmpty())
            m_beyondSlots.append(line);
}

QStringList TodoBoard::todoLines() const
{
    QStringList lines;
    for (const Slot &s : m_slots)
        lines.append(s.text);
    return lines;
}

WriteResult TodoBoard::commitForQuit(const QString &dateText, const QString &donePath)
{
    for (int i = 0; i < SlotCount; ++i) {
        endEdit(i);
        if (!isDone(i))
            continue;
        WriteResult appended = addToDone(donePath, text(i), dateText);
        if (!appended.ok)
            return appended;
        setText(i, QString());
        setDone(i, false);
    }
    return {};
}

void TodoBoard::shelve(int slot, ShelfList &shelf)
{
    if (!isSlot(slot))
        return;
    shelf.append(text(slot));
    setText(slot, QString());
}

bool TodoBoard::takeText(int slot, const QString &expected)
{
    if (!isSlot(slot) || text(slot) != expected)
        return false;
    setText(slot, QString());
    setEditText(slot, QString());
    // Not an edit of the user's: nothing to analyse when the slot closes next.
    clearEditChanged(slot);
    return true;
}

void TodoBoard::discard(int slot)
{
    if (isSlot(slot))
        setText(slot, QString());
}
