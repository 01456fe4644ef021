// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/cp932.h"

#include <gtest/gtest.h>

TEST(Cp932, roundTripsTheCharactersDataFilesHold)
{
    // ASCII with backslash and tilde, half-width katakana, kanji, ～, NEC row 13, user area.
    const QByteArray bytes("a\\~\xB1\xDE\x8A\xBF\x8E\x9A\x81\x60\x87\x40\xF0\x40\r\n", 17);
    const cp932::Decoded decoded = cp932::decode(bytes);
    ASSERT_TRUE(decoded.complete);
    EXPECT_EQ(decoded.text, QString::fromUtf8("a\\~ｱﾞ漢字～①\uE000\r\n"));
    const cp932::Encoded encoded = cp932::encode(decoded.text);
    ASSERT_TRUE(encoded.ok);
    EXPECT_EQ(encoded.bytes, bytes);
}

TEST(Cp932, decodeStopsAtBytesThatAreNotCp932)
{
    const cp932::Decoded badByte = cp932::decode(QByteArray("ab\x80z"));
    EXPECT_FALSE(badByte.complete);
    EXPECT_EQ(badByte.text, QStringLiteral("ab"));
    EXPECT_EQ(badByte.errorOffset, 2);

    // A double-byte character cut off at the end of the file.
    const cp932::Decoded cut = cp932::decode(QByteArray("\x82\xA0\x82"));
    EXPECT_FALSE(cut.complete);
    EXPECT_EQ(cut.text, QString::fromUtf8("あ"));
    EXPECT_EQ(cut.errorOffset, 2);
}

TEST(Cp932, encodeRefusesInsteadOfSubstituting)
{
    const cp932::Encoded emoji = cp932::encode(QString::fromUtf8("to-do 😀"));
    EXPECT_FALSE(emoji.ok);
    EXPECT_EQ(emoji.failedChar, QString::fromUtf8("😀"));
    // The JIS wave dash has no CP932 form of its own; ～ has.
    EXPECT_FALSE(cp932::canEncode(U'\u301C'));
    EXPECT_TRUE(cp932::canEncode(U'\uFF5E'));
    EXPECT_FALSE(cp932::canEncode(U'\u00A5'));
}
