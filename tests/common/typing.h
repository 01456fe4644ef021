// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

// Types the text as key presses that carry it, as an input method delivers text; unlike
// QTest::keyClicks it takes characters beyond the ASCII keys.
inline void typeText(QWidget *widget, const QString &text)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &press);
}
