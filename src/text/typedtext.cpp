// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "typedtext.h"

#include "cp932.h"

#include <QList>
#include <QStringList>

namespace typedtext {
namespace {

char32_t cp932Form(char32_t c)
{
    switch (c) {
    case U'\u301C': return U'\uFF5E'; // 〜 wave dash
    case U'\u2212': return U'\uFF0D'; // − minus sign
    case U'\u2016': return U'\u2225'; // ‖ double vertical line
    case U'\u2014': return U'\u2015'; // — em dash
    case U'\u00A2': return U'\uFFE0'; // ¢
    case U'\u00A3': return U'\uFFE1'; // £
    case U'\u00AC': return U'\uFFE2'; // ¬
    default: return c;
    }
}

bool isLineBreak(char32_t c)
{
    return c == U'\n' || c == U'\r' || c == U'\u2028' || c == U'\u2029';
}

// Characters CP932 cannot hold are dropped, or replaced by "？" and named in `replaced`.
QString cleanWith(QStringView text, QStringList *replaced)
{
    QString out;
    out.reserve(text.size());
    bool afterCr = false;
    for (char32_t raw : text.toUcs4()) {
        const char32_t c = cp932Form(raw);
        if (isLineBreak(c)) {
            if (!(afterCr && c == U'\n')) // CR LF is one break
                out.append(QLatin1Char(' '));
            afterCr = c == U'\r';
            continue;
        }
        afterCr = false;
        if (cp932::canEncode(c)) {
            out.append(QString::fromUcs4(&c, 1));
        } else if (replaced) {
            out.append(QChar(u'？'));
            replaced->append(QString::fromUcs4(&c, 1));
        }
    }
    return out;
}

QString withoutCommas(QString out)
{
    out.replace(QLatin1Char(','), QChar(u'、'));
    out.replace(QChar(u'，'), QChar(u'、'));
    return out;
}

} // namespace

QString clean(QStringView text)
{
    return cleanWith(text, nullptr);
}

QString cleanField(QStringView text)
{
    return withoutCommas(clean(text));
}

QString cleanImportedField(QStringView text, QStringList &replaced)
{
    return withoutCommas(cleanWith(text, &replaced));
}

} // namespace typedtext
