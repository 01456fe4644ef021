#include "donelist.h"

#include "text/cp932.h"

#include <cstring>

namespace {

// The lines as LineReader cuts the decoded text: CR and LF are single bytes in CP932,
// never part of a two-byte character, and a fault before one never takes it along.
QList<DoneSpan> lineSpans(const QByteArray &bytes)
{
    QList<DoneSpan> spans;
    const char *data = bytes.constData();
    const qsizetype size = bytes.size();
    for (qsizetype pos = 0; pos < size;) {
        const auto *cr = static_cast<const char *>(std::memchr(data + pos, '\r', size - pos));
        const qsizetype end = cr ? cr - data : size;
        spans.append({pos, end - pos});
        pos = end + 1;
        if (pos < size && data[pos] == '\n')
            ++pos;
    }
    return spans;
}

} // namespace

DoneList::Read DoneList::cut(const FileBytes &file)
{
    Read read;
    if (!file.exists)
        return read;
    read.status.status = file.ok ? TextFileRead::Ok : TextFileRead::Unreadable;
    read.status.error = file.error;
    // A done log a desktop editor saved as UTF-8 shows as such.
    const auto utf8 = utf8Text(file.bytes);
    read.keepsBytes = !utf8;
    if (read.keepsBytes) {
        read.bytes = file.bytes;
        read.spans = lineSpans(file.bytes);
    } else {
        read.lines = LineReader(*utf8).readAll();
    }
    return read;
}

void DoneList::readAhead(const QString &path)
{
    m_ahead.start(path, &DoneList::cut);
}

TextFileRead DoneList::loadDone(const QString &path)
{
    auto [file, read] = m_ahead.take(path);
    if (!read)
        read = cut(file);
    const TextFileRead status = read->status;
    show(std::move(*read));
    return status;
}

void DoneList::show(Read read)
{
    beginResetModel();
    m_keepsBytes = read.keepsBytes;
    m_bytes = std::move(read.bytes);
    m_spans = std::move(read.spans);
    m_lines = std::move(read.lines);
    endResetModel();
}

QStringList DoneList::stringList() const
{
    QStringList lines;
    for (int row = 0; row < rowCount(); ++row)
        lines.append(at(row));
    return lines;
}

int DoneList::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return int(m_keepsBytes ? m_spans.size() : m_lines.size());
}

QVariant DoneList::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount()
        || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    if (!m_keepsBytes)
        return m_lines.at(index.row());
    const DoneSpan span = m_spans.at(index.row());
    return cp932::decodeForDisplay(
        QByteArray::fromRawData(m_bytes.constData() + span.start, span.length));
}

bool DoneList::removeRows(int row, int count, const QModelIndex &parent)
{
    if (parent.isValid() || row < 0 || count < 1 || row + count > rowCount())
        return false;
    beginRemoveRows({}, row, row + count - 1);
    if (m_keepsBytes)
        m_spans.remove(row, count);
    else
        m_lines.remove(row, count);
    endRemoveRows();
    return true;
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
