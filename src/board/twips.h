#pragma once

#include <QFont>
#include <QRect>
#include <QStringList>

// Layouts are given in twips: 15 twips to a pixel at 96 dpi.
[[nodiscard]] constexpr int twips(int t)
{
    return (t + 7) / 15;
}

[[nodiscard]] inline QRect twipsRect(int left, int top, int width, int height)
{
    return {twips(left), twips(top), twips(width), twips(height)};
}

[[nodiscard]] inline QFont fontOf(const QStringList &families)
{
    QFont f;
    f.setFamilies(families);
    f.setPixelSize(12);
    return f;
}

// The proportional Gothic of labels and edit boxes, and the fixed-pitch one of buttons.
[[nodiscard]] inline QFont pGothicFont()
{
    return fontOf({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                   QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP")});
}

[[nodiscard]] inline QFont gothicFont()
{
    return fontOf({QStringLiteral("ＭＳ ゴシック"), QStringLiteral("MS Gothic"),
                   QStringLiteral("IPAGothic"), QStringLiteral("Noto Sans Mono CJK JP")});
}
