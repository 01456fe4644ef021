// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Session: following the data files that other programs change while the program runs.
#include "session.h"

#include "text/clock.h"
#include "store/conflictcopies.h"
#include "text/readahead.h"

#include <QDir>

void Session::setReaders()
{
    // Into a table of its own: only read when a file changed on disk, never at start.
    const auto text = [](const FileBytes &file) -> std::optional<QString> {
        const TextFileRead read = textFileRead(file);
        return read.status == TextFileRead::Unreadable ? std::nullopt : std::optional(read.text);
    };
    const auto lines = [text](const FileBytes &file) -> std::optional<QStringList> {
        const auto t = text(file);
        return t ? std::optional(LineReader(*t).readAll()) : std::nullopt;
    };
    m_files.setReader(DataFile::Todo, [text](const FileBytes &file) -> std::optional<QStringList> {
        const auto t = text(file);
        if (!t)
            return std::nullopt;
        TodoBoard board;
        board.setTodoText(*t);
        // Lines beyond the slots go to the shelf: a file with them is never as this run has it.
        return board.todoLines() + board.takeLinesBeyondSlots();
    });
    m_files.setReader(DataFile::Closet, lines);
    m_files.setReader(DataFile::Type, lines);
    m_files.setReader(DataFile::Schedule, [this, text](const FileBytes &file) -> std::optional<QStringList> {
        if (!text(file))
            return std::nullopt;
        ScheduleTable table;
        table.reload(file, m_clock.today());
        return table.fileLines();
    });
    m_files.setReader(DataFile::Tel, [text](const FileBytes &file) -> std::optional<QStringList> {
        if (!text(file))
            return std::nullopt;
        PhoneBook book;
        book.reload(file);
        return book.fileLines();
    });
}

bool Session::changedSinceRead(DataFile file) const
{
    switch (file) {
    case DataFile::Todo:
        for (int slot = 0; slot < TodoBoard::SlotCount; ++slot)
            if (m_board.isEditing(slot) || m_board.isDone(slot))
                return true;
        return !m_files.holdsAsRead(file, linesOf(file));
    case DataFile::Closet:
    case DataFile::Schedule:
    case DataFile::Tel:
    case DataFile::Type: return !m_files.holdsAsRead(file, linesOf(file));
    // pim.ini is merged by key at the quit; done.txt only ever gains lines.
    case DataFile::Ini:
    case DataFile::Done: return false;
    }
    return false;
}

Session::Follow Session::follow(DataFile file, bool mayReload)
{
    if (m_ended || !m_files.mayWrite(file) || !m_files.stampDiffers(file))
        return Follow::Same;
    const QString path = m_files.path(file);
    // A sync tool may still be writing: only a read that the file did not change under,
    // of a file that is there, is whole.
    const FileStamp before(path);
    if (!before.exists)
        return Follow::Gone;
    const FileBytes bytes = readFileBytes(path);
    const FileStamp after(path);
    if (!bytes.exists || !bytes.ok || !(before == after) || after.size != bytes.bytes.size()
        || after.identity != bytes.identity)
        return Follow::NotReady;
    const FileBytes *base = m_files.baseline(file);
    if (base && base->exists && base->bytes == bytes.bytes) {
        m_files.takeBaseline(file, bytes); // touched, not changed
        return Follow::Same;
    }
    if (changedSinceRead(file))
        return Follow::ChangedHere;
    const TextFileRead read = textFileRead(bytes);
    if (read.status != TextFileRead::Ok)
        return Follow::ChangedHere; // text this run cannot hold: the quit keeps both
    if (!mayReload)
        return Follow::NotReady;
    reload(file, bytes, read.text);
    m_files.takeBaseline(file, bytes);
    return Follow::Reloaded;
}

void Session::reload(DataFile file, const FileBytes &bytes, const QString &text)
{
    switch (file) {
    case DataFile::Todo:
        m_board.setTodoText(text);
        shelveLinesBeyondSlots();
        break;
    case DataFile::Closet: m_shelf.takeLines(LineReader(text).readAll()); break;
    case DataFile::Schedule:
        m_schedule.reload(bytes, m_clock.today());
        m_sync.rebindSchedule(m_schedule);
        break;
    case DataFile::Tel:
        m_phoneBook.reload(bytes);
        m_sync.rebindPhoneBook(m_phoneBook);
        break;
    case DataFile::Type: m_phoneTypes.setStringList(LineReader(text).readAll()); break;
    case DataFile::Ini:
    case DataFile::Done: break;
    }
}

QStringList Session::conflictCopies() const
{
    QStringList dataFiles;
    for (const DataFile file : {DataFile::Todo, DataFile::Done, DataFile::Closet,
                                DataFile::Schedule, DataFile::Tel, DataFile::Ini, DataFile::Type})
        dataFiles.append(dataFileName(file));
    const QStringList names = QDir(m_files.folder()).entryList(QDir::Files, QDir::Name);
    return conflictcopies::found(names, dataFiles);
}
