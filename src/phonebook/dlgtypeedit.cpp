// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dlgtypeedit.h"

#include "ui/access.h"
#include "ui/composition.h"
#include "ui/fonts.h"
#include "ui/twips.h"
#include "ui/typedtextvalidator.h"
#include "ui/windows.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QPushButton *addButton(QDialog *dialog, const char *name, const QString &caption, int left)
{
    return windows::button(dialog, name, caption, twipsRect(left, 900, 1095, 375));
}

} // namespace

dlgTypeEdit::dlgTypeEdit(Store store, QWidget *parent) : QDialog(parent), m_store(std::move(store))
{
    setObjectName(QStringLiteral("dlgTypeEdit"));
    setWindowTitle(QStringLiteral("電話帳の種類の編集"));
    windows::fixSize(*this, twips(4575), twips(1455));
    lblHelp = new QLabel(this);
    lblHelp->setObjectName(QStringLiteral("lblHelp"));
    lblHelp->setGeometry(twipsRect(120, 120, 4335, 255));
    a11y::nameWhenEmpty(lblHelp, QStringLiteral("説明"));
    txtType = new QLineEdit(this);
    txtType->setObjectName(QStringLiteral("txtType"));
    txtType->setGeometry(twipsRect(120, 420, 4335, 315));
    txtType->setFont(pGothicFont());
    txtType->setAccessibleName(QStringLiteral("種類"));
    // type.txt has no fields: a comma is part of the type.
    TypedTextValidator::install(txtType, TypedTextValidator::Plain);
    cmdOK = addButton(this, "cmdOK", QStringLiteral("OK"), 2160);
    cmdCancel = addButton(this, "cmdCancel", QStringLiteral("キャンセル"), 3360);
    connect(cmdOK, &QPushButton::clicked, this, &dlgTypeEdit::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &dlgTypeEdit::cmdCancel_Click);
    a11y::orderTabs(*this);
}

void dlgTypeEdit::setTypeText(const QString &text)
{
    txtType->setText(text);
}

void dlgTypeEdit::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    prepare();
}

// Prepared when shown only: preparing again on a later repaint would empty what the
// user has typed for a new type.
void dlgTypeEdit::prepare()
{
    if (mode == NewType) {
        lblHelp->setText(QStringLiteral("新しい種類を入力し、OKボタンを押して下さい"));
        txtType->clear();
    } else if (mode == ChangeType) {
        lblHelp->setText(QStringLiteral(" 種類を変更し、OKボタンを押して下さい"));
    }
    txtType->setFocus();
}

void dlgTypeEdit::cmdOK_Click()
{
    composition::commit();
    m_store(mode, txtType->text());
    hide();
}

void dlgTypeEdit::cmdCancel_Click()
{
    hide();
}

void dlgTypeEdit::reject()
{
    cmdCancel_Click();
}
