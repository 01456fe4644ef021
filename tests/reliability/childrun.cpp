// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "childrun.h"

#include "common/testfiles.h"

#include <QDir>
#include <QProcess>

#include <gtest/gtest.h>

void writeQuitInput(const QString &dir)
{
    for (const QString &name : dataFiles) {
        const QByteArray in = readBytes(QStringLiteral(KIBANU_TEST_DATA "/quit/in/%1").arg(name));
        if (in != "<missing>")
            writeBytes(QDir(dir).filePath(name), in);
    }
}

Files filesIn(const QString &dir)
{
    Files files;
    for (const QString &name : dataFiles)
        files[name] = readBytes(QDir(dir).filePath(name));
    return files;
}

Folder::Folder()
{
    writeQuitInput(dir.path());
}

Folder::Folder(const Files &files)
{
    for (const auto &[name, bytes] : files)
        if (bytes != "<missing>")
            writeBytes(path(name), bytes);
}

QString Folder::path(const QString &name) const
{
    return QDir(dir.path()).filePath(name);
}

Files Folder::files() const
{
    return filesIn(dir.path());
}

Child runProgram(const QString &program, const QStringList &args)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, args);
    EXPECT_TRUE(process.waitForFinished(120000)) << program.toStdString() << " did not finish";
    Child child;
    child.killed = process.exitStatus() == QProcess::CrashExit;
    child.exitCode = process.exitCode();
    child.output = QString::fromUtf8(process.readAll());
    return child;
}

Child runChild(const Folder &folder, const QStringList &args)
{
    return runProgram(QStringLiteral(KIBANU_QUITCHILD), QStringList{folder.dir.path()} + args);
}

bool isOldOrNew(const QString &name, const QByteArray &now, const QByteArray &old,
                const QByteArray &wanted)
{
    if (now == old || now == wanted)
        return true;
    return name == QLatin1String("done.txt") && wanted.startsWith(now) && now.endsWith("\r\n")
           && now.size() > old.size();
}
