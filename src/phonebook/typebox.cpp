// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "typebox.h"

#include "phonetypes.h"
#include "ui/typedtextvalidator.h"

#include <QComboBox>
#include <QLineEdit>

namespace typebox {

QComboBox *create(QWidget *parent, PhoneTypes &types)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(QStringLiteral("cboType"));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
    box->setModel(&types);
    TypedTextValidator::install(box->lineEdit(), TypedTextValidator::Field);
    return box;
}

void showType(QComboBox *box, const PhoneTypes &types, const QString &type)
{
    const int row = types.whichtype(type);
    box->setCurrentIndex(row);
    if (row < 0)
        box->setEditText(type);
}

} // namespace typebox
