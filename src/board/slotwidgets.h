// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QLineEdit>

// The text of a to-do slot: reports double clicks and mouse presses with its index.
class TodoLabel : public QLabel {
    Q_OBJECT
public:
    TodoLabel(int index, QWidget *parent);
    [[nodiscard]] int index() const { return m_index; }

signals:
    void doubleClicked(int index);
    void pressed(int index, Qt::MouseButton button);

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    int m_index;
};

// The edit box of a to-do slot. Enter and Tab close it; so does losing the focus to
// another control of the program, also in another of its windows.
class SlotEdit : public QLineEdit {
    Q_OBJECT
public:
    SlotEdit(int index, QWidget *parent);
    [[nodiscard]] int index() const { return m_index; }

signals:
    void enterPressed(int index);
    void tabPressed(int index);
    void lostFocus(int index);

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    int m_index;
    bool m_composing = false;
};
