// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "phonebook.h"

#include <QDialog>

#include <functional>

class Prompter;
class QLineEdit;
class QPushButton;

// Gives the entry selected in the phone book window a new index. It collects the index;
// the opener renames the entry and hears how the dialog ended from finished().
class frmIndexChange : public QDialog {
    Q_OBJECT
public:
    // What OK hands back: the index as typed. The opener renames the entry, or says why
    // the phone book refused the index, and the dialog stays open.
    using Store = std::function<Refusal(const QString &index)>;

    frmIndexChange(Prompter &prompter, Store store, QWidget *parent);

    // Modal, with the entry's current index.
    void changeIndex(const QString &index);

    void cmdOK_Click();
    void cmdCancel_Click();
    void reject() override; // Escape and the close box

protected:
    void showEvent(QShowEvent *event) override;

private:
    Prompter &m_prompter;
    Store m_store;

    QLineEdit *txtIndex = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;
};
