// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The content lines of the 3.0 cards this program writes.
#include "vcard.h"

namespace vcard {

QString quotedParam(const QString &text)
{
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c == u'"')
            out.append(QStringLiteral("^'"));
        else if (c == u'^')
            out.append(QStringLiteral("^^"));
        else if (c == u'\n')
            out.append(QStringLiteral("^n"));
        else if (c != u'\r')
            out.append(c);
    }
    return out + u'"';
}

QString escape(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c == u'\\' || c == u',' || c == u';')
            out.append(u'\\');
        if (c == u'\n') {
            out.append(QStringLiteral("\\n"));
            continue;
        }
        if (c == u'\r')
            continue;
        out.append(c);
    }
    return out;
}

QByteArray line(const QString &content)
{
    const QByteArray utf8 = content.toUtf8();
    QByteArray out;
    out.reserve(utf8.size() + utf8.size() / 70 * 3 + 2);
    qsizetype lineLength = 0;
    for (qsizetype i = 0; i < utf8.size();) {
        // One character: a lead byte and its continuation bytes.
        qsizetype end = i + 1;
        while (end < utf8.size() && (uchar(utf8.at(end)) & 0xC0) == 0x80)
            ++end;
        if (lineLength + (end - i) > 75) {
            out.append("\r\n ");
            lineLength = 1;
        }
        out.append(utf8.constData() + i, end - i);
        lineLength += end - i;
        i = end;
    }
    out.append("\r\n");
    return out;
}

} // namespace vcard
