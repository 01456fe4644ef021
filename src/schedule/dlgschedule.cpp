// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dlgschedule.h"

#include "text/classifier.h"
#include "text/clock.h"
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

namespace {

QLineEdit *addField(QDialog *dialog, const char *name, const QString &caption, const char *labelName,
                    int top)
{
    auto *label = new QLabel(caption, dialog);
    label->setObjectName(QLatin1String(labelName));
    label->setGeometry(twipsRect(120, top + 30, 615, 255));
    auto *box = new QLineEdit(dialog);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(twipsRect(840, top, 3855, 315));
    box->setFont(pGothicFont());
    a11y::label(label, box);
    return box;
}

QPushButton *addButton(QDialog *dialog, const char *name, const QString &caption, int left)
{
    return windows::button(dialog, name, caption, twipsRect(left, 1740, 1095, 375));
}

} // namespace

dlgSchedule::dlgSchedule(const Clock &clock, Prompter &prompter, Store store, QWidget *parent)
    : QDialog(parent), m_clock(clock), m_prompter(prompter), m_store(std::move(store))
{
    setObjectName(QStringLiteral("dlgSchedule"));
    setWindowTitle(QStringLiteral("予定の編集"));
    windows::fixSize(*this, twips(4920), twips(2310));
    txtDate = addField(this, "txtDate", QStringLiteral("日付"), "lblDate", 120);
    txtTime = addField(this, "txtTime", QStringLiteral("時間"), "lblTime", 540);
    txtEvent = addField(this, "txtEvent", QStringLiteral("用件"), "lblEvent", 960);
    TypedTextValidator::install(txtDate, TypedTextValidator::Field);
    TypedTextValidator::install(txtTime, TypedTextValidator::Field);
    TypedTextValidator::install(txtEvent, TypedTextValidator::Field);
    lblHint = new QLabel(this);
    lblHint->setObjectName(QStringLiteral("lblHint"));
    lblHint->setGeometry(twipsRect(120, 1380, 4575, 255));
    a11y::nameWhenEmpty(lblHint, QStringLiteral("ヒント"));
    cmdOK = addButton(this, "cmdOK", QStringLiteral("OK"), 2160);
    cmdCancel = addButton(this, "cmdCancel", QStringLiteral("キャンセル"), 3360);
    connect(cmdOK, &QPushButton::clicked, this, &dlgSchedule::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &dlgSchedule::cmdCancel_Click);
    connect(txtEvent, &QLineEdit::textChanged, this, &dlgSchedule::txtEvent_Change);
    a11y::orderTabs(*this);
}

void dlgSchedule::showWith(qint16 newMode, const QString &date, const QString &time,
                           const QString &event)
{
    txtDate->setText(date);
    txtTime->setText(time);
    txtEvent->setText(event);
    mode = newMode;
    windows::showModal(*this);
    txtDate->setFocus();
}

void dlgSchedule::txtEvent_Change()
{
    cmdOK->setDefault(true);
}

void dlgSchedule::refuse(QLineEdit *box, const QString &message)
{
    m_prompter.inform(message);
    box->setSelection(0, int(box->text().size()));
    box->setFocus();
}

void dlgSchedule::cmdOK_Click()
{
    composition::commit();
    if (!isDateText(txtDate->text(), m_clock.today()))
        return refuse(txtDate, QStringLiteral("有効な日付を入力して下さい"));
    if (!isTimeText(txtTime->text()))
        return refuse(txtTime, QStringLiteral("有効な時間を入力して下さい"));
    if ((mode == NewEntry || mode == ChangeEntry)
        && !m_store(mode, txtDate->text(), txtTime->text(), txtEvent->text()))
        return;
    finish();
}

void dlgSchedule::cmdCancel_Click()
{
    finish();
}

void dlgSchedule::reject()
{
    cmdCancel_Click();
}

void dlgSchedule::finish()
{
    hide();
    cmdOK->setDefault(false);
}
