// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class PhoneBook;
class Prompter;
class QLineEdit;
class QPushButton;
class frmTel;

// Gives the entry selected in the phone book window a new index.
class frmIndexChange : public QDialog {
    Q_OBJECT
public:
    frmIndexChange(frmTel &tel, const PhoneBook &book, Prompter &prompter);

    // Modal, with the entry's current index.
    void changeIndex(const QString &index);

    void cmdOK_Click();
    void cmdCancel_Click();
    void reject() override; // Escape and the close box

protected:
    void showEvent(QShowEvent *event) override;

private:
    void refuse(const QString &message);

    frmTel &m_tel;
    const PhoneBook &m_book;
    Prompter &m_prompter;

    QLineEdit *txtIndex = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;
};
