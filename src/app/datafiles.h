#pragma once

#include <QDir>
#include <QString>

// The data files, all in the program folder.
enum class DataFile { Todo, Done, Closet, Schedule, Tel, Ini, Type };

[[nodiscard]] inline QString dataFileName(DataFile file)
{
    switch (file) {
    case DataFile::Todo: return QStringLiteral("todo.txt");
    case DataFile::Done: return QStringLiteral("done.txt");
    case DataFile::Closet: return QStringLiteral("closet.txt");
    case DataFile::Schedule: return QStringLiteral("schedule.txt");
    case DataFile::Tel: return QStringLiteral("tel.txt");
    case DataFile::Ini: return QStringLiteral("pim.ini");
    case DataFile::Type: return QStringLiteral("type.txt");
    }
    return {};
}
