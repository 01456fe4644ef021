// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "historyactions.h"

#include <QAction>
#include <QUndoStack>
#include <QWidget>

namespace historyactions {
namespace {

QAction *action(QWidget *window, const char *name, const QString &caption,
                const QList<QKeySequence> &keys)
{
    auto *a = new QAction(caption, window);
    a->setObjectName(QLatin1String(name));
    a->setShortcuts(keys);
    a->setShortcutContext(Qt::WindowShortcut);
    a->setEnabled(false);
    window->addAction(a);
    return a;
}

// "元に戻す(&U)", or with the step: "元に戻す(&U): たな上げへの移動".
QString named(const QString &caption, const QString &step)
{
    return step.isEmpty() ? caption : caption + QStringLiteral(": ") + step;
}

} // namespace

Pair make(QUndoStack &stack, QWidget *window)
{
    const QString undoCaption = QStringLiteral("元に戻す(&U)");
    const QString redoCaption = QStringLiteral("やり直し(&R)");
    Pair p{action(window, "mnuUndo", undoCaption, {QKeySequence(Qt::CTRL | Qt::Key_Z)}),
           action(window, "mnuRedo", redoCaption,
                  {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)})};
    QObject::connect(p.undo, &QAction::triggered, &stack, &QUndoStack::undo);
    QObject::connect(p.redo, &QAction::triggered, &stack, &QUndoStack::redo);
    QObject::connect(&stack, &QUndoStack::canUndoChanged, p.undo, &QAction::setEnabled);
    QObject::connect(&stack, &QUndoStack::canRedoChanged, p.redo, &QAction::setEnabled);
    QObject::connect(&stack, &QUndoStack::undoTextChanged, p.undo,
                     [a = p.undo, undoCaption](const QString &step) { a->setText(named(undoCaption, step)); });
    QObject::connect(&stack, &QUndoStack::redoTextChanged, p.redo,
                     [a = p.redo, redoCaption](const QString &step) { a->setText(named(redoCaption, step)); });
    p.undo->setEnabled(stack.canUndo());
    p.redo->setEnabled(stack.canRedo());
    p.undo->setText(named(undoCaption, stack.undoText()));
    p.redo->setText(named(redoCaption, stack.redoText()));
    return p;
}

} // namespace historyactions
