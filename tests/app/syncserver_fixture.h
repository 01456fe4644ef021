// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The whole way to a calendar and address book server and back: Radicale on a free port
// of 127.0.0.1 with a storage of its own, vdirsyncer with a configuration made here for
// each of two computers, and the program's session between the syncs, as a start and a
// quit run it.
#pragma once

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

class SyncServer : public ::testing::Test {
protected:
    QTemporaryDir work;
    QProcess radicale;
    quint16 port = 0;
    // Two computers of one user, each with its program folder and its sync folder.
    QString programFolders[2];
    QString vdirs[2];
    QString &programFolder = programFolders[0];
    QString &vdir = vdirs[0];
    FakeClock clock{QDateTime(QDate(2026, 12, 7), QTime(9, 0))};

    void SetUp() override
    {
        if (QStandardPaths::findExecutable("radicale").isEmpty()
            || QStandardPaths::findExecutable("vdirsyncer").isEmpty())
            GTEST_SKIP() << "radicale and vdirsyncer are not installed (Debian: radicale, vdirsyncer; "
                            "tools/install-deps installs them)";
        const QDir root(work.path());
        for (int c = 0; c < 2; ++c) {
            programFolders[c] = root.filePath(c == 0 ? "program" : "program2");
            vdirs[c] = root.filePath(c == 0 ? "vdir" : "vdir2");
            ASSERT_TRUE(root.mkpath(programFolders[c]));
            ASSERT_TRUE(root.mkpath(vdirs[c] + "/calendar"));
            ASSERT_TRUE(root.mkpath(vdirs[c] + "/contacts"));
        }
        for (const char *path : {"storage/collection-root/kibanu/calendar",
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
        for (int c = 0; c < 2; ++c) {
            writeBytes(configPath(c), vdirsyncerConfig(c).toUtf8());
            writeBytes(QDir(programFolders[c]).filePath("pim.ini"),
                       sjis("[Pim]\r\nskipstartup=-1\r\nSyncFolder=" + vdirs[c] + "\r\n"));
        }

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
        vdirsyncer({"discover"}, 1);
    }

    QString configPath(int computer) const
    {
        return QDir(work.path()).filePath(computer == 0 ? "vdirsyncer.conf" : "vdirsyncer2.conf");
    }

    QString vdirsyncerConfig(int computer) const
    {
        QString config = QString("[general]\nstatus_path = \"%1/status%2/\"\n").arg(work.path()).arg(computer);
        for (const char *kind : {"calendar", "contacts"}) {
            const bool cal = QLatin1String(kind) == QLatin1String("calendar");
            config += QString("[pair %1]\na = \"%1_local\"\nb = \"%1_server\"\ncollections = null\n"
                              "conflict_resolution = \"a wins\"\n"
                              "[storage %1_local]\ntype = \"filesystem\"\npath = \"%2/%1/\"\nfileext = \"%3\"\n"
                              "[storage %1_server]\ntype = \"%4\"\nurl = \"%5\"\nusername = \"kibanu\"\npassword = \"x\"\n")
                          .arg(kind, vdirs[computer], cal ? ".ics" : ".vcf", cal ? "caldav" : "carddav", url(kind));
        }
        return config;
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

    void vdirsyncer(const QStringList &arguments, int computer = 0)
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("VDIRSYNCER_CONFIG", configPath(computer));
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
    void runProgram(Edit edit, int computer = 0)
    {
        Session session(programFolders[computer], clock);
        session.readSyncSettings();
        session.loadThroughSchedule();
        session.loadPhoneFiles();
        session.loadSettings();
        EXPECT_TRUE(session.takeSyncMessages().isEmpty());
        edit(session);
        ASSERT_TRUE(session.quitWithSaving().ok);
        EXPECT_TRUE(session.takeSyncMessages().isEmpty());
    }

    QByteArray dataFile(const char *name, int computer = 0) const
    {
        return readBytes(QDir(programFolders[computer]).filePath(name));
    }
};

