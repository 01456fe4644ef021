// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "testfiles.h"

#include "text/cp932.h"

#include <QFile>

#include <gtest/gtest.h>

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "<missing>";
    return file.readAll();
}

QByteArray sjis(const QString &text)
{
    const cp932::Encoded encoded = cp932::encode(text);
    EXPECT_TRUE(encoded.ok) << text.toStdString();
    return encoded.bytes;
}
