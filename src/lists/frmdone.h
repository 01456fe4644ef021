// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <optional>

class DoneList;
class Prompter;
class QLabel;
class QTableView;
class QPushButton;

// The record of finished things: done.txt as it was when the window was first shown.
class frmDone : public QWidget {
    Q_OBJECT
public:
    frmDone(DoneList &lines, QString donePath, Prompter &prompter);

    // Reads done.txt; a file that exists but cannot be read is told.
    void Form_Load();
    // Selects the newest line and scrolls it into view, or the line a search found.
    void Form_Paint();
    // The row of the line as shown, the nearest to `near` of that text; none when no line
    // has it (taken away, or the file read again).
    [[nodiscard]] std::optional<int> rowOf(const QString &line, int near);
    // The window shows that row selected, until it is closed, instead of the newest.
    void showRow(int row);
    void lstDone_KeyDown(int keyCode);
    void cmdClose_Click();

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    DoneList &m_lines;
    QString m_donePath;
    Prompter &m_prompter;
    QTableView *lstDone = nullptr;
    QPushButton *cmdClose = nullptr;
    QLabel *lblHint = nullptr;
    bool m_loaded = false;
    std::optional<int> m_shownRow;
};
