// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "reminders.h"

#include <QWidget>

class QLabel;
class QPushButton;

// "予定のお知らせ": the reminders shown by the program itself where the desktop has no
// notification service. Not modal and above the other windows, and shown without taking
// the keyboard from a slot being edited; it never keeps the program running.
class frmReminder : public QWidget {
    Q_OBJECT
public:
    frmReminder();
    ~frmReminder() override;

    // Adds the announcement's line to those shown and shows the window.
    void announce(const Reminders::Announcement &announcement);
    [[nodiscard]] const QList<Reminders::Announcement> &shown() const { return m_shown; }

    void cmdClose_Click();
    void cmdLater_Click();

signals:
    // "5分後": every reminder shown is to come again five minutes later.
    void snoozeRequested(const QList<Reminders::Announcement> &announcements);

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void place();

    QLabel *lblReminder = nullptr;
    QPushButton *cmdLater = nullptr;
    QPushButton *cmdClose = nullptr;
    QList<Reminders::Announcement> m_shown;
};
