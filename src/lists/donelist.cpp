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
    // A done log a desktop editor saved as UTF-8 shows as such.
    const auto utf8 = utf8Text(bytes);
    read.text = utf8 ? *utf8 : cp932::decodeForDisplay(bytes);
    QStringList lines;
    LineReader reader(read.text);
    while (!reader.atEnd())
        lines.append(reader.readTextLine());
    setStringList(lines);
    return read;
}

WriteResult addToDone(const QString &donePath, const QString &text, const QString &dateText)
{
    // A CP932 line appended to a UTF-8 file would leave it in two encodings: the file
    // becomes CP932 first, as every other data file does at quit.
    QFile file(donePath);
    if (file.open(QIODevice::ReadOnly)) {
        const auto utf8 = utf8Text(file.readAll());
        file.close();
        // One that CP932 cannot hold stays as it is.
        if (utf8 && cp932::encode(*utf8).ok) {
            if (const WriteResult converted = writeTextLines(donePath, LineReader(*utf8).readAll());
                !converted.ok)
                return converted;
        }
    }
    return appendTextLine(donePath, dateText + text);
}
