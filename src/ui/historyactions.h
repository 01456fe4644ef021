// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QAction;
class QUndoStack;
class QWidget;

// 元に戻す(&U) and やり直し(&R) of the run's one history, each naming the step it acts on
// ("元に戻す: たな上げへの移動"), with Ctrl+Z, and Ctrl+Y or Ctrl+Shift+Z. They belong to
// the window, whose keys they take while no text box is being edited: an open box keeps
// its own text undo.
namespace historyactions {

struct Pair {
    QAction *undo = nullptr;
    QAction *redo = nullptr;
};
Pair make(QUndoStack &stack, QWidget *window);

} // namespace historyactions
