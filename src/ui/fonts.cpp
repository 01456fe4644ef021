// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace {

// The families wanted, the first one installed first: the font is then found at once,
// without asking for each family that is not there. The installed families are those the
// database reads anyway; hasFamily would have fontconfig resolve each name as an alias,
// milliseconds a name. A name only an alias makes is then skipped for the next one.
QStringList installedFirst(const QStringList &families)
{
    const QStringList installed = QFontDatabase::families();
    for (qsizetype i = 0; i < families.size(); ++i)
        if (installed.contains(families.at(i), Qt::CaseInsensitive))
            return families.mid(i);
    return families;
}

QFont fontOf(const QStringList &families)
{
    QFont f;
    f.setFamilies(families);
    f.setPixelSize(12);
    return f;
}

} // namespace

QFont pGothicFont()
{
    static const QStringList families = installedFirst(
        {QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
         QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP")});
    return fontOf(families);
}

namespace {

const QStringList &gothicFamilies()
{
    static const QStringList families = installedFirst(
        {QStringLiteral("ＭＳ ゴシック"), QStringLiteral("MS Gothic"),
         QStringLiteral("IPAGothic"), QStringLiteral("Noto Sans Mono CJK JP")});
    return families;
}

} // namespace

QFont gothicFont()
{
    return fontOf(gothicFamilies());
}

QFont fullWidthGothicFont()
{
    // Noto's fixed-pitch face differs from its proportional one only in the half-width
    // characters: the slots' very font then draws these captions, with the engines the
    // first paint loads anyway. A second family would also be asked of fontconfig for
    // its fallbacks, once for each script of the captions (kana, kanji).
    if (gothicFamilies().constFirst() == QLatin1String("Noto Sans Mono CJK JP"))
        return pGothicFont();
    return fontOf(gothicFamilies());
}
