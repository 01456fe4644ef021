// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "focus.h"

#include <QApplication>
#include <QFocusEvent>
#include <QWidget>

namespace focus {

bool isLostFocus(const QFocusEvent *event)
{
    if (event->type() != QEvent::FocusOut)
        return false;
    switch (event->reason()) {
    case Qt::PopupFocusReason:
    case Qt::MenuBarFocusReason:
        return false;
    case Qt::ActiveWindowFocusReason: {
        // Another window of ours is active by now; none is when another program is. A
        // window meant to be shown without taking the keyboard (a reminder) that the
        // desktop made active all the same has no control that took it.
        const QWidget *active = QApplication::activeWindow();
        return active && !active->testAttribute(Qt::WA_ShowWithoutActivating);
    }
    default:
        return true;
    }
}

void QuietHider::setVisible(QWidget *widget, bool visible)
{
    m_hiding = true;
    widget->setVisible(visible);
    m_hiding = false;
}

} // namespace focus
