// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "textfile.h"

#include "cp932.h"
#include "fileops.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <optional>

#include <sys/stat.h>

namespace {

const QString crlf = QStringLiteral("\r\n");

QString encodingError(const QString &failedChar)
{
    return QStringLiteral("文字「%1」は保存できません").arg(failedChar);
}

struct FileEnd {
    QByteArray bytes; // the last two bytes, fewer in a shorter file
    QString error;
};

FileEnd fileEnd(const QString &path)
{
    FileEnd result;
    if (!QFileInfo::exists(path))
        return result;
    if (const auto fault = fileops::injected(fileops::Op::Read, fileops::Stage::Start, path)) {
        result.error = fault->error;
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || !file.seek(std::max<qint64>(0, file.size() - 2)))
        result.error = file.errorString();
    else
        result.bytes = file.read(2);
    if (file.error() != QFileDevice::NoError)
        result.error = file.errorString();
    return result;
}

// Writes and flushes the bytes into the open file, or as many of them as an injected fault
// lets through; the error when anything failed.
std::optional<QString> writeAll(QFileDevice &file, std::optional<fileops::Op> op,
                                const QString &path, const QByteArray &bytes)
{
    const auto fault = op ? fileops::injected(*op, fileops::Stage::Start, path) : std::nullopt;
    const QByteArray part = fault ? bytes.left(fault->bytesWritten) : bytes;
    if (file.write(part) != part.size() || !file.flush())
        return file.errorString();
    if (fault)
        return fault->error;
    if (const auto late = op ? fileops::injected(*op, fileops::Stage::Written, path) : std::nullopt)
        return late->error;
    return std::nullopt;
}

FileIdentity identityOf(const struct stat &st)
{
    constexpr qint64 nsPerSecond = 1'000'000'000;
    return {quint64(st.st_ino), qint64(st.st_mtim.tv_sec) * nsPerSecond + st.st_mtim.tv_nsec,
            qint64(st.st_ctim.tv_sec) * nsPerSecond + st.st_ctim.tv_nsec};
}

FileBytes missingFile()
{
    FileBytes missing;
    missing.exists = false;
    return missing;
}

// The bytes of a file known to exist.
FileBytes readExisting(const QString &path)
{
    FileBytes result;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        // Of the file that was opened, even should another be renamed over it meanwhile.
        struct stat st {};
        if (::fstat(file.handle(), &st) == 0)
            result.identity = identityOf(st);
        result.bytes = file.readAll();
    }
    if (file.error() != QFileDevice::NoError) {
        result.ok = false;
        result.error = file.errorString();
    }
    return result;
}

} // namespace

std::optional<FileIdentity> fileIdentity(const QString &path)
{
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return std::nullopt;
    return identityOf(st);
}

FileBytes readFileBytesUnasked(const QString &path)
{
    return QFileInfo::exists(path) ? readExisting(path) : missingFile();
}

FileBytes readFileBytes(const QString &path, const FileBytes *readBefore)
{
    if (!QFileInfo::exists(path))
        return missingFile();
    if (const auto fault = fileops::injected(fileops::Op::Read, fileops::Stage::Start, path)) {
        FileBytes failed;
        failed.ok = false;
        failed.error = fault->error;
        return failed;
    }
    return readBefore ? *readBefore : readExisting(path);
}

TextFileRead textFileRead(const FileBytes &file)
{
    if (!file.exists)
        return {};
    if (!file.ok) {
        TextFileRead result;
        result.status = TextFileRead::Unreadable;
        result.error = file.error;
        return result;
    }
    TextFileRead read = decodeTextFile(file.bytes);
    read.bytes = file.bytes;
    read.identity = file.identity;
    return read;
}

TextFileRead readTextFile(const QString &path)
{
    return textFileRead(readFileBytes(path));
}

EncodedLines encodeTextLines(const QStringList &lines)
{
    const cp932::Encoded encoded = cp932::encode(lines.isEmpty() ? QString()
                                                                 : lines.join(crlf) + crlf);
    if (!encoded.ok)
        return {{}, encodingError(encoded.failedChar)};
    return {encoded.bytes, {}};
}

WriteResult writeTextLines(const QString &path, const QStringList &lines)
{
    const EncodedLines encoded = encodeTextLines(lines);
    if (!encoded.error.isEmpty())
        return {false, encoded.error};
    return replaceFileBytes(path, encoded.bytes);
}

WriteResult replaceFileBytes(const QString &path, const QByteArray &bytes, Asked asked)
{
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return {false, file.errorString()};
    // QSaveFile::commit() can report success after a failed flush; check the flush first.
    const auto op = asked == Asked::Yes ? std::optional(fileops::Op::Replace) : std::nullopt;
    if (const auto error = writeAll(file, op, path, bytes)) {
        file.cancelWriting(); // the old file stays; the temporary one goes with `file`
        return {false, *error};
    }
    if (!file.commit())
        return {false, file.errorString()};
    return {};
}

WriteResult appendTextLine(const QString &path, const QString &line)
{
    const FileEnd end = fileEnd(path);
    if (!end.error.isEmpty())
        return {false, end.error};
    // A hand-edited file may end in the middle of a line: a line appended there would join
    // that last line.
    const bool endsInsideALine =
        !end.bytes.isEmpty() && !end.bytes.endsWith('\r') && !end.bytes.endsWith('\n');
    const cp932::Encoded encoded =
        cp932::encode(QString((endsInsideALine ? crlf : QString()) + line + crlf));
    if (!encoded.ok)
        return {false, encodingError(encoded.failedChar)};
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return {false, file.errorString()};
    const qint64 before = file.size();
    if (const auto error = writeAll(file, fileops::Op::Append, path, encoded.bytes)) {
        // A part of the line left behind would run into the line appended next time.
        file.resize(before);
        return {false, *error};
    }
    return {};
}

qsizetype LineReader::mostLines() const
{
    qsizetype ends = 0;
    for (const QChar c : m_text)
        ends += static_cast<int>(c == u'\n') + static_cast<int>(c == u'\r');
    return ends + 1;
}

QString LineReader::readTextLine()
{
    const qsizetype start = m_pos;
    const qsizetype size = m_text.size();
    const QChar *text = m_text.constData();
    qsizetype end = start;
    while (end < size && text[end] != u'\r' && text[end] != u'\n')
        ++end;
    m_pos = end;
    if (m_pos < size && text[m_pos] == u'\r')
        ++m_pos;
    if (m_pos < size && text[m_pos] == u'\n')
        ++m_pos;
    return m_text.mid(start, end - start);
}

bool hasLoneLineFeeds(QStringView text)
{
    for (qsizetype at = text.indexOf(u'\n'); at >= 0; at = text.indexOf(u'\n', at + 1))
        if (at == 0 || text[at - 1] != u'\r')
            return true;
    return false;
}

QStringList LineReader::readAll()
{
    QStringList lines;
    while (!atEnd())
        lines.append(readTextLine());
    return lines;
}
