// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmphonechange.h"

#include "typebox.h"
#include "text/classifier.h"
#include "text/narrow.h"
#include "ui/access.h"
#include "ui/composition.h"
#include "ui/fonts.h"
#include "ui/prompter.h"
#include "ui/twips.h"
#include "ui/typedtextvalidator.h"
#include "ui/windows.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QLabel *caption(QWidget *parent, const char *name, const QString &text, int top)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(twipsRect(120, top, 4455, 255));
    return label;
}

QPushButton *addButton(QDialog *dialog, const char *name, const QString &text, int left)
{
    return windows::button(dialog, name, text, twipsRect(left, 1560, 1095, 375));
}

} // namespace

frmPhoneChange::frmPhoneChange(PhoneTypes &types, Prompter &prompter, Store store,
                               Remove remove, QWidget *parent)
    : QDialog(parent), m_types(types), m_prompter(prompter), m_store(std::move(store)),
      m_remove(std::move(remove))
{
    setObjectName(QStringLiteral("frmPhoneChange"));
    setWindowTitle(QStringLiteral("電話番号の変更"));
    windows::fixSize(*this, twips(4695), twips(2085));

    QLabel *typeCaption = caption(this, "Label3", QStringLiteral("種類"), 120);
    cboType = typebox::create(this, m_types);
    cboType->setGeometry(twipsRect(120, 375, 2415, 315));
    cboType->setFont(pGothicFont());
    QLabel *numberCaption = caption(this, "Label4", QStringLiteral("電話番号、アドレス、その他"), 810);
    txtPhonenumber = new QLineEdit(this);
    txtPhonenumber->setObjectName(QStringLiteral("txtPhonenumber"));
    txtPhonenumber->setGeometry(twipsRect(120, 1065, 4455, 315));
    txtPhonenumber->setFont(pGothicFont());
    TypedTextValidator::install(txtPhonenumber, TypedTextValidator::Field);
    composition::prefersNumbers(txtPhonenumber);

    cmdOK = addButton(this, "cmdOK", QStringLiteral("OK"), 1080);
    cmdDelete = addButton(this, "cmdDelete", QStringLiteral("削除"), 2280);
    cmdCancel = addButton(this, "cmdCancel", QStringLiteral("キャンセル"), 3480);
    connect(cmdOK, &QPushButton::clicked, this, &frmPhoneChange::cmdOK_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &frmPhoneChange::cmdDelete_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmPhoneChange::cmdCancel_Click);
    a11y::label(typeCaption, cboType);
    a11y::label(numberCaption, txtPhonenumber);
    a11y::orderTabs(*this);
}

void frmPhoneChange::changePair(int pair, const QString &type, const QString &number)
{
    m_pair = pair;
    txtPhonenumber->setText(number);
    typebox::showType(cboType, m_types, type);
    windows::showModal(*this);
    txtPhonenumber->setFocus();
}

void frmPhoneChange::cmdOK_Click()
{
    composition::commit();
    // The test reads the narrowed number; the entry gets the number as typed.
    const QString number = txtPhonenumber->text();
    if (phoneNumberKind(narrow(number)) == PhoneNone
        && !m_prompter.askOkCancel(
            QStringLiteral("よくわからない電話番号ですがこれでよろしいですか？"))) {
        txtPhonenumber->setFocus();
        return;
    }
    m_store(m_pair, cboType->currentText(), number);
    done(Accepted);
}

void frmPhoneChange::cmdDelete_Click()
{
    if (!m_prompter.askYesNo(QStringLiteral("この電話番号を削除します。よろしいですか？")))
        return;
    m_remove(m_pair);
    done(Accepted);
}

void frmPhoneChange::cmdCancel_Click()
{
    done(Rejected);
}

void frmPhoneChange::reject()
{
    cmdCancel_Click();
}
