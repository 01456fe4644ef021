// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "phonebook.h"
#include "ui/focus.h"

#include <QWidget>

class PhoneTypes;
class Prompter;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QTableWidget;
class QUndoCommand;
class QUndoStack;
class frmADDphone;
class frmIndexChange;
class frmPhoneChange;

// The phone book window: indexes on the left, the selected entry on the right. It opens
// its dialogs, which collect values, stores what they hand back in the phone book, and
// locks its controls while one is open.
class frmTel : public QWidget {
    Q_OBJECT
public:
    frmTel(PhoneBook &book, PhoneTypes &types, Prompter &prompter);

    // The add dialog, created on first use; its type box holds the phone types.
    frmADDphone &addDialog();
    // The pair and index change dialogs, created on first use.
    frmPhoneChange &phoneChangeDialog();
    frmIndexChange &indexChangeDialog();

    // Locks the controls while a dialog or an in-place edit runs, and unlocks them.
    void disablechange();
    void enablechange();

    // A to-do with phone numbers: this window and the add dialog, both modeless, with the
    // first number offered. todoText is the slot's text: todoFiled lets it go once the
    // pair is added.
    void addFromTodo(int slot, const QString &todoText, const QString &index,
                     const QString &name, const QStringList &numbers, const QString &keys);

    // Selects by the search box's text; runs on every change of it and every repaint.
    void txtTel_Change();
    // Puts a text into the search box, which selects by it.
    void setSearchText(const QString &text);

    [[nodiscard]] int selectedIndex() const;
    // Shows the entry at that position, selected and kept so while it stays selected.
    void showEntry(int pos);

    void lstIndex_Click();
    void lstIndex_KeyDown(int keyCode);
    void lstIndex_DblClick();
    void gridTel_DblClick();
    void cmdFind_Click();
    void cmdDelete_Click();
    void cmdAdd_Click();
    void cmdClose_Click();
    void lblName_DblClick();
    void txtName_KeyPress(int keyAscii);
    void txtName_LostFocus();
    void lblKeyword_DblClick();
    void txtKeyword_KeyPress(int keyAscii);
    void txtKeyword_LostFocus();
    // Ends an open name or keyword edit as leaving its box does: before a save.
    void endInPlaceEdits();
    // Locked while a dialog or an edit in place is open: the book must not change then.
    [[nodiscard]] bool isBusy() const;

    // The run's history: the entries added, deleted and changed here go into it, and its
    // keys work in the window. Without one nothing is kept.
    void setHistory(QUndoStack *history);
    // While todoFiled is sent: the step the filing makes, which the slot's letting go
    // joins, so that both are undone as one. Null without a history.
    [[nodiscard]] QUndoCommand *filingStep() const { return m_filing; }

signals:
    // The pair of that slot's to-do is in the phone book: the slot may let it go.
    void todoFiled(int slot, const QString &text);

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The entry with that index as it is now, if there is one.
    [[nodiscard]] std::optional<phoneentry> entryOf(const QString &index) const;
    // A change of the entry: its state before and after as one step of the history.
    void record(const QString &name, std::optional<phoneentry> before,
                std::optional<phoneentry> after);
    void createControls();
    void createEditors();
    void connectControls();
    void Form_Paint();
    void deleteIndex();
    void select(int pos);
    // Shows the selected entry afresh, with that pair's row current.
    void showSelected(int pair);
    // What the dialogs hand back.
    Refusal storeNewPair(const NewPair &pair);
    Refusal storeIndex(const QString &typed);
    void storePair(int pair, const QString &type, const QString &number);
    void removePair(int pair);
    void showPairs(const phoneentry &entry);
    // After the book was read again: the entry shown before, if it is still there.
    void showAfterReload();
    void askDelete();
    // Hides an in-place box without its focus loss counting as the end of the edit.
    void hideQuietly(QLineEdit *box, QLabel *label);
    // Shows the box over the label; returns the index of the entry being edited.
    std::optional<QString> beginInPlaceEdit(QLabel *label, QLineEdit *box);
    void storeName();
    void storeKeyword();

    PhoneBook &m_book;
    PhoneTypes &m_types;
    Prompter &m_prompter;
    frmADDphone *m_addDialog = nullptr;
    frmPhoneChange *m_phoneChangeDialog = nullptr;
    frmIndexChange *m_indexChangeDialog = nullptr;
    QListView *lstIndex = nullptr;
    QLineEdit *txtTel = nullptr;
    QTableWidget *gridTel = nullptr;
    QLabel *lblName = nullptr;
    QLineEdit *txtName = nullptr;
    QLabel *lblKeyword = nullptr;
    QLineEdit *txtKeyword = nullptr;
    QPushButton *cmdFind = nullptr;
    QPushButton *cmdDelete = nullptr;
    QPushButton *cmdAdd = nullptr;
    QPushButton *cmdClose = nullptr;

    // The to-do the add dialog was opened for, if it was.
    struct TodoOrigin {
        int slot = -1;
        QString text;
    };
    std::optional<TodoOrigin> m_fromTodo;
    // The pair row the change dialog works on, current again once it closes.
    int m_pairShown = 0;
    // Where the next name and keyword search starts.
    int m_nextFind = 0;
    int m_searchPos = 0;
    // An entry that 検索 or a rename selected: a repaint shows it rather than selecting
    // by the search text again, as long as it stays selected.
    std::optional<int> m_keptSelection;
    QUndoStack *m_history = nullptr;
    QUndoCommand *m_filing = nullptr;
    int m_previousLength = 0;
    // The index of the entry an in-place edit started on: it gets the text, whatever
    // is selected when the edit ends.
    std::optional<QString> m_nameEntry;
    QString m_shownBeforeReload; // the index shown when the book was read again
    std::optional<QString> m_keywordEntry;
    focus::QuietHider m_hider;
};
