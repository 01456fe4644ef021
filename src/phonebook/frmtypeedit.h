// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "phonetypes.h"

#include <QWidget>

class Prompter;
class QUndoStack;
class QListView;
class QPushButton;
class dlgTypeEdit;

// The editor of the phone types: works on a copy that OK puts in place of the list.
class frmTypeEdit : public QWidget {
    Q_OBJECT
public:
    frmTypeEdit(PhoneTypes &types, Prompter &prompter);

    // Shows the editor on the current list, each type once; unconfirmed edits go.
    void open();

    // The selected row, or -1.
    [[nodiscard]] int selectedIndex() const;
    [[nodiscard]] dlgTypeEdit &typeDialog();

    void cmdNew_Click();
    void cmdTrash_Click();
    void cmdUp_Click();
    void cmdDown_Click();
    void cmdClose_Click();
    void lstType_DblClick();

    // The run's history: the list put back by 閉じる becomes one step of it, and its keys
    // work in the window.
    void setHistory(QUndoStack *history);

private:
    void createControls();
    void select(int row);
    void store(qint16 mode, const QString &type);

    PhoneTypes &m_types;
    Prompter &m_prompter;
    PhoneTypeDraft m_draft;
    QUndoStack *m_history = nullptr;
    dlgTypeEdit *m_dialog = nullptr;
    QListView *lstType = nullptr;
    QPushButton *cmdNew = nullptr;
    QPushButton *cmdTrash = nullptr;
    QPushButton *cmdUp = nullptr;
    QPushButton *cmdDown = nullptr;
    QPushButton *cmdClose = nullptr;
};
