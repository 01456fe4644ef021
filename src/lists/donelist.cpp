#include "donelist.h"

#include "text/cp932.h"

#include <QFile>

TextFileRead DoneList::loadDone(const QString &path)
{
    TextFileRead read;
    QFile file(path);
    if (!file.exists()) {
        setStringList({});
        return read;
    }
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    read.status = file.error() == QFileDevice::NoError ? TextFileRead::Ok : TextFileRead::Unreadable;
    read.error = file.errorString();
    read.text = cp932::decodeForDisplay(bytes);
    QStringList lines;
    LineReader reader(read.text);
    while (!reader.atEnd())
        lines.append(reader.readTextLine());
    setStringList(lines);
    return read;
}

WriteResult addToDone(const QString &donePath, const QString &text, const QString &dateText)
{
    return appendTextLine(donePath, dateText + text);
}
