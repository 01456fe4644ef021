// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/typedtext.h"

#include <gtest/gtest.h>

TEST(TypedText, storesJisFormsAsTheirCp932Forms)
{
    EXPECT_EQ(typedtext::clean(QString::fromUtf8("10〜12時 −5 ‖ — ¢£¬")),
              QString::fromUtf8("10～12時 －5 ∥ ― ￠￡￢"));
}

TEST(TypedText, dropsWhatCp932CannotHoldAndFlattensLineBreaks)
{
    EXPECT_EQ(typedtext::clean(QString::fromUtf8("会議😀\r\n資料\n準備\r")),
              QString::fromUtf8("会議 資料 準備 "));
}

TEST(TypedText, fieldTextsLoseTheirCommas)
{
    EXPECT_EQ(typedtext::cleanField(QString::fromUtf8("山田,太郎，様")),
              QString::fromUtf8("山田、太郎、様"));
    EXPECT_EQ(typedtext::clean(QStringLiteral("a,b")), QStringLiteral("a,b"));
}
