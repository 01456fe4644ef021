// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Data files: CP932 text, CR LF line ends, no header, no quoting.

// Which file a path names and when it last changed. A file renamed over it is another file
// (another inode, a new change time), even with the same size and modification time, as
// sync tools that keep the file's time leave it.
struct FileIdentity {
    quint64 inode = 0;
    qint64 modifiedNs = 0;
    qint64 changedNs = 0; // of the inode: a rename, a write
    bool operator==(const FileIdentity &) const = default;
};
// Nothing for a path that names no file.
[[nodiscard]] std::optional<FileIdentity> fileIdentity(const QString &path);

struct TextFileRead {
    enum Status { Ok, Missing, Unreadable };
    Status status = Missing;
    QString text;   // the decoded text; for Unreadable, what could be read before the fault
    QString error;  // why it could not be read, for the user; of UTF-8, the lines that cannot be saved
    bool utf8 = false; // saved by a desktop editor as UTF-8; written back in CP932 (when it can)
    bool loneLineFeeds = false; // lines ended by LF alone; written back with CR LF
    QByteArray bytes;  // as read, to tell later whether another program changed the file
    FileIdentity identity;
};

// CP932, or UTF-8 when the bytes start with its byte-order mark, or are UTF-8 whose every
// other than ASCII character is Japanese (which CP932 bytes almost never are). Either way
// the text must be one that CP932 can hold, or the file is unreadable.
[[nodiscard]] TextFileRead readTextFile(const QString &path);

// A file's bytes as they are.
struct FileBytes {
    bool exists = true;
    bool ok = true;     // false: it exists but could not be read completely
    QByteArray bytes;   // what could be read
    QString error;
    FileIdentity identity; // of the file that was read, as the read saw it

    bool operator==(const FileBytes &) const = default;
};
// Asks the fault injector first, as every file operation does; then reads the bytes, or,
// given an earlier read of the same file, takes those.
[[nodiscard]] FileBytes readFileBytes(const QString &path, const FileBytes *readBefore = nullptr);
// The same read without asking: for a read ahead, whose loader's own read asks later.
[[nodiscard]] FileBytes readFileBytesUnasked(const QString &path);
// What readTextFile makes of those bytes.
[[nodiscard]] TextFileRead textFileRead(const FileBytes &file);
[[nodiscard]] TextFileRead decodeTextFile(const QByteArray &bytes);
// The text, when the bytes are UTF-8 by that rule.
[[nodiscard]] std::optional<QString> utf8Text(const QByteArray &bytes);

struct WriteResult {
    bool ok = true;
    QString error;
};

// Replaces the file with the lines, each ended by CR LF. The old file stays whole when
// anything fails (temporary file, then rename).
[[nodiscard]] WriteResult writeTextLines(const QString &path, const QStringList &lines);
// The two steps of that: the bytes of the lines, and the replacement by bytes.
struct EncodedLines {
    QByteArray bytes;
    QString error; // a character CP932 cannot hold
};
[[nodiscard]] EncodedLines encodeTextLines(const QStringList &lines);
// Asked: whether the fault injector is asked first, as for every data file; a file that
// is no data file (a backup) is not.
enum class Asked { Yes, No };
[[nodiscard]] WriteResult replaceFileBytes(const QString &path, const QByteArray &bytes,
                                           Asked asked = Asked::Yes);

// Appends one line and its CR LF in a single write; after a last line that lacks its
// CR LF, the CR LF comes first, so the two lines stay two. When the write fails, the file
// is cut back to what it held.
[[nodiscard]] WriteResult appendTextLine(const QString &path, const QString &line);

// Reads lines the way every loader does: CR LF, a lone LF (files from Linux tools) and a
// lone CR each end a line; the end of the text ends the last line.
// Whether some line of the text ends in a LF without a CR before it.
[[nodiscard]] bool hasLoneLineFeeds(QStringView text);

class LineReader {
public:
    explicit LineReader(QString text) : m_text(std::move(text)) {}
    [[nodiscard]] bool atEnd() const { return m_pos >= m_text.size(); }
    // At the end it returns the empty text.
    QString readTextLine();
    // Every line left, empty ones included.
    [[nodiscard]] QStringList readAll();
    // As many lines as the text can hold at most, for a reservation: one pass, no search.
    [[nodiscard]] qsizetype mostLines() const;

private:
    QString m_text;
    qsizetype m_pos = 0;
};
