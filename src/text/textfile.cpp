// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "textfile.h"

#include "cp932.h"
#include "fileops.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QStringDecoder>

#include <algorithm>
#include <optional>

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
std::optional<QString> writeAll(QFileDevice &file, fileops::Op op, const QString &path,
                                const QByteArray &bytes)
{
    const auto fault = fileops::injected(op, fileops::Stage::Start, path);
    const QByteArray part = fault ? bytes.left(fault->bytesWritten) : bytes;
    if (file.write(part) != part.size() || !file.flush())
        return file.errorString();
    if (fault)
        return fault->error;
    if (const auto late = fileops::injected(op, fileops::Stage::Written, path))
        return late->error;
    return std::nullopt;
}

// Kana, kanji, CJK and full-width forms, and the symbols Japanese text uses beside them.
// All lie above U+2000: UTF-8 gives them three bytes, whereas CP932 half-width katakana
// pairs can look like two-byte UTF-8.
bool isJapanese(char32_t c)
{
    static constexpr std::pair<char32_t, char32_t> ranges[] = {
        {0x2010, 0x206F}, {0x2100, 0x22FF}, {0x2460, 0x24FF}, {0x2500, 0x27BF},
        {0x3000, 0x30FF}, {0x31F0, 0x31FF}, {0x3200, 0x33FF}, {0x3400, 0x4DBF},
        {0x4E00, 0x9FFF}, {0xF900, 0xFAFF}, {0xFE30, 0xFE4F}, {0xFF00, 0xFFEF},
    };
    return std::any_of(std::begin(ranges), std::end(ranges),
                       [c](const auto &r) { return c >= r.first && c <= r.second; });
}

// Whether the bytes can be UTF-8 made of ASCII and three- or four-byte characters only.
// Stops at the first byte that cannot: a CP932 file is told at its first Japanese
// character, without decoding the rest.
bool mayBeJapaneseUtf8(const QByteArray &bytes)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.constData());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        const unsigned char lead = p[i];
        const int length = lead < 0x80 ? 1 : lead >= 0xE0 && lead <= 0xF4 ? (lead < 0xF0 ? 3 : 4) : 0;
        if (length == 0 || i + length > n)
            return false;
        for (int k = 1; k < length; ++k)
            if ((p[i + k] & 0xC0) != 0x80)
                return false;
        i += length;
    }
    return true;
}

// The CP932 encoder drops invisible format characters (a stray byte-order mark, zero-width
// spaces, joiners) without a word: they go when the text is read, so that what is shown is
// what is saved.
QString withoutSilentCharacters(const QString &text)
{
    QHash<char32_t, bool> silent;
    QString kept;
    kept.reserve(text.size());
    for (const char32_t c : text.toUcs4()) {
        if (c >= 0x80) {
            auto known = silent.constFind(c);
            if (known == silent.constEnd()) {
                const cp932::Encoded encoded = cp932::encode(QString::fromUcs4(&c, 1));
                known = silent.insert(c, encoded.ok && encoded.bytes.isEmpty());
            }
            if (*known)
                continue;
        }
        kept.append(QString::fromUcs4(&c, 1));
    }
    return kept;
}

TextFileRead decodeCp932(const QByteArray &bytes)
{
    TextFileRead result;
    const cp932::Decoded decoded = cp932::decode(bytes);
    result.text = decoded.text;
    if (!decoded.complete) {
        result.status = TextFileRead::Unreadable;
        result.error = QStringLiteral("%1 バイト目に Shift-JIS でない文字があります")
                           .arg(decoded.errorOffset + 1);
        return result;
    }
    result.status = TextFileRead::Ok;
    return result;
}

} // namespace

std::optional<QString> utf8Text(const QByteArray &bytes)
{
    const bool bom = bytes.startsWith("\xEF\xBB\xBF");
    if (!bom && !mayBeJapaneseUtf8(bytes))
        return std::nullopt;
    const QByteArray body = bom ? bytes.mid(3) : bytes;
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(body);
    if (decoder.hasError())
        return std::nullopt;
    if (bom)
        return text;
    bool anyJapanese = false;
    for (const char32_t c : text.toUcs4()) {
        if (c < 0x80)
            continue;
        if (!isJapanese(c))
            return std::nullopt;
        anyJapanese = true;
    }
    return anyJapanese ? std::optional(text) : std::nullopt;
}

TextFileRead decodeTextFile(const QByteArray &bytes)
{
    TextFileRead result;
    if (const auto utf8 = utf8Text(bytes)) {
        result.text = *utf8;
        result.text = withoutSilentCharacters(result.text);
        result.utf8 = true;
        if (const cp932::Encoded back = cp932::encode(result.text); !back.ok) {
            // Text CP932 cannot hold, from bytes that are whole CP932 without a byte-order
            // mark: CP932 that happens to look like UTF-8, read as such it is the user's.
            if (!bytes.startsWith("\xEF\xBB\xBF") && cp932::decode(bytes).complete)
                return decodeCp932(bytes);
            result.status = TextFileRead::Unreadable;
            result.error = QStringLiteral("UTF-8 の文字「%1」は Shift-JIS で保存できません")
                               .arg(back.failedChar);
            return result;
        }
        result.status = TextFileRead::Ok;
        return result;
    }
    return decodeCp932(bytes);
}

namespace {

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
    if (file.open(QIODevice::ReadOnly))
        result.bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.ok = false;
        result.error = file.errorString();
    }
    return result;
}

} // namespace

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
    return decodeTextFile(file.bytes);
}

TextFileRead readTextFile(const QString &path)
{
    return textFileRead(readFileBytes(path));
}

WriteResult writeTextLines(const QString &path, const QStringList &lines)
{
    const cp932::Encoded encoded = cp932::encode(lines.isEmpty() ? QString()
                                                                 : lines.join(crlf) + crlf);
    if (!encoded.ok)
        return {false, encodingError(encoded.failedChar)};
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return {false, file.errorString()};
    // QSaveFile::commit() can report success after a failed flush; check the flush first.
    if (const auto error = writeAll(file, fileops::Op::Replace, path, encoded.bytes)) {
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
    // A hand-edited file may end in the middle of a line, and only a CR ends one (a lone
    // LF belongs to the line): a line appended there would join that last line.
    const bool endsInsideALine =
        !end.bytes.isEmpty() && !end.bytes.endsWith('\r') && !end.bytes.endsWith("\r\n");
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

QString LineReader::readTextLine()
{
    const qsizetype start = m_pos;
    const qsizetype cr = m_text.indexOf(QLatin1Char('\r'), start);
    if (cr < 0) {
        m_pos = m_text.size();
        return m_text.mid(start);
    }
    m_pos = cr + 1;
    if (m_pos < m_text.size() && m_text.at(m_pos) == QLatin1Char('\n'))
        ++m_pos;
    return m_text.mid(start, cr - start);
}

QStringList LineReader::readAll()
{
    QStringList lines;
    while (!atEnd())
        lines.append(readTextLine());
    return lines;
}
