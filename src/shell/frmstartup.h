// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLabel;
class QTimer;

// The start-up window: a short animation on a 200 ms timer, then the board. It asks for
// the board once, at its twenty-first tick or when its close box is used, and goes.
class frmStartup : public QWidget {
    Q_OBJECT
public:
    frmStartup();

    // One tick of tmrStartup; public so that tests need not wait for the timer.
    void tmrStartup_Timer();

signals:
    // The board is to be shown now; the window has closed itself.
    void boardRequested();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QTimer *tmrStartup = nullptr;
    QLabel *lblVersion = nullptr;
    QLabel *imgLogo = nullptr;
    QLabel *imgTodo = nullptr;
    QPixmap imgtodo1, imgtodo2, imgtodo3;
    qint16 m_tick = 0;
    bool m_done = false;
};
