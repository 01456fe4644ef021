// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzzfile.h"

#include "text/clock.h"

#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

QString fuzzPath(const char *name)
{
    static QTemporaryDir dir;
    return QDir(dir.path()).filePath(QLatin1String(name));
}

QString fuzzFolder(const char *folder, DataFile file)
{
    const QString path = fuzzPath(folder);
    if (!QDir().mkpath(path))
        fuzzFailure("cannot make a folder");
    return QDir(path).filePath(dataFileName(file));
}

WriteResult saveAsTheQuit(const QString &path, DataFile file, const QStringList &lines)
{
    const SystemClock clock;
    DataFolder folder(QFileInfo(path).absolutePath(), clock);
    return folder.save(file, lines, DataFolder::Backup::No);
}

void putBytes(const QString &path, const uint8_t *data, size_t size)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size))
        fuzzFailure("cannot write the input file");
}

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void fuzzFailure(const char *what)
{
    std::fprintf(stderr, "fuzz failure: %s\n", what);
    std::abort();
}

void showBytes(const char *what, const QByteArray &bytes)
{
    std::fprintf(stderr, "%s: %s\n", what, bytes.toHex(' ').constData());
}
