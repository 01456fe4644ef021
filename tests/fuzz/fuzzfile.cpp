// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzzfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

QString fuzzPath(const char *name)
{
    static QTemporaryDir dir;
    return QDir(dir.path()).filePath(QLatin1String(name));
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
