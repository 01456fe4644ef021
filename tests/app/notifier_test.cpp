// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Reminders through the desktop's notification service: a stand-in service on a private
// bus records every call and answers as a real one does.
#include "app/desktopnotifier.h"
#include "app/reminding.h"
#include "common/apphelper.h"
#include "common/testfiles.h"
#include "schedule/frmday.h"
#include "schedule/frmreminder.h"
#include "schedule/frmschedule.h"
#include "schedule/scheduletable.h"

#include <QAbstractItemView>
#include <QDBusConnectionInterface>
#include <QDBusContext>
#include <QDBusMessage>
#include <QLabel>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>

namespace {

const QString serviceName = QStringLiteral("org.freedesktop.Notifications");
const QString objectPath = QStringLiteral("/org/freedesktop/Notifications");

// A bus of the test's own, so that no desktop's service answers and none is started.
class PrivateBus {
public:
    PrivateBus()
    {
        const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
        if (daemon.isEmpty())
            return;
        const QString config = QDir(m_dir.path()).filePath(QStringLiteral("bus.conf"));
        writeBytes(config, QStringLiteral(
            "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
            " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
            "<busconfig><type>session</type><listen>unix:dir=%1</listen>"
            "<policy context=\"default\"><allow send_destination=\"*\" eavesdrop=\"true\"/>"
            "<allow eavesdrop=\"true\"/><allow own=\"*\"/></policy></busconfig>\n")
                               .arg(m_dir.path())
                               .toUtf8());
        m_daemon.start(daemon, {QStringLiteral("--config-file=") + config,
                                QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
        if (!m_daemon.waitForStarted(5000))
            return;
        while (m_address.isEmpty() && m_daemon.waitForReadyRead(5000))
            m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
    }
    ~PrivateBus()
    {
        for (const QString &name : m_names)
            QDBusConnection::disconnectFromBus(name);
        m_daemon.kill();
        m_daemon.waitForFinished();
    }

    [[nodiscard]] bool isUp() const { return !m_address.isEmpty(); }
    QDBusConnection connect(const QString &name)
    {
        m_names.append(name);
        return QDBusConnection::connectToBus(m_address, name);
    }

private:
    QTemporaryDir m_dir;
    QProcess m_daemon;
    QString m_address;
    QStringList m_names;
};

// A notification service as desktops provide it: the calls Kibanu makes, and its signals.
class StandIn : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    struct Call {
        QString app;
        uint replaces = 0;
        QString icon;
        QString summary;
        QString body;
        QStringList actions;
        QVariantMap hints;
        int timeout = -1;
    };

    QStringList capabilities{QStringLiteral("actions"), QStringLiteral("body")};
    bool failing = false;
    QList<Call> calls;

public slots:
    QStringList GetCapabilities() { return capabilities; }
    uint Notify(const QString &app, uint replaces, const QString &icon, const QString &summary,
                const QString &body, const QStringList &actions, const QVariantMap &hints,
                int timeout)
    {
        if (failing) {
            sendErrorReply(QDBusError::Failed, QStringLiteral("out of order"));
            return 0;
        }
        calls.append({app, replaces, icon, summary, body, actions, hints, timeout});
        return 100 + uint(calls.size());
    }
    void CloseNotification(uint id) { Q_UNUSED(id); }
};

class Notifier : public ::testing::Test, public AppRun {
protected:
    void SetUp() override
    {
        if (!bus.isUp())
            GTEST_SKIP() << "dbus-daemon is not installed";
        service = bus.connect(QStringLiteral("service"));
        client = bus.connect(QStringLiteral("client"));
        ASSERT_TRUE(service.isConnected() && client.isConnected());
        app->setNotificationBus(client);
    }

