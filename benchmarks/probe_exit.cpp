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
    : m_window(std::move(window)), m_atExit(std::move(atExit))
{
    new AfterFirstPaint(
        [this] { return m_window(); },
        [this] {
            if (m_atExit)
                m_atExit();
            std::_Exit(0);
        });
}

bool ExitOnFirstPaint::eventFilter(QObject *, QEvent *)
{
    return false;
}
