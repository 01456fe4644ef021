// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "reminders.h"

#include <QTimer>
#include <QWidget>

class Clock;
class QLabel;
class QPushButton;

// "予定のお知らせ": the reminders shown by the program itself where the desktop has no
// notification service. Not modal and above the other windows, and shown without taking
// the keyboard from a slot being edited; it never keeps the program running.
class frmReminder : public QWidget {
    Q_OBJECT
public:
    explicit frmReminder(const Clock &clock);
    ~frmReminder() override;

    // Adds the announcement's line to those shown and shows the window. While shown, each
    // line says what is left as the minutes pass, and once its time has passed, that time.
    void announce(const Reminders::Announcement &announcement);
    [[nodiscard]] const QList<Reminders::Announcement> &shown() const { return m_shown; }
    // The lines as they read now (the window also does so at each whole minute).
    void showLines();

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
    const Clock &m_clock;
    QTimer m_minute;
};
