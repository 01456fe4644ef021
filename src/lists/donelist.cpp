#include "donelist.h"

#include "text/cp932.h"

TextFileRead DoneList::loadDone(const QString &path)
{
    TextFileRead read;
    const FileBytes file = readFileBytes(path);
    if (!file.exists) {
        setStringList({});
        return read;
    }
    read.status = file.ok ? TextFileRead::Ok : TextFileRead::Unreadable;
    read.error = file.error;
    // A done log a desktop editor saved as UTF-8 shows as such.
    const auto utf8 = utf8Text(file.bytes);
    read.text = utf8 ? *utf8 : cp932::decodeForDisplay(file.bytes);
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
    const FileBytes file = readFileBytes(donePath);
    if (!file.ok)
        return {false, file.error};
    // One that CP932 cannot hold stays as it is.
    if (const auto utf8 = utf8Text(file.bytes); utf8 && cp932::encode(*utf8).ok) {
        if (const WriteResult converted = writeTextLines(donePath, LineReader(*utf8).readAll());
            !converted.ok)
            return converted;
    }
    return appendTextLine(donePath, dateText + text);
}
