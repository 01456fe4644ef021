#include "donelist.h"

#include "text/cp932.h"

#include <QDateTime>
#include <QFileInfo>

#include <cstring>
#include <future>
#include <optional>
#include <system_error>

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

// What the file was when it was read: a read ahead is only taken for the same file.
struct FileStamp {
    bool exists = false;
    qint64 size = 0;
    QDateTime modified;

    explicit FileStamp(const QString &path)
    {
        const QFileInfo info(path);
        exists = info.exists();
        size = info.size();
        modified = info.lastModified();
    }
    bool operator==(const FileStamp &) const = default;
};

} // namespace

// The file read and cut into lines, ready to be shown.
struct DoneRead {
    TextFileRead status;
    bool keepsBytes = false;
    QByteArray bytes;
    QList<DoneSpan> spans;
    QStringList lines;
};

struct PendingDoneRead {
    QString path;
    std::future<std::pair<DoneRead, FileStamp>> result;
};

namespace {

DoneRead readDone(const QString &path)
{
    DoneRead read;
    const FileBytes file = readFileBytes(path);
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

} // namespace

DoneList::DoneList(QObject *parent) : QAbstractListModel(parent) {}

DoneList::~DoneList() = default;

void DoneList::readAhead(const QString &path)
{
    auto ahead = std::make_unique<PendingDoneRead>();
    ahead->path = path;
    try {
        ahead->result = std::async(std::launch::async, [path] {
            // Stamped before the read: a change while it runs shows as a change.
            FileStamp stamp(path);
            return std::pair(readDone(path), std::move(stamp));
        });
    } catch (const std::system_error &) {
        return; // no thread to spare: loadDone reads it then
    }
    m_ahead = std::move(ahead);
}

TextFileRead DoneList::loadDone(const QString &path)
{
    std::optional<DoneRead> read;
    if (const auto ahead = std::move(m_ahead); ahead && ahead->path == path) {
        auto [early, stamp] = ahead->result.get();
        if (stamp == FileStamp(path))
            read = std::move(early);
    }
    if (!read)
        read = readDone(path);
    const TextFileRead status = read->status;
    show(std::move(*read));
    return status;
}

void DoneList::show(DoneRead read)
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
