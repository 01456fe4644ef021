// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// KibanuApp: the tray icon, the board kept in it, and the start at login.
#include "kibanuapp.h"

#include "appwindows.h"
#include "board/frmtodo.h"
#include "reminding.h"
#include "session.h"
#include "store/loginstart.h"
#include "trayicon.h"

#include <QApplication>

void KibanuApp::setLoginStart(const LoginStart &start)
{
    m_loginStart = std::make_unique<LoginStart>(start);
    if (frmTodo *board = m_windows->board())
        board->setLoginStart(m_loginStart.get());
}

void KibanuApp::setTrayAvailable(std::function<bool()> available)
{
    m_trayAvailable = std::move(available);
}

void KibanuApp::followTray()
{
    frmTodo &board = *m_windows->board();
    TrayIcon::Requests requests;
    requests.board = [this] {
        if (!m_ended && !m_session->hasEnded())
            bringForward();
    };
    requests.schedule = [this, &board] { fromTray([&board] { board.cmdSchedule_Click(); }); };
    requests.tel = [this, &board] { fromTray([&board] { board.cmdTel_Click(); }); };
    requests.search = [this] { fromTray([this] { m_windows->showSearch(); }); };
    // The quit of 閉じる; after a failed save the board comes back with its message.
    requests.quit = [this, &board] {
        fromTray([this, &board] {
            board.cmdClose_Click();
            if (!m_ended && !m_session->hasEnded())
                bringForward();
        });
    };
    m_tray = std::make_unique<TrayIcon>(*m_session, *m_clock, std::move(requests));
    if (m_trayAvailable)
        m_tray->setTrayAvailable(m_trayAvailable);
    m_tray->setShown(m_session->settings().board.tray);
    connect(&board, &frmTodo::trayChanged, m_tray.get(), &TrayIcon::setShown);
    // Today's count is another day's after midnight.
    connect(m_reminding.get(), &Reminding::dayChanged, m_tray.get(), &TrayIcon::refresh);
}

void KibanuApp::fromTray(const std::function<void()> &request)
{
    if (m_ended || m_session->hasEnded())
        return;
    if (!m_boardShown || QApplication::activeModalWidget())
        return bringForward();
    request();
}

void KibanuApp::closeBox()
{
    if (!m_tray || !m_session->settings().board.closeToTray || !m_tray->inTray())
        return quitWithSaving();
    m_windows->board()->hide();
    m_boardInTray = true;
    if (!std::exchange(m_toldTray, true))
        m_tray->say(QStringLiteral("Kibanu はトレイで動いています。ボードはアイコンのクリックで開きます。"
                                   "終わるときはアイコンのメニューの「保存して終了」を選んでください。"));
}
