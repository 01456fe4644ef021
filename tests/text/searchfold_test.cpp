// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The forms of one word that the search must take for the same, and romaji as typed.
#include "text/searchfold.h"

#include <gtest/gtest.h>

using searchfold::fold;

TEST(SearchFold, everyFormOfAWordFoldsAlike)
{
    const struct {
        const char *a;
        const char *b;
    } same[] = {
        {"かいぎ", "カイギ"},         {"かいぎ", "ｶｲｷﾞ"},          // half width, a voiced mark apart
        {"kaigi", "ＫＡＩＧＩ"},      {"kaigi", "KaIgI"},          // width and case
        {"ぱーてぃー", "ﾊﾟｰﾃｨｰ"},     {"ぱーてぃー", "パーティー"}, // semi-voiced, long vowel, small kana
        {"ゔぁいおりん", "ヴァイオリン"}, {"ゔぁいおりん", "ｳﾞｧｲｵﾘﾝ"},  // ヴ
        {"ぁぃぅぇぉっゃゅょ", "ｧｨｩｪｫｯｬｭｮ"},                     // small kana stay small
        {"がっこう", "ガッコウ"},     {"03-1234-5678", "０３－１２３４－５６７８"},
    };
    for (const auto &pair : same)
        EXPECT_EQ(fold(QString::fromUtf8(pair.a)).toStdString(), fold(QString::fromUtf8(pair.b)).toStdString())
            << pair.a << " / " << pair.b;
    // What must stay apart: small and large kana, voiced and plain, kanji and kana.
    EXPECT_NE(fold(QStringLiteral("や")), fold(QStringLiteral("ゃ")));
    EXPECT_NE(fold(QStringLiteral("かいき")), fold(QStringLiteral("ｶｲｷﾞ")));
    EXPECT_NE(fold(QStringLiteral("会議")), fold(QStringLiteral("かいぎ")));
}

TEST(SearchFold, romajiAsTypedInMsImeAndHepburnReadsAsKana)
{
    const struct {
        const char *romaji;
        const char *kana; // nullptr: not romaji
    } cases[] = {
        {"kaigi", "かいぎ"},          {"kaigisitu", "かいぎしつ"},    {"kaigishitsu", "かいぎしつ"},
        {"sinnbunn", "しんぶん"},     {"shinbun", "しんぶん"},        {"sinbun", "しんぶん"},
        {"tikatetu", "ちかてつ"},     {"chikatetsu", "ちかてつ"},     {"konnnichiha", "こんにちは"},
        {"konnichiha", "こんにちは"}, {"minna", "みんな"},            {"kin'en", "きんえん"},
        {"kitte", "きって"},          {"matcha", "まっちゃ"},         {"kyouto", "きょうと"},
        {"jyuusho", "じゅうしょ"},    {"zyuusyo", "じゅうしょ"},      {"juusho", "じゅうしょ"},
        {"pa-thi-", "ぱーてぃー"},    {"xtu", "っ"},                  {"ltu", "っ"},
        {"fairu", "ふぁいる"},        {"vaiorin", "ゔぁいおりん"},    {"wo", "を"},
        {"kan", "かん"},              {"nyuusu", "にゅうす"},
        {"03-1234", nullptr},         {"kaigi 2", nullptr},           {"q", nullptr},
        {"", nullptr},                {"かいぎ", nullptr},
    };
    for (const auto &c : cases) {
        const auto kana = searchfold::kanaOfRomaji(fold(QString::fromUtf8(c.romaji)));
        if (!c.kana)
            EXPECT_FALSE(kana.has_value()) << c.romaji << " -> " << kana->toStdString();
        else
            EXPECT_EQ(kana.value_or(QStringLiteral("(none)")).toStdString(), c.kana) << c.romaji;
    }
}

TEST(SearchFold, aNumberIsItsDigitsAndOnlyANumberIs)
{
    EXPECT_EQ(searchfold::numberDigits(fold(QStringLiteral("０３－１２３４－５６７８"))), QStringLiteral("0312345678"));
    EXPECT_EQ(searchfold::numberDigits(QStringLiteral("(03) 1234 5678")), QStringLiteral("0312345678"));
    EXPECT_EQ(searchfold::numberDigits(QStringLiteral("+81-3-1234")), QStringLiteral("8131234"));
    EXPECT_TRUE(searchfold::numberDigits(QStringLiteral("内線 12")).isEmpty());
}
