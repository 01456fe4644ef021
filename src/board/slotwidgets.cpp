// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "slotwidgets.h"

#include "ui/focus.h"
#include "ui/keys.h"

#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>

TodoLabel::TodoLabel(int index, QWidget *parent) : QLabel(parent), m_index(index)
{
    setTextFormat(Qt::PlainText);
    setObjectName(QStringLiteral("lblTodo_%1").arg(index));
}

void TodoLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit doubleClicked(m_index);
}

void TodoLabel::mousePressEvent(QMouseEvent *event)
{
    emit pressed(m_index, event->button());
}

SlotEdit::SlotEdit(int index, QWidget *parent) : QLineEdit(parent), m_index(index)
{
    setObjectName(QStringLiteral("txtTodo_%1").arg(index));
}

bool SlotEdit::event(QEvent *event)
{
    // Tab never reaches keyPressEvent: QWidget::event moves the focus first.
    if (event->type() == QEvent::KeyPress
        && keys::asciiOf(static_cast<QKeyEvent *>(event)) == keys::Tab) {
        emit tabPressed(m_index);
        return true;
    }
    return QLineEdit::event(event);
}

void SlotEdit::keyPressEvent(QKeyEvent *event)
{
    const bool enter = keys::asciiOf(event) == keys::Enter;
    // While an input method composes, Enter confirms the conversion and stays with it.
    if (enter && !m_composing) {
        emit enterPressed(m_index);
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void SlotEdit::inputMethodEvent(QInputMethodEvent *event)
{
    m_composing = !event->preeditString().isEmpty();
    QLineEdit::inputMethodEvent(event);
}

void SlotEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    if (focus::isLostFocus(event))
        emit lostFocus(m_index);
}
