// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "firstpaint.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace firstpaint {

namespace {

constexpr int LongestWaitMs = 2000;

class NextPaint : public QObject {
public:
    NextPaint(QObject *owner, std::function<void()> action)
        : QObject(owner ? owner : qApp), m_action(std::move(action))
    {
        qApp->installEventFilter(this);
        QTimer::singleShot(LongestWaitMs, this, [this] { run(); });
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()
            && static_cast<QWidget *>(watched)->isWindow()) {
            qApp->removeEventFilter(this);
            // After this paint, the rest of its frame and what else waits for that frame
            // (the window icon): one more turn of the event loop.
            QTimer::singleShot(0, this, [this] { QTimer::singleShot(0, this, [this] { run(); }); });
        }
        return false;
    }

private:
    void run()
    {
        if (m_done)
            return;
        m_done = true;
        qApp->removeEventFilter(this);
        m_action();
        deleteLater();
    }

    std::function<void()> m_action;
    bool m_done = false;
};

} // namespace

void then(QObject *owner, std::function<void()> action)
{
    new NextPaint(owner, std::move(action));
}

} // namespace firstpaint
