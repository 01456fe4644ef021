// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The program the edit menu hands a data file to, started directly, never by a shell.
struct EditorCommand {
    QString program;
    QStringList arguments;
};

// The stored default, the editor of the system the settings come from, means the
// desktop's own text editor here; any other setting is the program's path, blanks and
// all, and the file's path is its one argument.
[[nodiscard]] EditorCommand editorCommand(const QString &editorSetting, const QString &filePath);

// Whether the program is there to be started; false with the reason. Asked before
// anything is saved for it.
bool editorFound(const EditorCommand &command, QString &error);

// False with the reason when the program could not be started.
bool startEditor(const EditorCommand &command, QString &error);
