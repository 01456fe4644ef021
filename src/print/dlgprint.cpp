// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dlgprint.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

QDateEdit *dateBox(QWidget *parent, const char *name, QDate date)
{
    auto *box = new QDateEdit(date, parent);
    box->setObjectName(QLatin1String(name));
    box->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
    box->setCalendarPopup(true);
    return box;
}

// A choice and, beside it, what it needs; those are usable only while it is chosen.
QRadioButton *option(QVBoxLayout *column, const char *name, const QString &caption,
                     const QList<QWidget *> &details)
{
    auto *row = new QHBoxLayout;
    auto *radio = new QRadioButton(caption);
    radio->setObjectName(QLatin1String(name));
    row->addWidget(radio);
    for (QWidget *detail : details) {
        row->addWidget(detail);
        detail->setEnabled(false);
        QObject::connect(radio, &QRadioButton::toggled, detail, &QWidget::setEnabled);
    }
    row->addStretch();
    column->addLayout(row);
    return radio;
}

} // namespace

dlgPrint::dlgPrint(QDate today, bool haveSelectedEntry, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("dlgPrint"));
    setWindowTitle(QStringLiteral("印刷"));
    auto *column = new QVBoxLayout(this);
    dtpFrom = dateBox(this, "dtpFrom", today);
    spnDays = new QSpinBox(this);
    spnDays->setObjectName(QStringLiteral("spnDays"));
    spnDays->setRange(1, 366);
    spnDays->setValue(14);
    spnDays->setSuffix(QStringLiteral(" 日間"));
    spnDays->setAccessibleName(QStringLiteral("日数"));
    dtpFrom->setAccessibleName(QStringLiteral("予定表の最初の日"));
    optSchedule = option(column, "optSchedule", QStringLiteral("予定表(&S)"), {dtpFrom, spnDays});
    chkSelected = new QCheckBox(QStringLiteral("選んでいる項目だけ"), this);
    chkSelected->setObjectName(QStringLiteral("chkSelected"));
    optPhone = option(column, "optPhone", QStringLiteral("電話帳(&T)"), {chkSelected});
    if (!haveSelectedEntry)
        disconnect(optPhone, nullptr, chkSelected, nullptr); // nothing selected to print
    dtpDoneFrom = dateBox(this, "dtpDoneFrom", today.addDays(-6));
    dtpDoneTo = dateBox(this, "dtpDoneTo", today);
    dtpDoneFrom->setAccessibleName(QStringLiteral("やった事の最初の日"));
    dtpDoneTo->setAccessibleName(QStringLiteral("やった事の最後の日"));
    auto *until = new QLabel(QStringLiteral("～"), this);
    optDone = option(column, "optDone", QStringLiteral("やった事(&D)"), {dtpDoneFrom, until, dtpDoneTo});
    optBoard = option(column, "optBoard", QStringLiteral("ボード(&B)"), {});
    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)
        ->setObjectName(QStringLiteral("cmdOK"));
    buttons->addButton(QStringLiteral("キャンセル"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("cmdCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    column->addWidget(buttons);
    optSchedule->setChecked(true);
}

PrintChoice dlgPrint::choice() const
{
    PrintChoice c;
    c.what = optPhone->isChecked()  ? PrintChoice::PhoneBook
             : optDone->isChecked() ? PrintChoice::Done
             : optBoard->isChecked() ? PrintChoice::Board
                                     : PrintChoice::Schedule;
    c.from = c.what == PrintChoice::Done ? dtpDoneFrom->date() : dtpFrom->date();
    c.days = spnDays->value();
    c.to = dtpDoneTo->date();
    c.onlySelected = chkSelected->isEnabled() && chkSelected->isChecked();
    return c;
}