    void serviceUp()
    {
        ASSERT_TRUE(service.registerObject(objectPath, &standIn, QDBusConnection::ExportAllSlots));
        ASSERT_TRUE(service.registerService(serviceName));
    }
    void serviceDown()
    {
        service.unregisterObject(objectPath);
        ASSERT_TRUE(service.unregisterService(serviceName));
    }

    void startOn(const char *schedule)
    {
        writeBytes(path("schedule.txt"), sjis(QString::fromUtf8(schedule)));
        app->setSkipStartup(true);
        app->start();
        if (app->todayWindow().isVisible())
            app->todayWindow().cmdClose_Click();
        // The reminders start once the board has been painted.
        EXPECT_TRUE(QTest::qWaitFor([this] { return app->reminding() != nullptr; }));
    }

    void at(int hour, int minute)
    {
        clock->set(QDateTime(QDate(2026, 12, 7), QTime(hour, minute)));
        app->reminding()->look();
    }

    bool callsReach(int count)
    {
        return QTest::qWaitFor([&] { return standIn.calls.size() >= count; }, 5000)
               && standIn.calls.size() == count;
    }
    QStringList inWindow()
    {
        frmReminder *w = app->reminding()->window();
        return w && w->isVisible() ? w->findChild<QLabel *>("lblReminder")->text().split('\n')
                                   : QStringList();
    }
    bool windowShows(int lines)
    {
        return QTest::qWaitFor([&] { return inWindow().size() >= lines; }, 5000)
               && inWindow().size() == lines;
    }

    void invoke(uint id, const QString &action)
    {
        QDBusMessage signal = QDBusMessage::createSignal(objectPath, serviceName,
                                                         QStringLiteral("ActionInvoked"));
        signal << id << action;
        ASSERT_TRUE(service.send(signal));
    }

    PrivateBus bus;
    QDBusConnection service{QString()};
    QDBusConnection client{QString()};
    StandIn standIn;
};

} // namespace

TEST_F(Notifier, theServiceShowsTheReminderUntilDismissedWithItsTwoActions)
{
    serviceUp();
    startOn("会議,12/7,9:05\r\n");
    ASSERT_TRUE(callsReach(1));
    const StandIn::Call &call = standIn.calls.at(0);
    EXPECT_EQ(call.app, QStringLiteral("Kibanu"));
    EXPECT_EQ(call.icon, QStringLiteral("kibanu"));
    EXPECT_EQ(call.replaces, 0u);
    EXPECT_EQ(call.summary, QString::fromUtf8("09:05 会議"));
    EXPECT_EQ(call.body, QString::fromUtf8("あと 5 分"));
    EXPECT_EQ(call.actions, (QStringList{"snooze", QString::fromUtf8("5分後にもう一度"), "open",
                                         QString::fromUtf8("予定表を開く")}));
    EXPECT_EQ(call.hints.value("urgency").toInt(), 2); // critical: it stays
    EXPECT_EQ(call.hints.value("desktop-entry").toString(), QStringLiteral("kibanu"));
    EXPECT_EQ(call.timeout, 0);                        // never expires by itself
    EXPECT_EQ(app->reminding()->window(), nullptr);
}

TEST_F(Notifier, fiveMinutesLaterAnnouncesAgainAndAnotherProgramsActionIsIgnored)
{
    serviceUp();
    startOn("会議,12/7,9:09\r\n");
    ASSERT_TRUE(callsReach(1));
    QSignalSpy snoozed(&app->reminding()->notifier(), &DesktopNotifier::snoozeRequested);
    invoke(999, QStringLiteral("snooze")); // not ours
    invoke(101, QStringLiteral("snooze"));
    ASSERT_TRUE(snoozed.wait(5000)); // in the order sent: the other program's came first
    EXPECT_EQ(snoozed.count(), 1);
    at(9, 4);
    EXPECT_TRUE(callsReach(1));
    at(9, 5);
    ASSERT_TRUE(callsReach(2));
    EXPECT_EQ(standIn.calls.at(1).summary, QString::fromUtf8("09:09 会議"));
    EXPECT_EQ(standIn.calls.at(1).body, QString::fromUtf8("あと 4 分"));
}

TEST_F(Notifier, openShowsTheScheduleWithThatAppointmentSelected)
{
    serviceUp();
    startOn("朝会,12/7,8:30\r\n会議,12/7,9:05\r\n来週,12/14,9:00\r\n");
    ASSERT_TRUE(callsReach(1));
    frmSchedule &window = app->scheduleWindow();
    QSignalSpy opened(&app->reminding()->notifier(), &DesktopNotifier::openRequested);
    invoke(7, QStringLiteral("open")); // another program's notification
    invoke(101, QStringLiteral("open"));
    ASSERT_TRUE(opened.wait(5000)); // in the order sent: the other program's came first
    EXPECT_EQ(opened.count(), 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.isVisible(); }, 5000));
    ASSERT_GE(window.selectedIndex(), 0);
    EXPECT_EQ(schedule().at(window.selectedIndex()).eventinfo, QString::fromUtf8("会議"));
}

