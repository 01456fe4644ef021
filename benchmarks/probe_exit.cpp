// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "probe_exit.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdlib>

AfterFirstPaint::AfterFirstPaint(std::function<QWidget *()> window, std::function<void()> action)
    : m_window(std::move(window)), m_action(std::move(action))
{
    QCoreApplication::instance()->installEventFilter(this);
}

bool AfterFirstPaint::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint && watched == m_window()) {
        // After this paint and the others of the same frame have reached the window.
        QTimer::singleShot(0, m_action);
        QCoreApplication::instance()->removeEventFilter(this);
    }
    return false;
}

ExitOnFirstPaint::ExitOnFirstPaint(std::function<QWidget *()> window, std::function<void()> atExit)
    : AfterFirstPaint(std::move(window), [atExit = std::move(atExit)] {
          if (atExit)
              atExit();
          std::_Exit(0);
      })
{
}
