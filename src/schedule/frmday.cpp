// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmday.h"

#include "ui/access.h"
#include "ui/fonts.h"
#include "ui/twips.h"
#include "ui/windows.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {

QLabel *addLabel(QWidget *parent, const char *name, const QString &text, const QRect &geometry)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

frmDay::frmDay(const char *name, const QString &title, const QString &heading)
{
    setObjectName(QLatin1String(name));
    setWindowTitle(title);
    windows::fixSize(*this, twips(5400), twips(3600));
    lblSchedule = addLabel(this, "lblSchedule", heading, twipsRect(120, 480, 5160, 255));
    lstSchedule = new QListWidget(this);
    lstSchedule->setObjectName(QStringLiteral("lstSchedule"));
    lstSchedule->setGeometry(twipsRect(120, 780, 5160, 2100));
    lstSchedule->setFont(pGothicFont());
    lstSchedule->setSortingEnabled(false);
    cmdClose = windows::button(this, "cmdClose", QStringLiteral("閉じる"),
                               twipsRect(4185, 3060, 1095, 375));
    connect(cmdClose, &QPushButton::clicked, this, &frmDay::cmdClose_Click);
    a11y::label(lblSchedule, lstSchedule);
    a11y::orderTabs(*this);
}

bool frmDay::showLines(const QStringList &lines)
{
    lstSchedule->clear();
    lstSchedule->addItems(lines);
    if (lines.isEmpty())
        return false;
    prepare(int(lines.size()));
    windows::showModal(*this);
    cmdClose->setFocus();
    return true;
}

void frmDay::cmdClose_Click()
{
    if (!isVisible())
        return;
    hide();
    emit closed();
}

void frmDay::reject()
{
    cmdClose_Click();
}

frmToday::frmToday()
    : frmDay("frmToday", QStringLiteral("今日の予定"),
             QStringLiteral("今日の予定は、以下のようになっています。"))
{
    lblMessage = addLabel(this, "lblMessage", QString(), twipsRect(120, 120, 5160, 255));
    a11y::nameWhenEmpty(lblMessage, QStringLiteral("メッセージ"));
}

void frmToday::prepare(int lineCount)
{
    if (lineCount >= 3)
        lblMessage->setText(QStringLiteral("今日はちょっと忙しいですね"));
}

frmTomorrow::frmTomorrow()
    : frmDay("frmTomorrow", QStringLiteral("明日の予定"),
             QStringLiteral("明日の予定は、以下のようになっています。"))
{
    Label1 = addLabel(this, "Label1", QStringLiteral("それではまた明日。"),
                      twipsRect(120, 120, 5160, 255));
}
