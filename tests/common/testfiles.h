// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// Byte-level access to files in tests.
void writeBytes(const QString &path, const QByteArray &bytes);
[[nodiscard]] QByteArray readBytes(const QString &path);
// The CP932 bytes of a text (the test fails on a character CP932 cannot hold).
[[nodiscard]] QByteArray sjis(const QString &text);
