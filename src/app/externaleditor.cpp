// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "externaleditor.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

EditorCommand editorCommand(const QString &editorSetting, const QString &filePath)
{
    if (editorSetting.compare(QStringLiteral("c:\\windows\\notepad.exe"), Qt::CaseInsensitive) == 0)
        return {QStringLiteral("xdg-open"), {filePath}};
    return {editorSetting, {filePath}};
}

bool editorFound(const EditorCommand &command, QString &error)
{
    // As the start looks for it: a name along PATH, a path as it stands.
    const QString &program = command.program;
    const QFileInfo file(program.contains(QLatin1Char('/'))
                             ? program
                             : QStandardPaths::findExecutable(program));
    if (!program.isEmpty() && file.isFile() && file.isExecutable())
        return true;
    error = QStringLiteral("プログラムが見つからないか、実行できません。");
    return false;
}

bool startEditor(const EditorCommand &command, QString &error)
{
    QProcess process;
    process.setProgram(command.program);
    process.setArguments(command.arguments);
    process.setStandardInputFile(QProcess::nullDevice());
    if (process.startDetached())
        return true;
    error = process.errorString();
    return false;
}
