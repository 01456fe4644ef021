// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "reminding.h"

#include "desktopnotifier.h"
#include "schedule/frmreminder.h"
#include "schedule/repeattable.h"
#include "schedule/scheduletable.h"
#include "text/clock.h"

#include <algorithm>

Reminding::Reminding(ScheduleTable &table, const Clock &clock,
                     std::optional<QDBusConnection> bus)
    : m_table(table), m_clock(clock), m_notifier(std::make_unique<DesktopNotifier>(std::move(bus))),
      m_day(clock.today())
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &Reminding::look);
    connect(m_notifier.get(), &DesktopNotifier::unavailable, this, &Reminding::showInWindow);
    connect(m_notifier.get(), &DesktopNotifier::snoozeRequested, this, &Reminding::snooze);
    connect(m_notifier.get(), &DesktopNotifier::openRequested, this,
            [this](const Reminders::Announcement &a) {
                if (const int pos = Reminders::rowOf(m_table, a, m_clock.today()); pos >= 0)
                    emit openRequested(pos);
                else if (const int row = m_series ? Reminders::seriesRowOf(*m_series, a) : -1; row >= 0)
                    emit seriesOpenRequested(row);
            });
    // The schedule's list changes with its table: added, removed, read again.
    const SortedLines &list = table.list();
    for (auto signal : {&SortedLines::rowsInserted, &SortedLines::rowsRemoved})
        connect(&list, signal, this, &Reminding::lookSoon);
    connect(&list, &SortedLines::modelReset, this, &Reminding::lookSoon);
    connect(&list, &SortedLines::dataChanged, this, &Reminding::lookSoon);
}

Reminding::~Reminding() = default;

void Reminding::followSeries(const RepeatTable &series)
{
    m_series = &series;
    m_reminders.setSeries(&series);
    connect(&series, &RepeatTable::modelReset, this, &Reminding::lookSoon);
    lookSoon();
}

void Reminding::setOptions(bool on, int lead)
{
    m_on = on;
    m_reminders.setLead(lead);
    look();
}

void Reminding::stop()
{
    m_stopped = true;
    m_timer.stop();
    m_window.reset();
}

void Reminding::lookSoon()
{
    // The list changes before the entry beside it: wait until both are done.
    if (!m_stopped)
        m_timer.start(0);
}

void Reminding::look()
{
    if (m_stopped)
        return;
    const QDateTime now = m_clock.now();
    if (now.date() != m_day) {
        m_day = now.date();
        emit dayChanged();
    }
    if (m_window && m_window->isVisible())
        m_window->showLines(); // a clock that jumped: what is left now
    QDateTime next = now.date().addDays(1).startOfDay();
    if (m_on) {
        for (const Reminders::Announcement &a : m_reminders.takeDue(m_table, now))
            m_notifier->notify(a);
        if (const auto due = m_reminders.nextDue(m_table, now); due && *due < next)
            next = *due;
    }
    const qint64 wait = std::clamp<qint64>(now.msecsTo(next), 0, LongestWaitMs);
    m_timer.start(int(wait));
}

std::optional<int> Reminding::waitMs() const
{
    if (!m_timer.isActive())
        return std::nullopt;
    return m_timer.interval();
}

void Reminding::showInWindow(const Reminders::Announcement &announcement)
{
    if (m_stopped)
        return;
    if (!m_window) {
        m_window = std::make_unique<frmReminder>(m_clock);
        connect(m_window.get(), &frmReminder::snoozeRequested, this,
                [this](const QList<Reminders::Announcement> &later) {
                    for (const Reminders::Announcement &a : later)
                        snooze(a);
                });
    }
    m_window->announce(announcement);
}

void Reminding::snooze(const Reminders::Announcement &announcement)
{
    if (m_stopped)
        return;
    m_reminders.snooze(announcement, m_clock.now().addSecs(qint64(60) * SnoozeMinutes));
    look();
}
