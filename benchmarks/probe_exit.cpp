// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "probe_exit.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>

#include <cstdio>
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

namespace {

// The most memory the process held so far (VmHWM), in kB; 0 where it cannot be read.
long peakKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return 0;
}

// A copy of /proc/self/smaps (read, not copied: the kernel gives its size as 0).
void writeSmaps(const QString &to)
{
    QFile smaps(QStringLiteral("/proc/self/smaps"));
    QFile out(to);
    if (smaps.open(QIODevice::ReadOnly) && out.open(QIODevice::WriteOnly))
        out.write(smaps.readAll());
}

} // namespace

ExitOnFirstPaint::ExitOnFirstPaint(std::function<QWidget *()> window, std::function<void()> atExit)
    : AfterFirstPaint(std::move(window), [atExit = std::move(atExit)] {
          if (atExit)
              atExit();
          // Where the memory is at the first paint, mapping by mapping, when asked for.
          if (const QString to = qEnvironmentVariable("KIBANU_PROBE_SMAPS"); !to.isEmpty())
              writeSmaps(to);
          // For tools/start-ratio: the peak at the first paint, not at some later exit.
          std::printf("peak %ld kB\n", peakKb());
          std::fflush(stdout);
          std::_Exit(0);
      })
{
}
