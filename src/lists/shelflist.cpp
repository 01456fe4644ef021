#include "shelflist.h"

void ShelfList::append(const QString &text)
{
    const int row = rowCount();
    insertRows(row, 1);
    setData(index(row), text);
}

void ShelfList::removeAt(int row)
{
    removeRows(row, 1);
}

TextFileRead ShelfList::loadCloset(const QString &path)
{
    TextFileRead read = readTextFile(path);
    setStringList(LineReader(read.text).readAll());
    return read;
}

TextFileRead ShelfList::reloadCloset(const QString &path)
{
    TextFileRead read = readTextFile(path);
    if (read.status != TextFileRead::Unreadable)
        setStringList(LineReader(read.text).readAll());
    return read;
}

WriteResult ShelfList::writeCloset(const QString &path) const
{
    return writeTextLines(path, stringList());
}
