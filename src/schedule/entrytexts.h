// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>
#include <QTime>

#include <optional>

// The date and time boxes of the entry dialog: what they hold, what is stored and what is
// said beside them. words: the option that also reads 明日, 来週の金曜, 午後3時.
namespace entrytexts {

// The day: as the schedule reads dates (m/d, y/m/d), else in words when they are on.
[[nodiscard]] std::optional<QDate> dateOf(const QString &text, bool words, QDate today);
[[nodiscard]] std::optional<QTime> timeOf(const QString &text, bool words);

// The text as typed when the schedule reads it so, else what the words were read as
// (yyyy/m/d, hh:mm); a text not read at all stays as typed.
[[nodiscard]] QString storedDate(const QString &text, bool words, QDate today);
[[nodiscard]] QString storedTime(const QString &text, bool words);

// Beside the box: 12月11日(金), 15:00, 読めません, or nothing for an empty box.
[[nodiscard]] QString saidDate(const QString &text, bool words, QDate today);
[[nodiscard]] QString saidTime(const QString &text, bool words);

} // namespace entrytexts
