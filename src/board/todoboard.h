// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "text/textfile.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <array>
#include <utility>

class ShelfList;

// The fourteen to-do slots: their texts, done marks and edit boxes.
class TodoBoard : public QObject {
    Q_OBJECT
public:
    static constexpr int SlotCount = 14;

    using QObject::QObject;

    [[nodiscard]] QString text(int slot) const { return m_slots.at(slot).text; }
    void setText(int slot, const QString &text);

    // The done mark belongs to the position, not to the text.
    [[nodiscard]] bool isDone(int slot) const { return m_slots.at(slot).done; }
    void setDone(int slot, bool done);

    // The edit box's text; any change sets its changed flag.
    [[nodiscard]] QString editText(int slot) const { return m_slots.at(slot).editText; }
    void setEditText(int slot, const QString &text);
    [[nodiscard]] bool isEditChanged(int slot) const { return m_slots.at(slot).editChanged; }
    void clearEditChanged(int slot) { m_slots.at(slot).editChanged = false; }

    // Open for editing: the edit box shows instead of the text.
    [[nodiscard]] bool isEditing(int slot) const { return m_slots.at(slot).editing; }
    // The open slot, or -1.
    [[nodiscard]] int inputStatus() const { return m_inputStatus; }
    void setInputStatus(int slot) { m_inputStatus = slot; }

    // Opens the slot: the edit box takes the slot's text.
    void beginEdit(int slot);
    // Closes an open slot: its text takes the edit box's text. False when it was closed.
    bool endEdit(int slot);

    // todo.txt: line k is slot k; a short file leaves the rest empty, lines after the
    // fourteenth are kept aside for the shelf.
    TextFileRead loadTodoList(const QString &path);
    // The slots take the lines of the text, as the loader gives them; the non-empty lines
    // after the fourteenth, which no slot holds (a file merged by hand), are kept aside.
    void setTodoText(const QString &text);
    // Those lines, each once.
    [[nodiscard]] QStringList takeLinesBeyondSlots() { return std::exchange(m_beyondSlots, {}); }
    [[nodiscard]] QStringList todoLines() const;

    // Commits open edits, then appends every marked slot to done.txt (the date
    // immediately followed by the text) and empties it. A slot that reached done.txt
    // loses its mark, so a second attempt after a failure never appends it again.
    WriteResult commitForQuit(const QString &dateText, const QString &donePath);

    // Puts the slot's text at the end of the shelf and empties the slot, or only empties
    // it; its mark stays. Nothing for a number that is no slot (a drag from elsewhere).
    void shelve(int slot, ShelfList &shelf);
    void discard(int slot);
    [[nodiscard]] static bool isSlot(int slot) { return slot >= 0 && slot < SlotCount; }

    // Drops of one slot's text on another. Insert: the text lands on the target and the
    // texts between shift one place towards the source. Overwrite: the target's old text
    // goes to the end of the shelf and the source is emptied. Marks never move.
    void moveInsert(int source, int target);
    void moveOverwrite(int source, int target, ShelfList &shelf);
    // Brings a shelf item back into the slot; the slot's old text, if any, goes to the end
    // of the shelf. False for a row that is no item.
    bool restore(int slot, ShelfList &shelf, int row);
    // Appends the slot's text to done.txt with that date, then empties the slot and
    // clears its mark; after a failed append the slot keeps both.
    WriteResult finish(int slot, const QString &dateText, const QString &donePath);
    void clearEditTexts();

    // Empties the slot and its edit box once its to-do has gone elsewhere (the phone
    // book, the schedule), but only while the slot still holds that text: the board may
    // have been used meanwhile. False when the slot was left alone.
    bool takeText(int slot, const QString &text);

signals:
    void textChanged(int slot);
    void doneChanged(int slot);
    void editTextChanged(int slot);
    void editingChanged(int slot);

private:
    struct Slot {
        QString text;
        QString editText;
        bool done = false;
        bool editChanged = false;
        bool editing = false;
    };
    std::array<Slot, SlotCount> m_slots;
    int m_inputStatus = -1;
    QStringList m_beyondSlots;
};
