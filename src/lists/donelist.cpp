// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "donelist.h"

#include "text/cp932.h"
#include "text/jdate.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

constexpr qsizetype BlockLines = 64;

// Where the line that starts at pos ends, as LineReader cuts the decoded text: CR and LF
// are single bytes in CP932, never part of a two-byte character, and a fault before one
// never takes it along. The end of the bytes when no line end follows.
qsizetype lineEnd(const QByteArray &bytes, qsizetype pos)
{
    const char *data = bytes.constData();
    const qsizetype size = bytes.size();
    while (pos < size && data[pos] != '\r' && data[pos] != '\n')
        ++pos;
    return pos;
}

// Where the line after the one at pos starts.
qsizetype nextLine(const QByteArray &bytes, qsizetype pos)
{
    const char *data = bytes.constData();
    const qsizetype size = bytes.size();
    pos = lineEnd(bytes, pos);
    if (pos < size && data[pos] == '\r')
        ++pos;
    return pos < size && data[pos] == '\n' ? pos + 1 : pos;
}

// The text of a done log that is to be written anew before a line is appended: UTF-8, or
// lines ended by LF alone. One that CP932 cannot hold, or that is not whole, stays as it is.
std::optional<QString> convertible(const QByteArray &bytes)
{
    bool loneLineFeed = false;
    for (qsizetype at = bytes.indexOf('\n'); at >= 0 && !loneLineFeed; at = bytes.indexOf('\n', at + 1))
        loneLineFeed = at == 0 || bytes.at(at - 1) != '\r';
    if (!loneLineFeed && !utf8Text(bytes))
        return std::nullopt;
    const TextFileRead read = decodeTextFile(bytes);
    if (read.status != TextFileRead::Ok)
        return std::nullopt;
    return read.text;
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
        for (qsizetype pos = 0; pos < read.bytes.size(); pos = nextLine(read.bytes, pos)) {
            if (read.lineCount % BlockLines == 0)
                read.blockStarts.append(pos);
            ++read.lineCount;
        }
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
    TextFileRead status = read->status;
    show(std::move(*read));
    return status;
}

void DoneList::show(Read read)
{
    beginResetModel();
    m_keepsBytes = read.keepsBytes;
    m_bytes = std::move(read.bytes);
    m_lineCount = read.lineCount;
    m_blockStarts = std::move(read.blockStarts);
    m_removedFileRows.clear();
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
    return int(m_keepsBytes ? m_lineCount - m_removedFileRows.size() : m_lines.size());
}

qsizetype DoneList::fileRow(int row) const
{
    qsizetype fileRow = row;
    for (const qsizetype removed : m_removedFileRows) {
        if (removed > fileRow)
            break;
        ++fileRow;
    }
    return fileRow;
}

QByteArray DoneList::lineBytes(qsizetype fileRow) const
{
    qsizetype start = m_blockStarts.at(fileRow / BlockLines);
    for (qsizetype i = 0; i < fileRow % BlockLines; ++i)
        start = nextLine(m_bytes, start);
    return QByteArray::fromRawData(m_bytes.constData() + start, lineEnd(m_bytes, start) - start);
}

QVariant DoneList::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount()
        || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    if (!m_keepsBytes)
        return m_lines.at(index.row());
    return cp932::decodeForDisplay(lineBytes(fileRow(index.row())));
}

bool DoneList::removeRows(int row, int count, const QModelIndex &parent)
{
    if (parent.isValid() || row < 0 || count < 1 || row + count > rowCount())
        return false;
    beginRemoveRows({}, row, row + count - 1);
    if (m_keepsBytes) {
        // Each removal shifts the rows after it: the same list row, count times.
        for (int i = 0; i < count; ++i) {
            const qsizetype removed = fileRow(row);
            m_removedFileRows.insert(std::lower_bound(m_removedFileRows.cbegin(),
                                                      m_removedFileRows.cend(), removed),
                                     removed);
        }
    } else {
        m_lines.remove(row, count);
    }
    endRemoveRows();
    return true;
}

WriteResult addToDone(const QString &donePath, const QString &text, const QString &dateText)
{
    // A CP932 line appended to a UTF-8 file would leave it in two encodings, and one with
    // CR LF to a file of LF lines in two line ends: the file becomes CP932 with CR LF
    // first, as every other data file does at quit.
    const FileBytes file = readFileBytes(donePath);
    if (!file.ok)
        return {false, file.error};
    if (const auto whole = convertible(file.bytes)) {
        if (WriteResult converted = writeTextLines(donePath, LineReader(*whole).readAll());
            !converted.ok)
            return converted;
    }
    return appendTextLine(donePath, dateText + text);
}

std::optional<DoneLine> splitDoneLine(const QString &line, QDate today)
{
    // The day's digits run on into a text that begins with a digit: the longer day that is
    // a date is taken ("2026/12/1112時" is the 11th), else the shorter one.
    static const QRegularExpression dated(QStringLiteral("^(\\d{2,4}/\\d{1,2}/)(\\d{1,2})"));
    const QRegularExpressionMatch m = dated.match(line);
    if (!m.hasMatch())
        return std::nullopt;
    for (qsizetype dayDigits = m.capturedLength(2); dayDigits >= 1; --dayDigits) {
        const QString dateText = m.captured(1) + m.captured(2).left(dayDigits);
        if (const auto date = jdate::parseDate(dateText, today))
            return DoneLine{*date, dateText, line.mid(dateText.size()).trimmed()};
    }
    return std::nullopt;
}
