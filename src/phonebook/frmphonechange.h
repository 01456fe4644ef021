// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <functional>

class PhoneTypes;
class Prompter;
class QComboBox;
class QLineEdit;
class QPushButton;

// Changes, adds or deletes one type/number pair of the entry selected in the phone book
// window. It collects the pair; the opener stores it and hears how the dialog ended from
// finished().
class frmPhoneChange : public QDialog {
    Q_OBJECT
public:
    // What OK hands back: the pair as typed, for that pair of the entry (one beyond the
    // last adds a pair). What 削除 hands back: the pair to remove.
    using Store = std::function<void(int pair, const QString &type, const QString &number)>;
    using Remove = std::function<void(int pair)>;

    frmPhoneChange(PhoneTypes &types, Prompter &prompter, Store store, Remove remove,
                   QWidget *parent);

    // Modal, on that pair (a pair beyond the last one adds a pair), with the type and the
    // number the grid shows for it.
    void changePair(int pair, const QString &type, const QString &number);

    void cmdOK_Click();
    void cmdDelete_Click();
    void cmdCancel_Click();
    void reject() override; // Escape and the close box

private:
    PhoneTypes &m_types;
    Prompter &m_prompter;
    Store m_store;
    Remove m_remove;
    int m_pair = 0;

    QComboBox *cboType = nullptr;
    QLineEdit *txtPhonenumber = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdDelete = nullptr;
    QPushButton *cmdCancel = nullptr;
};
