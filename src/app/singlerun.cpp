// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "singlerun.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

#include <cstdio>

#include <unistd.h>

namespace {

// A request longer than this is not ours.
constexpr qint64 requestLimit = 64;

QString canonicalFolder(const QString &folder)
{
    const QFileInfo info(folder);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

// A hash keeps the name short for any folder path (a socket path holds about 100 bytes)
// and apart for every folder and user.
QString serverNameFor(const QString &folder)
{
    const QByteArray key = canonicalFolder(folder).toUtf8() + '\0' + QByteArray::number(::getuid());
    QString name = QStringLiteral("kibanu-")
        + QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex().left(24));
    // The runtime folder is the user's own; the temporary folder is everyone's.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
        return QDir(runtime).filePath(name);
    return name;
}

QString socketPathFor(const QString &serverName)
{
    if (QDir::isAbsolutePath(serverName))
        return serverName;
    return QDir(QDir::tempPath()).filePath(serverName);
}

} // namespace

SingleRun::SingleRun(const QString &folder, std::chrono::milliseconds patience,
                     std::chrono::milliseconds quitWait)
    : m_serverName(serverNameFor(folder)), m_patience(patience), m_quitWait(quitWait),
      m_lock(socketPathFor(m_serverName) + QStringLiteral(".lock"))
{
    // A run may last for weeks: only a lock whose process is gone is stale, never an old one.
    m_lock.setStaleLockTime(std::chrono::milliseconds::zero());
}

SingleRun::~SingleRun() = default;

QString SingleRun::socketPath() const
{
    return socketPathFor(m_serverName);
}

QByteArray SingleRun::request()
{
    return QByteArrayLiteral("forward\n");
}

QByteArray SingleRun::answerForward()
{
    return QByteArrayLiteral("ok\n");
}

QByteArray SingleRun::answerQuitting()
{
    return QByteArrayLiteral("quitting\n");
}

QString SingleRun::stillQuittingMessage()
{
    return QStringLiteral("このフォルダの Kibanu が終了の途中（明日の予定の表示や同期）のまま終わらないため、"
                          "起動できませんでした。その Kibanu を終了してから、もう一度起動してください。");
}

SingleRun::Outcome SingleRun::claim()
{
    const QDeadlineTimer deadline(m_patience);
    bool lastRound = false;
    // In the temporary folder anyone may put a file at the lock's name: not this user's
    // lock, and no reason to refuse the start.
    const QFileInfo lockFile(m_lock.fileName());
    if (lockFile.exists() && lockFile.ownerId() != ::getuid())
        return Outcome::Unguarded;
    for (;;) {
        // Taken again on every round: the run that holds the folder may just be ending.
        if (m_lock.tryLock(0)) {
            listen();
            return Outcome::First;
        }
        if (m_lock.error() != QLockFile::LockFailedError)
            return Outcome::Unguarded;
        switch (askToComeForward()) {
        case Answer::Forward: return Outcome::Forwarded;
        case Answer::Quitting: return waitForQuit();
        case Answer::None: break;
        }
        if (deadline.hasExpired()) {
            if (lastRound)
                break;
            lastRound = true;
            clearNamelessLock();
            continue;
        }
        QThread::msleep(50);
    }
    // Its process lives, so a second board would still write over the same files.
    tellUnanswered();
    return Outcome::Forwarded;
}

SingleRun::Outcome SingleRun::waitForQuit()
{
    // Nothing shown meanwhile: the run that ends may still show its tomorrow window.
    if (m_lock.tryLock(m_quitWait)) {
        listen();
        return Outcome::First;
    }
    std::fputs(("Kibanu: " + stillQuittingMessage() + u'\n').toUtf8().constData(), stderr);
    return Outcome::StillQuitting;
}

void SingleRun::listen()
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server->nextPendingConnection())
            serve(socket);
    });
    if (m_server->listen(m_serverName))
        return;
    if (m_server->serverError() == QAbstractSocket::AddressInUseError) {
        // The socket file of a run that was killed: no live run listens there, as this
        // run holds the lock.
        QLocalServer::removeServer(m_serverName);
        m_server->listen(m_serverName);
    }
}

SingleRun::Answer SingleRun::askToComeForward() const
{
    // Never another user's socket: anyone may put one in the temporary folder.
    const QFileInfo file(socketPath());
    if (!file.exists() || file.ownerId() != ::getuid())
        return Answer::None;
    QLocalSocket socket;
    socket.connectToServer(m_serverName, QIODevice::ReadWrite);
    if (!socket.waitForConnected(250))
        return Answer::None;
    socket.write(request());
    if (socket.bytesToWrite() != 0 && !socket.waitForBytesWritten(1000))
        return Answer::None;
    // A run that does not answer (busy, or of a version that never did) was asked all the same.
    QDeadlineTimer answerWait(1000);
    while (!socket.canReadLine() && socket.state() == QLocalSocket::ConnectedState
           && !answerWait.hasExpired())
        socket.waitForReadyRead(int(answerWait.remainingTime()));
    const bool quitting = socket.readLine(requestLimit) == answerQuitting();
    socket.disconnectFromServer();
    return quitting ? Answer::Quitting : Answer::Forward;
}

void SingleRun::serve(QLocalSocket *socket)
{
    // Read once the request is whole (or the other side has gone), then close.
    const auto handle = [this, socket](bool ended) {
        if (!ended && !socket->canReadLine() && socket->bytesAvailable() < requestLimit)
            return;
        const QByteArray got = socket->read(requestLimit);
        disconnect(socket, nullptr, this, nullptr);
        const bool asked = got == request();
        if (asked) {
            // A run that is ending cannot come forward: the later start waits for it.
            socket->write(m_quitting ? answerQuitting() : answerForward());
            socket->flush();
        }
        socket->disconnectFromServer(); // once what was written has gone
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        if (socket->state() == QLocalSocket::UnconnectedState)
            socket->deleteLater();
        if (asked && !m_quitting)
            emit comeForward();
    };
    connect(socket, &QLocalSocket::readyRead, this, [handle] { handle(false); });
    connect(socket, &QLocalSocket::disconnected, this, [handle] { handle(true); });
}

void SingleRun::clearNamelessLock()
{
    // A lock file that names no process was cut short as it was written (a crash, a full
    // disk). Its age does not count, so Qt never takes it for stale; after the wait no
    // start can still be writing it.
    qint64 pid = 0;
    QString host;
    QString name;
    if (QFile::exists(m_lock.fileName()) && !m_lock.getLockInfo(&pid, &host, &name))
        m_lock.removeStaleLockFile();
}

void SingleRun::tellUnanswered()
{
    qint64 pid = 0;
    QString host;
    QString name;
    m_lock.getLockInfo(&pid, &host, &name);
    const QString text =
        QStringLiteral("Kibanu: このフォルダの Kibanu（プロセス %1）が動いていますが、応答が"
                       "ありません。二つ目は開かずに終了します。\n")
            .arg(pid);
    std::fputs(text.toUtf8().constData(), stderr);
}
