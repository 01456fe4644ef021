// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class PhoneBook;
class PhoneTypes;
class Prompter;
class QComboBox;
class QLineEdit;
class QPushButton;
class frmTel;

// Changes, adds or deletes one type/number pair of the entry selected in the phone book
// window.
class frmPhoneChange : public QDialog {
    Q_OBJECT
public:
    frmPhoneChange(frmTel &tel, PhoneBook &book, PhoneTypes &types, Prompter &prompter);

    // Modal, on that pair (a pair beyond the last one adds a pair), with the type and the
    // number the grid shows for it.
    void changePair(int pair, const QString &type, const QString &number);

    void cmdOK_Click();
    void cmdDelete_Click();
    void cmdCancel_Click();
    void reject() override; // Escape and the close box

private:
    void finish(int currentPair);

    frmTel &m_tel;
    PhoneBook &m_book;
    PhoneTypes &m_types;
    Prompter &m_prompter;
    int m_pair = 0;

    QComboBox *cboType = nullptr;
    QLineEdit *txtPhonenumber = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdDelete = nullptr;
    QPushButton *cmdCancel = nullptr;
};
