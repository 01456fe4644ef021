// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// frmTodo: the options about the desktop: the tray icon, the close box, the start at login.
#include "frmtodo.h"

#include "store/loginstart.h"
#include "ui/prompter.h"

#include <QDir>
#include <QMenu>

void frmTodo::createDesktopItems(QMenu *option)
{
    const auto check = [this, option](const char *name, const QString &caption,
                                      void (frmTodo::*slot)()) {
        QAction *action = option->addAction(caption);
        action->setObjectName(QLatin1String(name));
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    mnuTray = check("mnuTray", QStringLiteral("トレイにアイコンを出す(&T)"), &frmTodo::mnuTray_Click);
    mnuCloseToTray = check("mnuCloseToTray", QStringLiteral("閉じるボタンでトレイにしまう"),
                           &frmTodo::mnuCloseToTray_Click);
    mnuLoginStart = check("mnuLoginStart", QStringLiteral("ログイン時に起動する(&L)"),
                          &frmTodo::mnuLoginStart_Click);
    mnuLoginStart->setEnabled(false);
    // The entry is the desktop's: another program, or the user, may add or remove it.
    connect(option, &QMenu::aboutToShow, this, &frmTodo::showDesktopOptions);
}

void frmTodo::setLoginStart(const LoginStart *start)
{
    m_loginStart = start;
    showDesktopOptions();
}

void frmTodo::showDesktopOptions()
{
    mnuTray->setChecked(m_options.tray);
    mnuCloseToTray->setChecked(m_options.closeToTray);
    mnuCloseToTray->setEnabled(m_options.tray);
    mnuLoginStart->setEnabled(m_loginStart != nullptr);
    mnuLoginStart->setChecked(m_loginStart && m_loginStart->isOn());
}

void frmTodo::mnuTray_Click()
{
    m_options.tray = !m_options.tray;
    showDesktopOptions();
    emit trayChanged(m_options.tray);
}

void frmTodo::mnuCloseToTray_Click()
{
    m_options.closeToTray = !m_options.closeToTray;
    showDesktopOptions();
}

void frmTodo::mnuLoginStart_Click()
{
    if (!m_loginStart)
        return;
    const bool on = !m_loginStart->isOn();
    const QString error = on ? m_loginStart->turnOn() : m_loginStart->turnOff();
    if (!error.isEmpty())
        m_prompter.inform(QStringLiteral("ログイン時の起動を%1できませんでした。\n%2\n%3")
                              .arg(on ? QStringLiteral("設定") : QStringLiteral("解除"),
                                   QDir::toNativeSeparators(m_loginStart->entryPath()), error));
    showDesktopOptions();
}
