// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRegularExpression>
#include <QString>

#include <memory>
#include <optional>

// Words by their reading: Migemo's dictionary (Debian cmigemo-common, made from SKK's)
// turns romaji or kana into a pattern of the kanji words read so (kaigi: 会議, 開業 …).
// Loading it takes a tenth of a second: made once, when the search is first opened.
class Readings {
public:
    // Where cmigemo-common puts the UTF-8 dictionary.
    [[nodiscard]] static QString defaultDictionary();

    // Without the dictionary (or without Migemo in this build) it is off.
    explicit Readings(const QString &dictionary = defaultDictionary());
    ~Readings();
    Readings(const Readings &) = delete;
    Readings &operator=(const Readings &) = delete;

    [[nodiscard]] bool isOn() const;
    // The pattern of the word's readings, for folded texts; none when off, or when the
    // dictionary gives none that can be used.
    [[nodiscard]] std::optional<QRegularExpression> patternFor(const QString &folded) const;

private:
    struct Dictionary;
    std::unique_ptr<Dictionary> m_dictionary;
};
