// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fonts.h"

#include <QStringList>

namespace {

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
    return fontOf({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                   QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP")});
}

QFont gothicFont()
{
    return fontOf({QStringLiteral("ＭＳ ゴシック"), QStringLiteral("MS Gothic"),
                   QStringLiteral("IPAGothic"), QStringLiteral("Noto Sans Mono CJK JP")});
}
