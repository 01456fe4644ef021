// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

// How a series of appointments repeats, as repeat.txt writes it: 毎日, 平日 (Monday to
// Friday), 毎週, 隔週, 毎月 (the start's day of the month, or the month's last day where it
// has none), 毎月第N曜 (毎月第2火, 毎月最終金) and 毎年.
struct RepeatRule {
    enum class Kind { Daily, Weekdays, Weekly, EveryOtherWeek, Monthly, MonthlyNth, Yearly };
    Kind kind = Kind::Weekly;
    int nth = 0;     // MonthlyNth: 1 to 5, or Last
    int weekday = 0; // MonthlyNth: Qt's 1 (Monday) to 7 (Sunday)
    static constexpr int Last = -1;

    bool operator==(const RepeatRule &) const = default;

    // The rule as the file holds it; nothing for a text that is no rule.
    [[nodiscard]] static std::optional<RepeatRule> parse(QStringView text);
    // The nth weekday of the start's month that the start is ("毎月第2木"); from the 29th on,
    // the month's last of that weekday.
    [[nodiscard]] static RepeatRule monthlyNthOf(QDate start);
    [[nodiscard]] QString text() const;
    // As the entry dialog offers it: 毎月第N曜 ends in 曜 ("毎月第2木曜").
    [[nodiscard]] QString caption() const;

    // The first day on or after `from` that the rule gives for a series that starts on
    // `start`; nothing when none comes within a lifetime.
    [[nodiscard]] std::optional<QDate> firstOnOrAfter(QDate start, QDate from) const;
};

// One series of repeat.txt, every field as read or typed.
struct repeatitem {
    QString eventinfo;
    QString startdate; // yyyy/m/d
    QString eventtime; // h:mm, or empty for a series without a time
    QString rule;      // RepeatRule's text
    QString until = {};  // yyyy/m/d, the last day it may fall on; empty: no end
    QString except = {}; // the days left out, yyyy/m/d separated by ";"
    QString extra1 = {};
    QString extra2 = {};
    QString extra3 = {};
    QString uid = {}; // its item in a sync folder, known only while the program runs
};

// A series read: its days parsed once. Nothing for fields the program cannot read.
struct RepeatSeries {
    QDate start;
    RepeatRule rule;
    QDate until; // null: no end
    QList<QDate> except;

    [[nodiscard]] static std::optional<RepeatSeries> of(const repeatitem &item);
    // The series' first day on or after `from`, its left-out days skipped; nothing once
    // it has ended.
    [[nodiscard]] std::optional<QDate> next(QDate from) const;
    [[nodiscard]] bool fallsOn(QDate day) const { return next(day) == day; }
};
