// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "phonebook.h"

#include <QDialog>

class PhoneTypes;
class Prompter;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class frmTel;

// Adds one type/number pair to the phone book, under a new index or an existing one.
// Its type box shows the program's list of phone types.
class frmADDphone : public QDialog {
    Q_OBJECT
public:
    frmADDphone(frmTel &tel, PhoneTypes &types, Prompter &prompter);

    static constexpr qint16 FromTodo = 200;
    static constexpr qint16 FromPhoneBook = 100;

    qint16 addmode = FromPhoneBook;
    qint16 existflag = 1;  // -1 when the to-do's index is already in the book
    qint16 todoslot = -1;
    QString index;
    QString name;
    QString keys;
    qint16 nphone = 0;
    phoneentry::Pairs phonetype;
    phoneentry::Pairs phonenumber;

    // From a to-do that holds phone numbers: the phone book window and this dialog, both
    // modeless, with the first number offered. todoText is the slot's text, which leaves
    // the slot once the pair is added.
    void add2phonebook(const QString &aindex, const QString &aname,
                       const QStringList &aphonenumber, const QStringList &aphonetype,
                       qint16 todoi, const QString &akeys, const QString &todoText);
    // From the phone book window's 新規, which has locked its controls: modal.
    void newadd2phonebook();

    // The position of the first phone type equal to the text, or -1.
    [[nodiscard]] qint16 whichtype(const QString &type) const;

    void cmdAdd_Click();
    void cmdCancel_Click();
    void txtIndex_Change();
    void reject() override; // Escape and the close box

signals:
    // The pair from that slot's to-do is in the phone book: the slot may let it go.
    void todoFiled(int slot, const QString &text);

private:
    void createControls();
    void keepTypeTextOverListChanges();
    void refuse(const QString &message, bool selectAll);
    void finish();

    frmTel &m_tel;
    PhoneTypes &m_types;
    Prompter &m_prompter;
    QString m_todoText;
    QString m_typeTextKept;

    QLineEdit *txtIndex = nullptr;
    QLineEdit *txtName = nullptr;
    QComboBox *cboType = nullptr;
    QLineEdit *txtTel = nullptr;
    QLineEdit *txtKeyword = nullptr;
    QLabel *lblHint = nullptr;
    QPushButton *cmdAdd = nullptr;
    QPushButton *cmdCancel = nullptr;
};
