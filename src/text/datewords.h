// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>
#include <QTime>

#include <optional>

// Dates and times as people write them in Japanese: 明日, 来週の金曜, 3日後, 月末, 午後3時,
// 10時半, in full or half width, with kanji or Arabic numerals.
namespace datewords {

struct Reading {
    QDate date;
    std::optional<QTime> time;
    QString rest; // what follows the date and time, as typed
};

// The date, and the time if one follows, that a text begins with ("明日10時歯医者").
// Nothing when it does not begin with a date word, or when a word it began cannot be
// resolved (2月30日, 明日25時, 来月 alone): such a text is not an appointment.
[[nodiscard]] std::optional<Reading> readLeading(const QString &text, QDate today);

// A whole box's text as one date or one time; nothing when anything is left over.
[[nodiscard]] std::optional<QDate> readDate(const QString &text, QDate today);
[[nodiscard]] std::optional<QTime> readTime(const QString &text);

// How the program says a date back: 12月11日(金), with the year when it is not today's.
[[nodiscard]] QString spoken(QDate date, QDate today);

} // namespace datewords
