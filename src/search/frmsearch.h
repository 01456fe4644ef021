// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "searchmodel.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QTreeView;

// The search window: a word typed in the box, what it finds in the list as it is typed.
// Enter or a double click asks for the found item's place to be opened; Esc closes.
class frmSearch : public QWidget {
    Q_OBJECT
public:
    // `readingsOn`: whether words are found by their reading; when not, the window says
    // once, when something is typed, that the dictionary is missing.
    frmSearch(SearchModel &model, bool readingsOn);
    // The dictionary loaded (or found missing) after the window was made.
    void setReadingsOn(bool on);

    // The found item at the list's current row, else the first one; none when nothing is found.
    [[nodiscard]] const SearchItem *chosen() const;

signals:
    void openRequested(const SearchItem &item);
    // The window came to the front: the places may have changed meanwhile.
    void activated();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void txtFind_Change();
    void openChosen();
    // The list's current row moved by that many, the focus left in the box.
    void moveChoice(int step);
    [[nodiscard]] int pageRows() const;

    SearchModel &m_model;
    bool m_readingsOn;
    QLineEdit *txtFind = nullptr;
    QTreeView *lstFound = nullptr;
    QLabel *lblNote = nullptr;
};
