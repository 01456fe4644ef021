// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

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
    // Selects the newest line and scrolls it into view.
    void Form_Paint();
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
};
