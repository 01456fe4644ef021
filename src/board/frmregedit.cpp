// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmregedit.h"

#include "ui/access.h"
#include "ui/twips.h"
#include "ui/windows.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

frmRegEdit::frmRegEdit(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmRegEdit"));
    setWindowTitle(QStringLiteral("エディタ登録"));
    windows::fixSize(*this, twips(4575), twips(1455));
    auto *prompt = new QLabel(QStringLiteral("使用するエディタの場所を指定して下さい。"), this);
    prompt->setObjectName(QStringLiteral("Label1"));
    prompt->setGeometry(twipsRect(120, 120, 4335, 255));
    txtEditor = new QLineEdit(QStringLiteral("c:\\windows\\notepad.exe"), this);
    txtEditor->setObjectName(QStringLiteral("txtEditor"));
    txtEditor->setGeometry(twipsRect(120, 420, 4335, 315));
    cmdOK = windows::button(this, "cmdOK", QStringLiteral("OK"), twipsRect(2160, 900, 1095, 375));
    cmdCancel = windows::button(this, "cmdCancel", QStringLiteral("キャンセル"),
                                twipsRect(3360, 900, 1095, 375));
    cmdCancel->setDefault(true); // Enter; Escape reaches reject(), which hides as well
    connect(cmdOK, &QPushButton::clicked, this, &frmRegEdit::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmRegEdit::cmdCancel_Click);
    a11y::label(prompt, txtEditor);
    a11y::orderTabs(*this);
}
