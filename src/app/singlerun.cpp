// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "singlerun.h"

#include "localsocket.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QThread>

#include <cerrno>

#include <cstdio>
#include <memory>
#include <utility>

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

SingleRun::~SingleRun()
{
    // As the lock goes, so does the socket: no later start finds it.
    if (m_listening >= 0) {
        localsocket::close(m_listening);
        QFile::remove(socketPath());
    }
}

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
    m_listening = localsocket::listenAt(socketPath());
    if (m_listening < 0 && errno == EADDRINUSE) {
        // The socket file of a run that was killed: no live run listens there, as this
        // run holds the lock.
        QFile::remove(socketPath());
        m_listening = localsocket::listenAt(socketPath());
    }
    if (m_listening < 0)
        return; // the folder is still held: later starts wait for the lock
    auto *callers = new QSocketNotifier(m_listening, QSocketNotifier::Read, this);
    connect(callers, &QSocketNotifier::activated, this, &SingleRun::acceptCallers);
}

void SingleRun::acceptCallers()
{
    for (int caller = localsocket::accept(m_listening); caller >= 0;
         caller = localsocket::accept(m_listening))
        serve(caller);
}

SingleRun::Answer SingleRun::askToComeForward() const
{
    // Never another user's socket: anyone may put one in the temporary folder.
    const QFileInfo file(socketPath());
    if (!file.exists() || file.ownerId() != ::getuid())
        return Answer::None;
    const int socket = localsocket::connectTo(socketPath());
    if (socket < 0)
        return Answer::None;
    const bool sent = localsocket::sendAll(socket, request(), QDeadlineTimer(1000));
    // A run that does not answer (busy, or of a version that never did) was asked all the same.
    const bool quitting =
        sent && localsocket::receiveLine(socket, requestLimit, QDeadlineTimer(1000)) == answerQuitting();
    localsocket::close(socket);
    if (!sent)
        return Answer::None;
    return quitting ? Answer::Quitting : Answer::Forward;
}

namespace {

// A later start's connection: closed when done with, or with the run that serves it.
struct Caller {
    explicit Caller(int socket) : fd(socket) {}
    Caller(const Caller &) = delete;
    Caller &operator=(const Caller &) = delete;
    ~Caller() { localsocket::close(fd); }
    int fd;
    QByteArray got;
};

} // namespace

void SingleRun::serve(int fd)
{
    // Read once the request is whole (or the other side has gone), then answer and close.
    auto *readable = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    auto caller = std::make_shared<Caller>(fd);
    connect(readable, &QSocketNotifier::activated, this, [this, readable, caller] {
        const bool open = localsocket::receiveAvailable(caller->fd, caller->got);
        if (open && !caller->got.contains('\n') && caller->got.size() < requestLimit)
            return;
        readable->setEnabled(false);
        readable->deleteLater();
        const bool asked = caller->got.left(requestLimit) == request();
        // A run that is ending cannot come forward: the later start waits for it.
        if (asked)
            (void)localsocket::sendAll(caller->fd, m_quitting ? answerQuitting() : answerForward(),
                                       QDeadlineTimer(100));
        localsocket::close(std::exchange(caller->fd, -1)); // what was sent still arrives
        if (asked && !m_quitting)
            emit comeForward();
    });
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
