#include "slotwidgets.h"

#include "ui/focus.h"

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
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Tab && key->modifiers() == Qt::NoModifier) {
            emit tabPressed(m_index);
            return true;
        }
    }
    return QLineEdit::event(event);
}

void SlotEdit::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
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
