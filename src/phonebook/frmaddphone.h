// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "phonebook.h"

#include <QDialog>

#include <functional>

class PhoneTypes;
class Prompter;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// Adds one type/number pair to the phone book, under a new index or an existing one.
// Its type box shows the program's list of phone types. It collects the values; the
// opener adds them and hears how the dialog ended from finished().
class frmADDphone : public QDialog {
    Q_OBJECT
public:
    // What 追加 hands back: the pair with its entry as typed. The opener adds it, or says
    // why the phone book refused it, and the dialog stays open.
    using Store = std::function<Refusal(const NewPair &pair)>;

    frmADDphone(PhoneTypes &types, Prompter &prompter, Store store, QWidget *parent);

    // From a to-do: modeless, the first of its numbers offered; the hint tells whether
    // the index is an existing entry's, to which the pair is then added.
    void add2phonebook(const QString &aindex, const QString &aname, const QString &anumber,
                       const QString &akeys, bool indexExists);
    // From the phone book window's 新規: modal; the boxes keep what the last use left.
    void newadd2phonebook();

    // The position of the first phone type equal to the text, or -1.
    [[nodiscard]] qint16 whichtype(const QString &type) const;

    void cmdAdd_Click();
    void cmdCancel_Click();
    void txtIndex_Change();
    void reject() override; // Escape and the close box

private:
    void createControls();
    void keepTypeTextOverListChanges();
    void refuse(Refusal refusal, const QString &index);

    PhoneTypes &m_types;
    Prompter &m_prompter;
    Store m_store;
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
