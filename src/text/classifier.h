// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>

// What a short text is: a date, a time, a telephone number or a word of letters only.
// Digits are "0"-"9" and letters "A"-"Z", "a"-"z" only: callers narrow first.

enum TextClass : qint16 {
    TextNone = 0,
    TextDate = 100,
    TextTime = 200,
    TextPhone = 300,
    TextLetters = 400,
};

enum PhoneKind : qint16 {
    PhoneNone = -1,
    PhoneFullNumber = 103,
    PhoneShortNumber = 105,
    PhoneDigitsOnly = 150,
    PhoneMobile = 102,  // begins with 080 or 030
    PhoneService = 101, // begins with 050 or 060
};

// All four tests run and the last that holds wins: letters over telephone number over
// time over date. Dates without a year, or with two digits of it, are read against today.
[[nodiscard]] qint16 classifyText(const QString &text, QDate today);
[[nodiscard]] bool isDateText(const QString &text, QDate today);
[[nodiscard]] bool isTimeText(const QString &text);
[[nodiscard]] qint16 phoneNumberKind(const QString &text);
[[nodiscard]] bool isLettersOnly(const QString &text);
