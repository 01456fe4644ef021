// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "synccommand.h"

#include "shell/frmsyncrun.h"
#include "ui/windows.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>

namespace synccommand {

namespace {

// The last lines the command printed, which say why it failed.
QString lastLines(const QByteArray &output, int count = 8)
{
    QStringList lines = QString::fromLocal8Bit(output).split(u'\n', Qt::SkipEmptyParts);
    for (QString &line : lines)
        line = line.trimmed();
    lines.removeAll(QString());
    return lines.mid(std::max<qsizetype>(0, lines.size() - count)).join(u'\n');
}

} // namespace

namespace {

// How the command's run ended, as far as the program stopped it.
struct Ending {
    bool failedToStart = false;
    bool cancelled = false;
    bool timedOut = false;
};

// Waits for the started command while its window shows; 中止 or the time limit kill it.
void waitWhileShown(QProcess &process, frmSyncRun &window, int limitMs, Ending &ending)
{
    windows::showModal(window);
    QElapsedTimer running;
    running.start();
    // Events in slices, not a nested event loop: the window and its 中止 stay alive,
    // and an exit already asked of the program cannot cut the wait short.
    while (!process.waitForFinished(30) && process.state() != QProcess::NotRunning) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 30);
        if (!ending.timedOut && running.elapsed() > limitMs) {
            ending.timedOut = true;
            process.kill();
        }
    }
    window.hide();
}

Result verdict(const QString &command, const QProcess &process, const Ending &ending,
               int limitMs, const QByteArray &output)
{
    if (ending.failedToStart)
        return {false, QStringLiteral("同期コマンド「%1」を起動できませんでした。\n%2")
                           .arg(command, process.errorString())};
    if (ending.cancelled)
        return {false, QStringLiteral("同期コマンド「%1」を中止しました。").arg(command)};
    if (ending.timedOut)
        return {false, QStringLiteral("同期コマンド「%1」が %2 秒で終わらなかったため、止めました。\n%3")
                           .arg(command)
                           .arg(limitMs / 1000)
                           .arg(lastLines(output))};
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return {false, QStringLiteral("同期コマンド「%1」が失敗しました（終了コード %2）。\n%3")
                           .arg(command)
                           .arg(process.exitCode())
                           .arg(lastLines(output))};
    return {};
}

} // namespace

Result run(const QString &command, const QString &folder, int limitMs)
{
    const QStringList words = QProcess::splitCommand(command);
    if (words.isEmpty())
        return {};
    QProcess process;
    process.setProgram(words.first());
    process.setArguments(words.mid(1));
    process.setWorkingDirectory(folder);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setStandardInputFile(QProcess::nullDevice()); // nobody can answer a question
    QByteArray output;
    constexpr qsizetype kept = 16384;
    QObject::connect(&process, &QProcess::readyRead, [&] {
        output += process.readAll();
        if (output.size() > kept)
            output = output.right(kept);
    });

    frmSyncRun window(command);
    Ending ending;
    QObject::connect(&window, &frmSyncRun::cancelRequested, [&] {
        ending.cancelled = true;
        process.kill();
    });
    process.start();
    ending.failedToStart = !process.waitForStarted(5000);
    if (!ending.failedToStart)
        waitWhileShown(process, window, limitMs, ending);
    output += process.readAll();
    return verdict(command, process, ending, limitMs, output);
}

} // namespace synccommand
