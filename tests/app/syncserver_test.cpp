// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The whole way to a calendar and address book server and back: Radicale on a free port
// of 127.0.0.1 with a storage of its own, vdirsyncer with a configuration made here, and
// the program's session between the syncs, as a start and a quit run it.
#include "app/session.h"
#include "common/fakes.h"
#include "common/testfiles.h"

#include <QDir>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

class SyncServer : public ::testing::Test {
protected:
    QTemporaryDir work;
    QProcess radicale;
    quint16 port = 0;
    QString programFolder;
    QString vdir;
    FakeClock clock{QDateTime(QDate(2026, 12, 7), QTime(9, 0))};

    void SetUp() override
    {
        if (QStandardPaths::findExecutable("radicale").isEmpty()
            || QStandardPaths::findExecutable("vdirsyncer").isEmpty())
            GTEST_SKIP() << "radicale and vdirsyncer are not installed (Debian: radicale, vdirsyncer; "
                            "tools/install-deps installs them)";
        const QDir root(work.path());
        programFolder = root.filePath("program");
        vdir = root.filePath("vdir");
        for (const char *path : {"program", "vdir/calendar", "vdir/contacts",
                                 "storage/collection-root/kibanu/calendar",
                                 "storage/collection-root/kibanu/contacts"})
            ASSERT_TRUE(root.mkpath(path));
        writeBytes(root.filePath("storage/collection-root/kibanu/calendar/.Radicale.props"),
                   R"({"tag": "VCALENDAR"})");
        writeBytes(root.filePath("storage/collection-root/kibanu/contacts/.Radicale.props"),
                   R"({"tag": "VADDRESSBOOK"})");
        {
            QTcpServer probe;
            ASSERT_TRUE(probe.listen(QHostAddress::LocalHost));
            port = probe.serverPort();
        }
        writeBytes(root.filePath("radicale.conf"),
                   QString("[server]\nhosts = 127.0.0.1:%1\n[auth]\ntype = none\n[storage]\n"
                           "filesystem_folder = %2\n[web]\ntype = none\n[logging]\nlevel = warning\n")
                       .arg(port)
                       .arg(root.filePath("storage"))
                       .toUtf8());
        QString config = QString("[general]\nstatus_path = \"%1/status/\"\n").arg(work.path());
        for (const char *kind : {"calendar", "contacts"}) {
            const bool cal = QLatin1String(kind) == QLatin1String("calendar");
            config += QString("[pair %1]\na = \"%1_local\"\nb = \"%1_server\"\ncollections = null\n"
                              "conflict_resolution = \"a wins\"\n"
                              "[storage %1_local]\ntype = \"filesystem\"\npath = \"%2/%1/\"\nfileext = \"%3\"\n"
                              "[storage %1_server]\ntype = \"%4\"\nurl = \"%5\"\nusername = \"kibanu\"\npassword = \"x\"\n")
                          .arg(kind, vdir, cal ? ".ics" : ".vcf", cal ? "caldav" : "carddav", url(kind));
        }
        writeBytes(root.filePath("vdirsyncer.conf"), config.toUtf8());
        writeBytes(QDir(programFolder).filePath("pim.ini"),
                   sjis("[Pim]\r\nskipstartup=-1\r\nSyncFolder=" + vdir + "\r\n"));

        radicale.setProgram(QStandardPaths::findExecutable("radicale"));
        radicale.setArguments({"--config", root.filePath("radicale.conf")});
        radicale.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        radicale.start();
        ASSERT_TRUE(radicale.waitForStarted());
        bool up = false;
        for (int i = 0; i < 100 && !up; ++i) {
            QTcpSocket socket;
            socket.connectToHost(QHostAddress::LocalHost, port);
            up = socket.waitForConnected(100);
            if (!up)
                QThread::msleep(100);
        }
        ASSERT_TRUE(up) << "Radicale did not listen on port " << port;
        vdirsyncer({"discover"});
    }

    void TearDown() override
    {
        if (radicale.state() != QProcess::NotRunning) {
            radicale.terminate();
            if (!radicale.waitForFinished(5000))
                radicale.kill();
        }
    }

    QString url(const QString &kind, const QString &item = {}) const
    {
        return QString("http://127.0.0.1:%1/kibanu/%2/%3").arg(port).arg(kind, item);
    }

