// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class QDateTime;
class QDir;

// Copies of a data file that something made because two versions met: this program, or a
// sync tool (Syncthing, Dropbox, Nextcloud, Google Drive, OneDrive each name theirs).
namespace conflictcopies {

// The name for this program's copy of a data file: "<stem>.conflict-<yyyymmdd-hhmmss>.<ext>",
// with "-2", "-3" … added should that name be taken.
[[nodiscard]] QString newName(const QDir &folder, const QString &fileName, const QDateTime &when);
// The same with another word than "conflict" ("unsaved").
[[nodiscard]] QString newName(const QDir &folder, const QString &fileName, const QString &kind,
                              const QDateTime &when);

// Those of the names that are conflict copies of one of the data files.
[[nodiscard]] QStringList found(const QStringList &names, const QStringList &dataFiles);

} // namespace conflictcopies
