// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/fields.h"
#include "text/narrow.h"

#include <unicode/translit.h>

#include <gtest/gtest.h>

#include <memory>

TEST(SplitFields, cutsAtTheSeparatorKeepingEmptyFields)
{
    EXPECT_EQ(splitFields(QStringLiteral("a,,b"), QStringLiteral(",")).fields,
              QStringList({"a", "", "b"}));
    EXPECT_EQ(splitFields(QString(), QStringLiteral(",")).count(), 0);
    EXPECT_EQ(splitFields(QStringLiteral("no commas here"), QStringLiteral(",")).fields,
              QStringList({"no commas here"}));
    EXPECT_EQ(splitFields(QStringLiteral("a,b,"), QStringLiteral(",")).fields,
              QStringList({"a", "b", ""}));
    EXPECT_EQ(splitFields(QStringLiteral(" a  b "), QStringLiteral(" ")).fields,
              QStringList({"", "a", "", "b", ""}));
}

TEST(SplitFields, narrowsFirstSoFullWidthSeparatorsCountToo)
{
    const SplitFields f = splitFields(QString::fromUtf8("１２/５　ﾃｽﾄ　歯医者，Ｘ"), " ");
    EXPECT_EQ(f.fields, QStringList({"12/5", QString::fromUtf8("ﾃｽﾄ"),
                                      QString::fromUtf8("歯医者,X")}));
    EXPECT_EQ(f.at(7), QString());
}

TEST(SplitFields, keepsEveryFieldOfALineWithManySeparators)
{
    QStringList numbers;
    for (int i = 0; i < 32; ++i)
        numbers.append(QString::number(i));
    // 30 separators: 31 fields, as many as the old limit allowed.
    EXPECT_EQ(splitFields(numbers.mid(0, 31).join(','), ",").count(), 31);
    // 31 separators: nothing after the last one is dropped.
    const SplitFields many = splitFields(numbers.join(','), ",");
    EXPECT_EQ(many.fields, numbers);
}

TEST(Narrow, changesOnlyWhatHasAHalfWidthForm)
{
    EXPECT_EQ(narrow(QString::fromUtf8("ＡＢＣ１２３，　ｚ")), QStringLiteral("ABC123, z"));
    EXPECT_EQ(narrow(QString::fromUtf8("ガー、。「」・")), QString::fromUtf8("ｶﾞｰ､｡｢｣･"));
    const QString kept = QString::fromUtf8("漢字ひらがな→■○│￥￠￡￢");
    EXPECT_EQ(narrow(kept), kept);
}

// The narrowing table against ICU's own transform over the characters it may touch, one
// by one and as one text, around all the full-width and kana blocks.
TEST(Narrow, isIcusFullwidthHalfwidthOverTheCharactersCp932HasHalfWidth)
{
    UErrorCode status = U_ZERO_ERROR;
    UParseError parseError;
    const std::unique_ptr<icu::Transliterator> icu(icu::Transliterator::createInstance(
        u"[\\uFF01-\\uFF5E\\u3000\\u3001\\u3002\\u300C\\u300D\\u30FB\\u30FC\\u309B"
        u"\\u309C\\u30A1-\\u30F6] Fullwidth-Halfwidth",
        UTRANS_FORWARD, parseError, status));
    ASSERT_TRUE(U_SUCCESS(status) && icu);
    const auto reference = [&](const QString &text) {
        icu::UnicodeString s(reinterpret_cast<const UChar *>(text.utf16()), int32_t(text.size()));
        icu->transliterate(s);
        // Not fromUtf16, which would take a leading U+FEFF for a byte-order mark.
        return QString(reinterpret_cast<const QChar *>(s.getBuffer()), s.length());
    };
    QString all;
    for (const auto &[first, last] : {std::pair{0x20, 0x7E}, {0x2000, 0x33FF}, {0xFE30, 0xFFEF}}) {
        for (int c = first; c <= last; ++c) {
            const QString one{QChar(char16_t(c))};
            all += one;
            ASSERT_EQ(narrow(one), reference(one)) << std::hex << c;
        }
    }
    EXPECT_EQ(narrow(all), reference(all));
}
