// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "schedule/reminders.h"

#include <QDBusConnection>
#include <QHash>
#include <QObject>

#include <optional>

// Reminders shown by the desktop's notification service (org.freedesktop.Notifications)
// on the session bus. Each one asks the service afresh, so a desktop restarted during the
// run is used again at once; one the service does not take (no bus, no service, an error
// or no answer) is handed back to be shown some other way, never lost.
class DesktopNotifier : public QObject {
    Q_OBJECT
public:
    static constexpr int CallTimeoutMs = 5000;

    // Without a bus every reminder is handed back at once.
    explicit DesktopNotifier(std::optional<QDBusConnection> bus);
    ~DesktopNotifier() override;

    // The desktop's session bus, when there is one. Never starts a bus of its own, as
    // the library would (a stray daemon per run) where no session has one.
    [[nodiscard]] static std::optional<QDBusConnection> sessionBus();

    void notify(const Reminders::Announcement &announcement);

signals:
    // The service did not take it.
    void unavailable(const Reminders::Announcement &announcement);
    // Its action "5分後にもう一度".
    void snoozeRequested(const Reminders::Announcement &announcement);
    // Its action "予定表を開く".
    void openRequested(const Reminders::Announcement &announcement);

private slots:
    void onActionInvoked(uint id, const QString &action);
    void onClosed(uint id, uint reason);

private:
    void send(const Reminders::Announcement &announcement, bool withActions);

    std::optional<QDBusConnection> m_bus;
    // The notifications on screen by the service's numbers; a new service numbers anew.
    QHash<uint, Reminders::Announcement> m_shown;
};
