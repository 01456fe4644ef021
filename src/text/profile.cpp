// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "profile.h"

#include "cp932.h"

#include <algorithm>
#include <limits>
#include <optional>

namespace {

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

QString trimBlanks(QStringView text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && isBlank(text.at(first)))
        ++first;
    while (last > first && isBlank(text.at(last - 1)))
        --last;
    return text.mid(first, last - first).toString();
}

// The name of a "[section]" line, or nothing for any other line.
std::optional<QString> sectionName(const QString &line)
{
    const QString t = trimBlanks(line);
    if (!t.startsWith(QLatin1Char('[')))
        return std::nullopt;
    const qsizetype close = t.indexOf(QLatin1Char(']'));
    return trimBlanks(QStringView(t).mid(1, close < 0 ? -1 : close - 1));
}

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QString cutToBytes(const QString &text, int maxBytes)
{
    QString out;
    int bytes = 0;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype len = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QStringView c = QStringView(text).mid(i, len);
        const cp932::Encoded e = cp932::encode(c);
        const int size = e.ok ? int(e.bytes.size()) : 2;
        if (bytes + size > maxBytes)
            break;
        bytes += size;
        out += c;
        i += len;
    }
    return out;
}

} // namespace

int leadingNumber(const QString &text)
{
    const QString t = trimBlanks(text);
    qsizetype i = 0;
    bool negative = false;
    if (i < t.size() && (t.at(i) == QLatin1Char('-') || t.at(i) == QLatin1Char('+')))
        negative = t.at(i++) == QLatin1Char('-');
    qint64 value = 0;
    for (; i < t.size() && t.at(i).isDigit() && t.at(i).unicode() < 128; ++i) {
        value = value * 10 + (t.at(i).unicode() - '0');
        if (value > std::numeric_limits<int>::max())
            break;
    }
    value = std::min<qint64>(value, std::numeric_limits<int>::max());
    return int(negative ? -value : value);
}

TextFileRead ProfileFile::load(const QString &path)
{
    TextFileRead read = readTextFile(path);
    m_lines = LineReader(read.text).readAll();
    return read;
}

ProfileFile::Found ProfileFile::find(const QString &section, const QString &key) const
{
    Found f;
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        const QString &line = m_lines.at(i);
        if (const auto name = sectionName(line)) {
            if (f.sectionLine >= 0)
                break; // the end of the first section of that name
            if (sameName(*name, section))
                f.sectionLine = f.lastEntryLine = i;
            continue;
        }
        if (f.sectionLine < 0)
            continue;
        if (!trimBlanks(line).isEmpty())
            f.lastEntryLine = i;
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (f.keyLine < 0 && eq >= 0 && sameName(trimBlanks(QStringView(line).left(eq)), key))
            f.keyLine = i;
    }
    return f;
}

QString ProfileFile::readString(const QString &section, const QString &key,
                                const QString &defaultValue, int bufferBytes) const
{
    const Found f = find(section, key);
    QString value;
    if (f.keyLine < 0) {
        value = defaultValue;
        while (!value.isEmpty() && isBlank(value.back()))
            value.chop(1);
    } else {
        const QString &line = m_lines.at(f.keyLine);
        value = trimBlanks(QStringView(line).mid(line.indexOf(QLatin1Char('=')) + 1));
        if (value.size() >= 2 && (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\''))
            && value.back() == value.front())
            value = value.mid(1, value.size() - 2);
    }
    // A NUL ends the value, as in the buffer it is read into.
    value = value.left(value.indexOf(QChar(0)) < 0 ? value.size() : value.indexOf(QChar(0)));
    return cutToBytes(value, std::max(0, bufferBytes - 1));
}

int ProfileFile::readInt(const QString &section, const QString &key, int defaultValue) const
{
    const Found f = find(section, key);
    if (f.keyLine < 0)
        return defaultValue;
    const QString &line = m_lines.at(f.keyLine);
    return leadingNumber(line.mid(line.indexOf(QLatin1Char('=')) + 1));
}

void ProfileFile::writeString(const QString &section, const QString &key, const QString &value)
{
    const Found f = find(section, key);
    if (f.keyLine >= 0) {
        const QString &line = m_lines.at(f.keyLine);
        m_lines[f.keyLine] = trimBlanks(QStringView(line).left(line.indexOf(QLatin1Char('='))))
                             + QLatin1Char('=') + value;
    } else if (f.sectionLine >= 0) {
        m_lines.insert(f.lastEntryLine + 1, key + QLatin1Char('=') + value);
    } else {
        m_lines << QLatin1Char('[') + section + QLatin1Char(']') << key + QLatin1Char('=') + value;
    }
}
