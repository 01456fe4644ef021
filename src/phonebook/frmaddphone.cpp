// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmaddphone.h"

#include "phonetypes.h"
#include "refusals.h"
#include "typebox.h"
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

constexpr int BoxLeft = 2640;
constexpr int BoxWidth = 3240;

template <typename Box>
Box *placeRow(QDialog *dialog, Box *box, const QString &caption, int top)
{
    auto *label = new QLabel(caption, dialog);
    label->setObjectName(QStringLiteral("lbl") + box->objectName().mid(3)); // txtName: lblName
    label->setGeometry(twipsRect(120, top + 30, BoxLeft - 240, 255));
    box->setGeometry(twipsRect(BoxLeft, top, BoxWidth, 315));
    box->setFont(pGothicFont());
    a11y::label(label, box);
    return box;
}

QLineEdit *addRow(QDialog *dialog, const char *name, const QString &caption, int top)
{
    auto *box = new QLineEdit(dialog);
    box->setObjectName(QLatin1String(name));
    return placeRow(dialog, box, caption, top);
}

QPushButton *addButton(QDialog *dialog, const char *name, const QString &caption, int left)
{
    return windows::button(dialog, name, caption, twipsRect(left, 3000, 1095, 375));
}

} // namespace

frmADDphone::frmADDphone(PhoneTypes &types, Prompter &prompter, Store store, QWidget *parent)
    : QDialog(parent), m_types(types), m_prompter(prompter), m_store(std::move(store))
{
    setObjectName(QStringLiteral("frmADDphone"));
    setWindowTitle(QStringLiteral("電話帳に追加"));
    windows::fixSize(*this, twips(6000), twips(3600));
    createControls();
    keepTypeTextOverListChanges();
    connect(cmdAdd, &QPushButton::clicked, this, &frmADDphone::cmdAdd_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmADDphone::cmdCancel_Click);
    connect(txtIndex, &QLineEdit::textChanged, this, &frmADDphone::txtIndex_Change);
}

void frmADDphone::createControls()
{
    txtIndex = addRow(this, "txtIndex", QStringLiteral("index(ローマ字)"), 120);
    txtName = addRow(this, "txtName", QStringLiteral("名前"), 540);
    cboType = placeRow(this, typebox::create(this, m_types), QStringLiteral("種類"), 960);
    txtTel = addRow(this, "txtTel", QStringLiteral("電話番号、アドレス、その他"), 1380);
    txtKeyword = addRow(this, "txtKeyword", QStringLiteral("キーワード"), 1800);

    cboType->setCurrentIndex(-1);
    cboType->setEditText(QStringLiteral("電話")); // not one of the types

    for (QLineEdit *box : {txtIndex, txtName, txtTel, txtKeyword})
        TypedTextValidator::install(box, TypedTextValidator::Field);
    composition::asksLatin(txtIndex);
    composition::prefersNumbers(txtTel);


    lblHint = new QLabel(this);
    lblHint->setObjectName(QStringLiteral("lblHint"));
    lblHint->setGeometry(twipsRect(120, 2280, 5760, 510));
    lblHint->setWordWrap(true);
    lblHint->setTextFormat(Qt::PlainText);
    a11y::nameWhenEmpty(lblHint, QStringLiteral("ヒント"));

    cmdAdd = addButton(this, "cmdAdd", QStringLiteral("追加"), 3480);
    cmdCancel = addButton(this, "cmdCancel", QStringLiteral("キャンセル"), 4680);
    a11y::orderTabs(*this);
}

void frmADDphone::keepTypeTextOverListChanges()
{
    // The type editor replaces the whole list; what the type box shows is the dialog's
    // own and stays.
    connect(&m_types, &QAbstractItemModel::modelAboutToBeReset, this,
            [this] { m_typeTextKept = cboType->currentText(); });
    connect(&m_types, &QAbstractItemModel::modelReset, this,
            [this] { cboType->setEditText(m_typeTextKept); });
}

void frmADDphone::add2phonebook(const QString &aindex, const QString &aname,
                                const QString &anumber, const QString &akeys, bool indexExists)
{
    windows::showModeless(*this);
    lblHint->clear();
    txtIndex->setText(aindex);
    txtName->setText(aname);
    txtTel->setText(anumber);
    txtKeyword->setText(akeys);
    txtIndex->setFocus();
    lblHint->setText(
        indexExists
            ? QStringLiteral("既存の ") + aindex
                  + QStringLiteral(" にこの項目を追加します。それでよい場合は、追加を押して下さい")
            : QStringLiteral("新規の") + aindex
                  + QStringLiteral("を電話帳に追加します。よければ、追加を押して下さい。"));
}

void frmADDphone::newadd2phonebook()
{
    if (m_types.rowCount() > 0)
        cboType->setCurrentIndex(0);
    windows::showModal(*this);
    txtIndex->setFocus();
}

qint16 frmADDphone::whichtype(const QString &type) const
{
    return m_types.whichtype(type);
}

void frmADDphone::txtIndex_Change()
{
    if (!txtIndex->text().isEmpty())
        cmdAdd->setDefault(true);
}

void frmADDphone::refuse(Refusal refusal, const QString &index)
{
    m_prompter.inform(refusalMessage(refusal, index));
    if (refusal == Refusal::PairsFull || refusal == Refusal::BookFull)
        return;
    txtIndex->setFocus();
    if (refusal == Refusal::NotLettersAndDigits)
        txtIndex->selectAll();
}

void frmADDphone::cmdAdd_Click()
{
    composition::commit();
    const NewPair pair{txtIndex->text(), txtName->text(), txtKeyword->text(),
                       cboType->currentText(), txtTel->text()};
    if (const Refusal refused = m_store(pair); refused != Refusal::None)
        return refuse(refused, pair.index);
    done(Accepted);
}

void frmADDphone::cmdCancel_Click()
{
    done(Rejected);
}

void frmADDphone::reject()
{
    cmdCancel_Click();
}
