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
class frmADDphone;
class frmIndexChange;
class frmPhoneChange;

// The phone book window: indexes on the left, the selected entry on the right.
class frmTel : public QWidget {
    Q_OBJECT
public:
    frmTel(PhoneBook &book, PhoneTypes &types, Prompter &prompter);

    // The add dialog, created on first use; its type box holds the phone types.
    frmADDphone &addDialog();
    // The pair and index change dialogs, created on first use.
    frmPhoneChange &phoneChangeDialog();
    frmIndexChange &indexChangeDialog();

    // Where the next name and keyword search starts.
    qint16 nfind = 0;

    // Locks the controls while a dialog or an in-place edit runs, and unlocks them.
    void disablechange();
    void enablechange();

    // The table operations of the phone book, for its dialogs.
    bool douhavethisindex(const QString &newindex, QString &name, QString &keys, qint16 &numphone,
                          phoneentry::Pairs &phonetype, phoneentry::Pairs &phonenumber) const;
    // False when a new entry does not fit: the user was told.
    bool add(const QString &newindex, const QString &name, const QString &keys, qint16 numphone,
             const phoneentry::Pairs &phonetype, const phoneentry::Pairs &phonenumber);
    void changethis(const QString &newindex);

    // Selects by the search box's text; runs on every change of it and every repaint.
    void txtTel_Change();
    // Puts a text into the search box, which selects by it.
    void setSearchText(const QString &text);

    [[nodiscard]] int selectedIndex() const;
    // Shows the selected entry afresh, with that pair's row current.
    void showSelected(int pair);

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

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void createEditors();
    void connectControls();
    void Form_Paint();
    void deleteIndex();
    void select(int pos);
    void showPairs(const phoneentry &entry);
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

    int m_searchPos = 0;
    // An entry that 検索 or a rename selected: a repaint shows it rather than selecting
    // by the search text again, as long as it stays selected.
    std::optional<int> m_keptSelection;
    int m_previousLength = 0;
    // The index of the entry an in-place edit started on: it gets the text, whatever
    // is selected when the edit ends.
    std::optional<QString> m_nameEntry;
    std::optional<QString> m_keywordEntry;
    focus::QuietHider m_hider;
};
