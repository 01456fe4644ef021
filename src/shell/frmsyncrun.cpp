// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmsyncrun.h"

#include "ui/access.h"
#include "ui/twips.h"
#include "ui/windows.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

frmSyncRun::frmSyncRun(const QString &command)
{
    setObjectName(QStringLiteral("frmSyncRun"));
    setWindowTitle(QStringLiteral("同期しています"));
    setWindowModality(Qt::ApplicationModal);
    windows::fixSize(*this, twips(5400), twips(1800));
    lblCommand = new QLabel(this);
    lblCommand->setObjectName(QStringLiteral("lblCommand"));
    lblCommand->setTextFormat(Qt::PlainText);
    lblCommand->setGeometry(twipsRect(120, 120, 5160, 255));
    // A long command keeps its start and its end, the whole of it in the tooltip.
    const QString text = QStringLiteral("同期しています: %1").arg(command);
    lblCommand->setText(lblCommand->fontMetrics().elidedText(text, Qt::ElideMiddle, lblCommand->width()));
    lblCommand->setToolTip(command);
    lblCommand->setAccessibleName(text);
    auto *bar = new QProgressBar(this);
    bar->setObjectName(QStringLiteral("barBusy"));
    bar->setRange(0, 0); // how long it takes is the server's
    bar->setGeometry(twipsRect(120, 480, 5160, 300));
    bar->setAccessibleName(QStringLiteral("同期中"));
    cmdCancel = windows::button(this, "cmdCancel", QStringLiteral("中止"),
                                twipsRect(4020, 1020, 1260, 375));
    connect(cmdCancel, &QPushButton::clicked, this, &frmSyncRun::cmdCancel_Click);
    a11y::orderTabs(*this);
}

void frmSyncRun::cmdCancel_Click()
{
    emit cancelRequested();
}

void frmSyncRun::closeEvent(QCloseEvent *event)
{
    // The close box stops the command like 中止; the window goes when the command has.
    event->ignore();
    emit cancelRequested();
}

void frmSyncRun::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        return cmdCancel_Click();
    QWidget::keyPressEvent(event);
}