    void vdirsyncer(const QStringList &arguments)
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("VDIRSYNCER_CONFIG", QDir(work.path()).filePath("vdirsyncer.conf"));
        // The server is on this machine: a proxy of the environment must not be asked.
        for (const char *name : {"http_proxy", "HTTP_PROXY", "https_proxy", "HTTPS_PROXY", "all_proxy", "ALL_PROXY"})
            env.remove(name);
        env.insert("NO_PROXY", "127.0.0.1,localhost");
        env.insert("no_proxy", "127.0.0.1,localhost");
        p.setProcessEnvironment(env);
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.setStandardInputFile(QProcess::nullDevice());
        p.start(QStandardPaths::findExecutable("vdirsyncer"), arguments);
        ASSERT_TRUE(p.waitForFinished(60000));
        const QByteArray output = p.readAll();
        ASSERT_EQ(p.exitCode(), 0) << output.toStdString();
    }

    // One HTTP request to the server, as another calendar program makes it.
    QByteArray http(const QByteArray &verb, const QString &to, const QByteArray &body = {},
                    const char *type = nullptr)
    {
        QNetworkAccessManager manager;
        manager.setProxy(QNetworkProxy::NoProxy);
        QNetworkRequest request{QUrl(to)};
        if (type)
            request.setHeader(QNetworkRequest::ContentTypeHeader, type);
        QNetworkReply *reply = manager.sendCustomRequest(request, verb, body);
        QEventLoop loop;
        QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        loop.exec();
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        EXPECT_LT(status, 300) << verb.constData() << " " << to.toStdString() << ": " << status;
        const QByteArray answer = reply->readAll();
        reply->deleteLater();
        return answer;
    }

    // A start and a quit of the program around what `edit` does with its session.
    template<typename Edit>
    void runProgram(Edit edit)
    {
        Session session(programFolder, clock);
        session.readSyncSettings();
        session.loadThroughSchedule();
        session.loadPhoneFiles();
        session.loadSettings();
        EXPECT_TRUE(session.takeSyncMessages().isEmpty());
        edit(session);
        ASSERT_TRUE(session.quitWithSaving().ok);
        EXPECT_TRUE(session.takeSyncMessages().isEmpty());
    }

    QByteArray dataFile(const char *name) const { return readBytes(QDir(programFolder).filePath(name)); }
};

const QByteArray serverEvent =
    "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Phone//EN\r\nBEGIN:VEVENT\r\nUID:srv-event\r\n"
    "DTSTAMP:20261201T000000Z\r\nDTSTART;VALUE=DATE:20261215\r\nDTEND;VALUE=DATE:20261216\r\n"
    "SUMMARY:dentist\r\nATTENDEE;CN=Sato:mailto:sato@example.com\r\n"
    "BEGIN:VALARM\r\nACTION:DISPLAY\r\nDESCRIPTION:dentist\r\nTRIGGER:-PT30M\r\nEND:VALARM\r\n"
    "END:VEVENT\r\nEND:VCALENDAR\r\n";
const QByteArray serverCard = "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:srv-card\r\nFN:Taro Sato\r\n"
                              "N:Sato;Taro;;;\r\nTEL;TYPE=CELL:090-0000-1111\r\n"
                              "ADR;TYPE=HOME:;;1-2-3;Tokyo;;;JP\r\nEND:VCARD\r\n";

} // namespace

TEST_F(SyncServer, entriesReachTheServerAndWhatTheServerDoesReachesTheFiles)
{
    // Made in the program, sent by the sync after the quit.
    runProgram([](Session &s) {
        s.schedule().add("2026/12/24", "18:00", "年末の会", QDate(2026, 12, 9));
        phoneentry e;
        e.index = "yamada";
        e.name = "山田 花子";
        e.numphone = 1;
        e.phonetype[0] = "自宅";
        e.phonenumber[0] = "03-1234-5678";
        s.phoneBook().add(e);
    });
    vdirsyncer({"sync"});
    EXPECT_TRUE(QString::fromUtf8(http("GET", url("calendar"))).contains("SUMMARY:年末の会"));
    EXPECT_TRUE(QString::fromUtf8(http("GET", url("contacts"))).contains("FN:山田 花子"));

    // Another program on the server: an event and a card made, the program's event changed.
    const QString ours = QDir(vdir + "/calendar").entryList(QDir::Files).value(0);
    ASSERT_FALSE(ours.isEmpty());
    QByteArray changed = http("GET", url("calendar", ours));
    changed.replace("SUMMARY:年末の会", "SUMMARY:年末の会 変更");
    http("PUT", url("calendar", ours), changed, "text/calendar");
    http("PUT", url("calendar", "srv-event.ics"), serverEvent, "text/calendar");
    http("PUT", url("contacts", "srv-card.vcf"), serverCard, "text/vcard");
    vdirsyncer({"sync"});

    // The next start has them; its edit of the server's event keeps what it does not show.
    runProgram([](Session &s) {
        ScheduleTable &t = s.schedule();
        ASSERT_EQ(t.ntschedule(), 2);
        ASSERT_EQ(s.phoneBook().ntphone(), 2);
        for (int i = 0; i < t.ntschedule(); ++i)
            if (t.at(i).eventinfo == "dentist")
                t.change(i, t.at(i).eventdate, "", "dentist moved", QDate(2026, 12, 9));
    });
    EXPECT_TRUE(dataFile("schedule.txt").contains(sjis("年末の会 変更")));
    EXPECT_TRUE(dataFile("tel.txt").contains("Taro Sato"));
    vdirsyncer({"sync"});
    const QByteArray event = http("GET", url("calendar", "srv-event.ics"));
    EXPECT_TRUE(event.contains("SUMMARY:dentist moved"));
    EXPECT_TRUE(event.contains("ATTENDEE;CN=Sato:mailto:sato@example.com"));
    EXPECT_TRUE(event.contains("TRIGGER:-PT30M"));

    // Deleted on the server: gone from the files after the next start and quit.
    http("DELETE", url("calendar", "srv-event.ics"));
    http("DELETE", url("contacts", "srv-card.vcf"));
    vdirsyncer({"sync"});
    runProgram([](Session &s) {
        EXPECT_EQ(s.schedule().ntschedule(), 1);
        EXPECT_EQ(s.phoneBook().ntphone(), 1);
    });
    EXPECT_FALSE(dataFile("schedule.txt").contains("dentist"));
    EXPECT_FALSE(dataFile("tel.txt").contains("Taro Sato"));
    EXPECT_TRUE(dataFile("tel.txt").contains("yamada"));
}
