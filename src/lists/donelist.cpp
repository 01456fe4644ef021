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

TextFileRead DoneList::loadDone(const QString &path)
{
    TextFileRead read;
    const FileBytes file = readFileBytes(path);
    if (!file.exists) {
        show({});
        return read;
    }
    read.status = file.ok ? TextFileRead::Ok : TextFileRead::Unreadable;
    read.error = file.error;
    show(file.bytes);
    return read;
}

void DoneList::show(const QByteArray &bytes)
{
    beginResetModel();
    // A done log a desktop editor saved as UTF-8 shows as such.
    const auto utf8 = utf8Text(bytes);
    m_keepsBytes = !utf8;
    m_bytes = m_keepsBytes ? bytes : QByteArray();
    m_spans = m_keepsBytes ? lineSpans(bytes) : QList<DoneSpan>();
    m_lines = utf8 ? LineReader(*utf8).readAll() : QStringList();
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
