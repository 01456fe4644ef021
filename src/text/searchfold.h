// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

// What the search compares: both sides folded, so that the forms a Japanese word is typed
// and stored in find each other.
namespace searchfold {

// NFKC (full and half width alike, ｶﾞ as ガ), katakana as hiragana (ヴ as ゔ, small kana
// as small hiragana), lower case. かいぎ, カイギ, ｶｲｷﾞ give the same; ＫＡＩＧＩ gives kaigi.
[[nodiscard]] QString fold(const QString &text);

// Romaji as people type it into an input method, as hiragana: the MS-IME spellings (si, ti,
// tu, nn, xtu, ltu) and Hepburn's (shi, chi, tsu, n before a consonant), a doubled
// consonant as っ, "-" as ー. Nothing when the text is not romaji through and through.
// The text is taken folded (lower case, half width).
[[nodiscard]] std::optional<QString> kanaOfRomaji(const QString &folded);

// A phone number's digits alone, blanks, hyphens and brackets left out, so that
// 0312345678 finds 03-1234-5678; empty when the text holds anything else.
[[nodiscard]] QString numberDigits(const QString &folded);

} // namespace searchfold
