// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktopnotifier.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QDir>
#include <QFileInfo>

namespace {

const QString service = QStringLiteral("org.freedesktop.Notifications");
const QString path = QStringLiteral("/org/freedesktop/Notifications");
const QString interface = QStringLiteral("org.freedesktop.Notifications");
const QString snoozeAction = QStringLiteral("snooze");
const QString openAction = QStringLiteral("open");

// Urgency "critical": the service keeps it on screen until it is dismissed, since a
// reminder that fades after a few seconds is missed.
constexpr uchar critical = 2;

} // namespace

DesktopNotifier::DesktopNotifier(std::optional<QDBusConnection> bus) : m_bus(std::move(bus))
{
    if (!m_bus)
        return;
    // From whichever program owns the name now: after a desktop restart, the new one.
    m_bus->connect(QString(), path, interface, QStringLiteral("ActionInvoked"), this,
                   SLOT(onActionInvoked(uint,QString)));
    m_bus->connect(QString(), path, interface, QStringLiteral("NotificationClosed"), this,
                   SLOT(onClosed(uint,uint)));
    auto *watcher = new QDBusServiceWatcher(service, *m_bus,
                                            QDBusServiceWatcher::WatchForOwnerChange, this);
    connect(watcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this] { m_shown.clear(); });
}

DesktopNotifier::~DesktopNotifier() = default;

std::optional<QDBusConnection> DesktopNotifier::sessionBus()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")
        && (runtime.isEmpty() || !QFileInfo::exists(QDir(runtime).filePath(QStringLiteral("bus")))))
        return std::nullopt;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return std::nullopt;
    return bus;
}

void DesktopNotifier::notify(const Reminders::Announcement &announcement)
{
    if (!m_bus) {
        emit unavailable(announcement);
        return;
    }
    // Asked every time: the service may have been replaced by one without actions.
    const QDBusMessage call =
        QDBusMessage::createMethodCall(service, path, interface, QStringLiteral("GetCapabilities"));
    auto *watcher = new QDBusPendingCallWatcher(m_bus->asyncCall(call, CallTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, announcement](QDBusPendingCallWatcher *w) {
                w->deleteLater();
                const QDBusPendingReply<QStringList> reply = *w;
                if (reply.isError()) {
                    emit unavailable(announcement);
                    return;
                }
                send(announcement, reply.value().contains(QStringLiteral("actions")));
            });
}

void DesktopNotifier::send(const Reminders::Announcement &announcement, bool withActions)
{
    QStringList actions;
    if (withActions)
        actions = {snoozeAction, QStringLiteral("5分後にもう一度"), openAction,
                   QStringLiteral("予定表を開く")};
    // The desktop entry that install-desktop-entry writes, so that the desktop shows the
    // reminder as Kibanu's.
    const QVariantMap hints{{QStringLiteral("urgency"), QVariant::fromValue(critical)},
                            {QStringLiteral("desktop-entry"), QStringLiteral("kibanu")}};
    QDBusMessage call =
        QDBusMessage::createMethodCall(service, path, interface, QStringLiteral("Notify"));
    call << QStringLiteral("Kibanu") << uint(0) << QStringLiteral("kibanu") << announcement.line
         << announcement.body << actions << hints << 0; // 0: it never expires by itself
    auto *watcher = new QDBusPendingCallWatcher(m_bus->asyncCall(call, CallTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, announcement](QDBusPendingCallWatcher *w) {
                w->deleteLater();
                const QDBusPendingReply<uint> reply = *w;
                if (reply.isError())
                    emit unavailable(announcement);
                else
                    m_shown.insert(reply.value(), announcement);
            });
}

void DesktopNotifier::onActionInvoked(uint id, const QString &action)
{
    const auto found = m_shown.constFind(id);
    if (found == m_shown.cend())
        return; // another program's
    // A copy: a handler of the signal may drop it from m_shown.
    const Reminders::Announcement announcement = *found; // NOLINT(performance-unnecessary-copy-initialization)
    if (action == snoozeAction)
        emit snoozeRequested(announcement);
    else if (action == openAction)
        emit openRequested(announcement);
}

void DesktopNotifier::onClosed(uint id, uint reason)
{
    Q_UNUSED(reason);
    m_shown.remove(id);
}
