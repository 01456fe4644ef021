// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

class QByteArray;
class QDateTime;

// The previous bytes of each data file the quit replaces, in backup/ in the data
// folder as "<name>.<yyyymmdd-hhmmss>", the newest few of each file.
namespace backups {

inline constexpr int KeptPerFile = 10;

[[nodiscard]] QString folderPath(const QString &dataFolder);

// Keeps the bytes and removes the oldest beyond KeptPerFile; the error when the copy could
// not be made. A copy of the same second is left as it is: it holds the older bytes.
[[nodiscard]] std::optional<QString> keep(const QString &dataFolder, const QString &name,
                                          const QByteArray &bytes, const QDateTime &when);

} // namespace backups
