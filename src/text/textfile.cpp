#include "textfile.h"

#include "cp932.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

const QString crlf = QStringLiteral("\r\n");

QString encodingError(const QString &failedChar)
{
    return QStringLiteral("文字「%1」は保存できません").arg(failedChar);
}

// A hand-edited file may end in the middle of a line: a line appended to it would join
// that last line.
bool endsInsideALine(const QString &path)
{
    QFile file(path);
    char last = '\n';
    if (file.open(QIODevice::ReadOnly) && file.size() > 0 && file.seek(file.size() - 1))
        file.getChar(&last);
    return last != '\n' && last != '\r';
}

} // namespace

TextFileRead readTextFile(const QString &path)
{
    TextFileRead result;
    QFile file(path);
    if (!QFileInfo::exists(path))
        return result;
    if (!file.open(QIODevice::ReadOnly)) {
        result.status = TextFileRead::Unreadable;
        result.error = file.errorString();
        return result;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.status = TextFileRead::Unreadable;
        result.error = file.errorString();
        return result;
    }
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

WriteResult writeTextLines(const QString &path, const QStringList &lines)
{
    WriteResult result;
    const cp932::Encoded encoded = cp932::encode(lines.isEmpty() ? QString()
                                                                 : lines.join(crlf) + crlf);
    if (!encoded.ok)
        return {false, encodingError(encoded.failedChar)};
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return {false, file.errorString()};
    // QSaveFile::commit() can report success after a failed flush; check the flush first.
    if (file.write(encoded.bytes) != encoded.bytes.size() || !file.flush()) {
        result = {false, file.errorString()};
        file.cancelWriting(); // the old file stays; the temporary one goes with `file`
        return result;
    }
    if (!file.commit())
        return {false, file.errorString()};
    return result;
}

WriteResult appendTextLine(const QString &path, const QString &line)
{
    const QString lineBreak = endsInsideALine(path) ? crlf : QString();
    const cp932::Encoded encoded = cp932::encode(QString(lineBreak + line + crlf));
    if (!encoded.ok)
        return {false, encodingError(encoded.failedChar)};
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return {false, file.errorString()};
    if (file.write(encoded.bytes) != encoded.bytes.size() || !file.flush())
        return {false, file.errorString()};
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
