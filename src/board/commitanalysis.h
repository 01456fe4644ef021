// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

// What a committed to-do offers to go to: the schedule when it starts with a date, the
// phone book when it holds telephone numbers. The words are narrowed and trimmed.
// ScheduleWords: a date in words (明日10時歯医者), read only where the rest offer nothing;
// its date has four digits of year, its time is hh:mm or empty, its event the rest as typed.
struct CommitAnalysis {
    enum Kind { Nothing, ScheduleDateTime, ScheduleDate, PhoneBook, ScheduleWords };
    static constexpr int MaxNumbers = 11;

    Kind kind = Nothing;
    QString date;  // schedule
    QString time;
    QString event;
    QString index; // phone book
    QString name;
    QString keys;
    QStringList numbers;
    QDate day; // ScheduleWords: the day read
};

// Dates without a year, or with two digits of it, are read against today.
[[nodiscard]] CommitAnalysis analyseCommit(const QString &text, QDate today,
                                           bool readDateWords = false);

// The question for ScheduleWords, with the day and time as understood:
// 「歯医者」を 12月11日(金) 10:00 の予定として予定表に移動してよいですか？
[[nodiscard]] QString dateWordsQuestion(const CommitAnalysis &a, QDate today);
