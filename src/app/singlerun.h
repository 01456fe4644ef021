// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

#include <chrono>


// One run per data folder. The first start holds a lock file named after the folder
// and listens on a local socket of its own user; a later start on the same folder asks
// that run to come forward and ends without reading or writing anything there. Both live
// beside each other in the user's runtime folder, not in the data folder: a sync tool
// would carry a lock there to the user's other computer, where no process could ever be
// found to free it.
class SingleRun : public QObject {
    Q_OBJECT
public:
    enum class Outcome {
        First,     // this run holds the folder and listens for later starts
        Forwarded, // a live run holds the folder and was asked to come forward: end now
        Unguarded, // no lock can be made (or another user's file is in its place): run alone
        StillQuitting, // the run that holds the folder was quitting and did not end in time
    };

    // patience: how long a later start keeps trying to reach the run that holds the
    // folder, which may still be starting. quitWait: how long it waits for a run that
    // answers that it is quitting (its tomorrow window, its sync command) to end; then it
    // starts as the first, on the files that run saved.
    explicit SingleRun(const QString &folder,
                       std::chrono::milliseconds patience = std::chrono::seconds(3),
                       std::chrono::milliseconds quitWait = std::chrono::seconds(60));
    ~SingleRun() override;

    [[nodiscard]] Outcome claim();
    // From now on a later start is told that this run is ending, and waits for it.
    void setQuitting() { m_quitting = true; }
    // Why a start that waited for a quitting run gave up, for the user.
    [[nodiscard]] static QString stillQuittingMessage();

    // The name the first run listens on: a path in the user's runtime folder where there
    // is one, else a plain name, which Qt puts in the temporary folder.
    [[nodiscard]] QString serverName() const { return m_serverName; }
    // The socket file that name stands for.
    [[nodiscard]] QString socketPath() const;
    // The lock file, beside the socket.
    [[nodiscard]] QString lockPath() const { return m_lock.fileName(); }
    // The one request a later start sends, and the answers: brought forward, or quitting.
    [[nodiscard]] static QByteArray request();
    [[nodiscard]] static QByteArray answerForward();
    [[nodiscard]] static QByteArray answerQuitting();

signals:
    // A later start on this folder asked this run to come forward.
    void comeForward();

private:
    enum class Answer { None, Forward, Quitting };
    void listen();
    void acceptCallers();
    [[nodiscard]] Answer askToComeForward() const;
    [[nodiscard]] Outcome waitForQuit();
    void serve(int fd);
    void clearNamelessLock();
    void tellUnanswered();

    QString m_serverName;
    std::chrono::milliseconds m_patience;
    std::chrono::milliseconds m_quitWait;
    bool m_quitting = false;
    QLockFile m_lock;
    int m_listening = -1; // the socket later starts call, once this run holds the folder
};
