// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/dragdrop.h"

#include <QApplication>
#include <QDropEvent>
#include <QTest>

// A right-button drag as a user makes it: pressed on the source, carried over the target
// and released there. whileOver runs while the drag is over the target. True when the
// target took the drop.
inline bool rightDrag(QWidget *source, QWidget *target, const std::function<void()> &whileOver = {})
{
    bool taken = false;
    dragdrop::setRunner([&](QWidget *, const QMimeData &mime) {
        const QPoint at = target->rect().center();
        QDragEnterEvent enter(at, Qt::MoveAction, &mime, Qt::RightButton, {});
        QApplication::sendEvent(target, &enter);
        if (whileOver)
            whileOver();
        if (!enter.isAccepted())
            return;
        QDropEvent drop(at, Qt::MoveAction, &mime, Qt::RightButton, {});
        QApplication::sendEvent(target, &drop);
        taken = drop.isAccepted();
    });
    QTest::mousePress(source, Qt::RightButton, {}, source->rect().center());
    dragdrop::setRunner({});
    return taken;
}
