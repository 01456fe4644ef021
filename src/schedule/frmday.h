// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

// A day's appointments in a small modal window: today's while the program starts,
// tomorrow's when it quits.
class frmDay : public QDialog {
    Q_OBJECT
public:
    // Fills the list and shows the window modal; false, showing nothing, without lines.
    bool showLines(const QStringList &lines);

    void cmdClose_Click();
    void reject() override; // Escape and the close box

signals:
    // The window was closed: what waited for it goes on.
    void closed();

protected:
    frmDay(const char *name, const QString &title, const QString &heading);
    virtual void prepare(int lineCount) { Q_UNUSED(lineCount); }

    QLabel *lblSchedule = nullptr;
    QListWidget *lstSchedule = nullptr;
    QPushButton *cmdClose = nullptr;
};

class frmToday : public frmDay {
    Q_OBJECT
public:
    frmToday();

private:
    void prepare(int lineCount) override;
    QLabel *lblMessage = nullptr;
};

class frmTomorrow : public frmDay {
    Q_OBJECT
public:
    frmTomorrow();

private:
    QLabel *Label1 = nullptr;
};
