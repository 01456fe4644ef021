// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

// What a committed to-do offers to go to: the schedule when it starts with a date, the
// phone book when it holds telephone numbers. The words are narrowed and trimmed.
struct CommitAnalysis {
    enum Kind { Nothing, ScheduleDateTime, ScheduleDate, PhoneBook };
    static constexpr int MaxNumbers = 11;

    Kind kind = Nothing;
    QString date;  // schedule
    QString time;
    QString event;
    QString index; // phone book
    QString name;
    QString keys;
    QStringList numbers;
};

// Dates without a year, or with two digits of it, are read against today.
[[nodiscard]] CommitAnalysis analyseCommit(const QString &text, QDate today);
