// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "schedule/reminders.h"

#include <QDBusConnection>
#include <QObject>
#include <QTimer>

#include <memory>
#include <optional>

class Clock;
class DesktopNotifier;
class RepeatTable;
class ScheduleTable;
class frmReminder;

// The reminders while the program runs: one timer, set to the next moment something falls
// due, announces through the desktop's notification service or, without one, in the
// program's own window. The schedule is followed as it changes.
class Reminding : public QObject {
    Q_OBJECT
public:
    // Timers run on a clock that stands still while a laptop sleeps, and the wall clock may
    // be set: the timer waits at most this long, then looks at the wall clock again.
    static constexpr int LongestWaitMs = 60 * 1000;
    static constexpr int SnoozeMinutes = 5;

    Reminding(ScheduleTable &table, const Clock &clock, std::optional<QDBusConnection> bus);
    ~Reminding() override;

    // The options of pim.ini; applied at once, so what is due now is announced now.
    void setOptions(bool on, int lead);
    // The series' days are announced too, and a change of the series is looked at.
    void followSeries(const RepeatTable &series);
    // The quit: nothing more is announced and the program's reminder window goes away.
    void stop();

    // What the timer runs: announces what is due by the wall clock and sets the timer to
    // the next moment.
    void look();
    // How long the timer waits now; nothing while it does not run.
    [[nodiscard]] std::optional<int> waitMs() const;

    [[nodiscard]] DesktopNotifier &notifier() { return *m_notifier; }
    // The program's own window, once a reminder needed it; otherwise null.
    [[nodiscard]] frmReminder *window() { return m_window.get(); }

signals:
    // "予定表を開く": the entry at that position of the table.
    void openRequested(int pos);
    // A series' day was clicked: its row in repeat.txt.
    void seriesOpenRequested(int row);
    // The wall clock passed midnight (or was set to another day).
    void dayChanged();

private:
    void showInWindow(const Reminders::Announcement &announcement);
    void snooze(const Reminders::Announcement &announcement);
    // After a change of the schedule: looked at once the change is complete.
    void lookSoon();

    const ScheduleTable &m_table;
    const Clock &m_clock;
    Reminders m_reminders;
    const RepeatTable *m_series = nullptr;
    std::unique_ptr<DesktopNotifier> m_notifier;
    std::unique_ptr<frmReminder> m_window;
    QTimer m_timer;
    QDate m_day;
    bool m_on = false;
    bool m_stopped = false;
};
