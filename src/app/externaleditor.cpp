#include "externaleditor.h"

#include <QProcess>

EditorCommand editorCommand(const QString &editorSetting, const QString &filePath)
{
    if (editorSetting.compare(QStringLiteral("c:\\windows\\notepad.exe"), Qt::CaseInsensitive) == 0)
        return {QStringLiteral("xdg-open"), {filePath}};
    return {editorSetting, {filePath}};
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