// A series' day is announced as an entry is, and its open shows the series' line.
TEST_F(Notifier, openOfASeriesDayShowsTheScheduleWithTheSeriesSelected)
{
    serviceUp();
    writeBytes(path("repeat.txt"), sjis(QString::fromUtf8("ヨガ,2026/12/1,9:05,毎日,,,,,\r\n")));
    startOn("来週,12/14,9:00\r\n");
    ASSERT_TRUE(callsReach(1));
    EXPECT_EQ(standIn.calls.at(0).summary, QString::fromUtf8("09:05 ヨガ"));
    frmSchedule &window = app->scheduleWindow();
    invoke(101, QStringLiteral("open"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.isVisible(); }, 5000));
    EXPECT_EQ(window.selectedIndex(), -1); // no single entry
    const auto *list = window.findChild<QAbstractItemView *>("lstSchedule");
    EXPECT_EQ(list->currentIndex().data().toString(), QString::fromUtf8("26/12/07  09:05  ヨガ（毎日）"));
}

TEST_F(Notifier, aServiceWithoutActionsIsOfferedNone)
{
    standIn.capabilities = {QStringLiteral("body")};
    serviceUp();
    startOn("会議,12/7,9:05\r\n");
    ASSERT_TRUE(callsReach(1));
    EXPECT_TRUE(standIn.calls.at(0).actions.isEmpty());
}

// The desktop restarted during the run: each reminder takes the way that works at its
// moment, and is shown once.
TEST_F(Notifier, aServiceGoneOrFailingLeavesTheWindowAndOneComingBackIsUsedAgain)
{
    startOn("一,12/7,9:05\r\n二,12/7,9:20\r\n三,12/7,9:40\r\n四,12/7,10:00\r\n");
    ASSERT_TRUE(windowShows(1)); // nobody owns the name
    EXPECT_EQ(inWindow().at(0), QString::fromUtf8("09:05 一　（あと 5 分）"));
    app->reminding()->window()->cmdClose_Click();

    serviceUp();
    at(9, 10);
    ASSERT_TRUE(callsReach(1));
    EXPECT_EQ(standIn.calls.at(0).summary, QString::fromUtf8("09:20 二"));
    EXPECT_EQ(inWindow(), QStringList());

    standIn.failing = true;
    at(9, 30);
    ASSERT_TRUE(windowShows(1));
    EXPECT_EQ(inWindow().at(0), QString::fromUtf8("09:40 三　（あと 10 分）"));
    app->reminding()->window()->cmdClose_Click();

    standIn.failing = false;
    serviceDown();
    at(9, 50);
    ASSERT_TRUE(windowShows(1));
    EXPECT_EQ(inWindow().at(0), QString::fromUtf8("10:00 四　（あと 10 分）"));
    EXPECT_EQ(standIn.calls.size(), 1);
}

#include "notifier_test.moc"
