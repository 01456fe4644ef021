// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "textfile.h"

#include <QList>
#include <QString>
#include <QStringList>

// The data files, all in the program folder.
enum class DataFile { Todo, Done, Closet, Schedule, Tel, Ini, Type };

[[nodiscard]] QString dataFileName(DataFile file);

// The program folder and what this run may write into it: a data file that exists but
// could not be read completely is never written, so the part that was not read survives.
class DataFolder {
public:
    explicit DataFolder(QString folder) : m_folder(std::move(folder)) {}

    [[nodiscard]] QString path(DataFile file) const;
    [[nodiscard]] bool mayWrite(DataFile file) const { return !m_unreadable.contains(file); }

    // Remembers a file that could not be read, with the reason, for the report at start.
    void noteRead(DataFile file, const TextFileRead &read);
    // One line per such file: its name and why.
    [[nodiscard]] const QStringList &unreadableReasons() const { return m_reasons; }
    // The names of the files that were read as UTF-8: they are saved in CP932.
    [[nodiscard]] const QStringList &utf8Files() const { return m_utf8Files; }

private:
    QString m_folder;
    QList<DataFile> m_unreadable;
    QStringList m_reasons;
    QStringList m_utf8Files;
};
