// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmindexchange.h"

#include "refusals.h"
#include "ui/access.h"
#include "ui/composition.h"
#include "ui/fonts.h"
#include "ui/prompter.h"
#include "ui/twips.h"
#include "ui/typedtextvalidator.h"
#include "ui/windows.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

frmIndexChange::frmIndexChange(Prompter &prompter, Store store, QWidget *parent)
    : QDialog(parent), m_prompter(prompter), m_store(std::move(store))
{
    setObjectName(QStringLiteral("frmIndexChange"));
    setWindowTitle(QStringLiteral("indexの変更"));
    windows::fixSize(*this, twips(4575), twips(1455));

    auto *label = new QLabel(QStringLiteral("indexを変更し、OKボタンを押して下さい"), this);
    label->setObjectName(QStringLiteral("Label1"));
    label->setGeometry(twipsRect(120, 120, 4335, 255));
    txtIndex = new QLineEdit(this);
    txtIndex->setObjectName(QStringLiteral("txtIndex"));
    txtIndex->setGeometry(twipsRect(120, 420, 4335, 315));
    txtIndex->setFont(pGothicFont());
    TypedTextValidator::install(txtIndex, TypedTextValidator::Field);
    composition::asksLatin(txtIndex);

    cmdOK = windows::button(this, "cmdOK", QStringLiteral("OK"), twipsRect(2160, 900, 1095, 375));
    cmdCancel = windows::button(this, "cmdCancel", QStringLiteral("キャンセル"),
                                twipsRect(3360, 900, 1095, 375));
    cmdOK->setDefault(true); // Enter; Escape reaches reject(), which cancels
    connect(cmdOK, &QPushButton::clicked, this, &frmIndexChange::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmIndexChange::cmdCancel_Click);
    a11y::label(label, txtIndex);
    a11y::orderTabs(*this);
}

void frmIndexChange::changeIndex(const QString &index)
{
    txtIndex->setText(index);
    windows::showModal(*this);
}

void frmIndexChange::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Typing replaces the old index.
    txtIndex->setFocus();
    txtIndex->selectAll();
}

void frmIndexChange::cmdOK_Click()
{
    composition::commit();
    const QString typed = txtIndex->text();
    if (const Refusal refused = m_store(typed); refused != Refusal::None) {
        m_prompter.inform(refusalMessage(refused, typed));
        txtIndex->setFocus();
        txtIndex->selectAll();
        return;
    }
    done(Accepted);
}

void frmIndexChange::cmdCancel_Click()
{
    done(Rejected);
}

void frmIndexChange::reject()
{
    cmdCancel_Click();
}
