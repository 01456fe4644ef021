// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/fonts.h"

#include <QFontInfo>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

QImage drawn(const QString &text, const QFont &font)
{
    QImage image(160, 24, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setFont(font);
    p.drawText(image.rect(), Qt::AlignCenter, text);
    return image;
}

} // namespace

// The board's captions look exactly as in the fixed-pitch Gothic, whichever face draws them.
TEST(Fonts, fullWidthCaptionsAreDrawnAsTheFixedPitchGothicDrawsThem)
{
    for (const char *caption : {"ヘルプ", "予定表", "電話帳", "やった事", "たな上げ", "閉じる",
                                "日付", "ＡＢＣ１２３"}) {
        const QString text = QString::fromUtf8(caption);
        EXPECT_EQ(drawn(text, fullWidthGothicFont()), drawn(text, gothicFont())) << caption;
    }
    EXPECT_EQ(QFontInfo(fullWidthGothicFont()).pixelSize(), QFontInfo(gothicFont()).pixelSize());
}
