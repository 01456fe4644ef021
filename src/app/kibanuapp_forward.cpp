// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// KibanuApp: what a later start on the same data folder asks of this run.
#include "kibanuapp.h"

#include "appwindows.h"
#include "board/frmtodo.h"
#include "shell/frmstartup.h"

#include <QApplication>

namespace {

void comeUp(QWidget &window)
{
    // Only the minimised bit goes: a maximised board stays maximised.
    if (window.windowState() & Qt::WindowMinimized)
        window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
    window.activateWindow();
}

} // namespace

void KibanuApp::bringForward()
{
    // A hidden board is not shown yet (or no longer, in the quit): it stays hidden. One
    // in the tray comes back.
    if (frmTodo *board = m_windows->board(); board && (board->isVisible() || m_boardInTray)) {
        m_boardInTray = false;
        comeUp(*board);
    }
    // Last, so it is the active one: the board waits for it.
    QWidget *front = QApplication::activeModalWidget();
    if (!front && m_startupWindow && m_startupWindow->isVisible())
        front = m_startupWindow.get();
    if (front)
        comeUp(*front);
}
