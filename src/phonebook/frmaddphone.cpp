// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmaddphone.h"

#include "frmtel.h"
#include "phonetypes.h"
#include "typebox.h"
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

// Blanks only, as the index is typed.
bool isBlank(const QString &text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c == QLatin1Char(' '); });
}

} // namespace

frmADDphone::frmADDphone(frmTel &tel, PhoneTypes &types, Prompter &prompter)
    : QDialog(&tel), m_tel(tel), m_types(types), m_prompter(prompter)
{
    setObjectName(QStringLiteral("frmADDphone"));
    setWindowTitle(QStringLiteral("電話帳に追加"));
    setFixedSize(twips(6000), twips(3600));
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
                                const QStringList &aphonenumber, const QStringList &aphonetype,
                                qint16 todoi, const QString &akeys, const QString &todoText)
{
    addmode = FromTodo;
    nphone = qint16(std::min<qsizetype>(aphonenumber.size(), phoneentry::MaxPairs));
    todoslot = todoi;
    keys = akeys;
    index = aindex;
    name = aname;
    m_todoText = todoText;
    phonetype = {};
    phonenumber = {};
    for (int j = 0; j < nphone; ++j) {
        phonenumber[j] = aphonenumber.at(j);
        phonetype[j] = aphonetype.value(j);
    }

    windows::showModeless(m_tel);
    windows::showModeless(*this);

    lblHint->clear();
    txtIndex->setText(index);
    txtName->setText(name);
    txtTel->setText(phonenumber[0]);
    txtKeyword->setText(keys);
    txtIndex->setFocus();

    QString ignoredName;
    if (m_tel.douhavethisindex(index, ignoredName, keys, nphone, phonetype, phonenumber)) {
        m_tel.setSearchText(index);
        lblHint->setText(QStringLiteral("既存の ") + index
                         + QStringLiteral(" にこの項目を追加します。それでよい場合は、追加を押して下さい"));
        existflag = -1;
    } else {
        existflag = 1;
        lblHint->setText(QStringLiteral("新規の") + index
                         + QStringLiteral("を電話帳に追加します。よければ、追加を押して下さい。"));
    }
}

void frmADDphone::newadd2phonebook()
{
    addmode = FromPhoneBook;
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

void frmADDphone::refuse(const QString &message, bool selectAll)
{
    m_prompter.inform(message);
    txtIndex->setFocus();
    if (selectAll)
        txtIndex->selectAll();
}

void frmADDphone::cmdAdd_Click()
{
    composition::commit();
    const QString typed = txtIndex->text();
    if (isBlank(typed))
        return refuse(QStringLiteral("indexを入力して下さい。"), false);
    if (!isIndexText(narrow(typed)))
        return refuse(QStringLiteral("indexはalphabetと数字のみで構成して下さい。"), true);
    QString existingName;
    QString existingKeys;
    qint16 count = 0;
    phoneentry::Pairs types;
    phoneentry::Pairs numbers;
    // Looked up now, not when the dialog opened: the index box or the book may have
    // changed since, and a stale answer would overwrite an entry's pairs.
    const bool exists =
        m_tel.douhavethisindex(typed, existingName, existingKeys, count, types, numbers);
    if (addmode == FromPhoneBook && exists)
        return refuse(QStringLiteral("そのindexはすでに使用されています。新規のindexを入力して下さい。"),
                      false);
    // From a to-do, an existing entry gets the pair after its own; else a new entry.
    const bool appends = addmode == FromTodo && exists;
    if (appends && count >= phoneentry::MaxPairs) {
        m_prompter.inform(QStringLiteral("%1 にはすでに%2件の番号があります。\n"
                                         "これ以上は追加できません。")
                              .arg(typed)
                              .arg(phoneentry::MaxPairs));
        return;
    }
    nphone = qint16(appends ? count + 1 : 1);
    phonetype = appends ? types : phoneentry::Pairs{};
    phonenumber = appends ? numbers : phoneentry::Pairs{};
    keys = txtKeyword->text();
    name = txtName->text();
    phonetype[nphone - 1] = cboType->currentText();
    phonenumber[nphone - 1] = txtTel->text();
    if (!m_tel.add(typed, name, keys, nphone, phonetype, phonenumber))
        return; // the book is full; the user was told
    if (addmode == FromTodo)
        emit todoFiled(todoslot, m_todoText);
    finish();
}

void frmADDphone::cmdCancel_Click()
{
    finish();
}

void frmADDphone::reject()
{
    cmdCancel_Click();
}

void frmADDphone::finish()
{
    hide();
    m_tel.enablechange();
}
