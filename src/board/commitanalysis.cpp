// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "commitanalysis.h"

#include "text/classifier.h"
#include "text/datewords.h"
#include "text/fields.h"
#include "text/jdate.h"

namespace {

// Blanks only: what separates the words.
QString trimBlanks(const QString &word)
{
    qsizetype first = 0;
    qsizetype last = word.size();
    while (first < last && word.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && word.at(last - 1) == QLatin1Char(' '))
        --last;
    return word.mid(first, last - first);
}

CommitAnalysis dateWords(const QString &text, QDate today)
{
    CommitAnalysis a;
    const auto read = datewords::readLeading(text, today);
    if (!read)
        return a;
    a.kind = CommitAnalysis::ScheduleWords;
    a.day = read->date;
    a.date = jdate::fullDate(read->date);
    a.time = read->time ? jdate::formatHhMm(*read->time) : QString();
    a.event = read->rest;
    return a;
}

} // namespace

QString dateWordsQuestion(const CommitAnalysis &a, QDate today)
{
    QString when = datewords::spoken(a.day, today);
    if (!a.time.isEmpty())
        when += QLatin1Char(' ') + a.time;
    const QString what = a.event.isEmpty() ? QString() : QStringLiteral("「%1」を ").arg(a.event);
    return what + when + QStringLiteral(" の予定として予定表に移動してよいですか？");
}

CommitAnalysis analyseCommit(const QString &text, QDate today, bool readDateWords)
{
    const SplitFields split = splitFields(text, QStringLiteral(" "));
    QStringList words;
    QList<qint16> codes;
    for (const QString &field : split.fields) {
        words.append(trimBlanks(field));
        codes.append(classifyText(words.last(), today));
    }
    const auto code = [&](int w) { return w < codes.size() ? codes.at(w) : qint16(TextNone); };

    CommitAnalysis a;
    if (code(0) == TextDate) {
        a.date = words.at(0);
        if (code(1) == TextTime) {
            a.kind = CommitAnalysis::ScheduleDateTime;
            a.time = words.at(1);
            a.event = words.mid(2).join(QString()); // no blank between the words
        } else {
            a.kind = CommitAnalysis::ScheduleDate;
            for (const QString &word : words.mid(1))
                a.event += word + QLatin1Char(' ');
            if (words.size() == 1)
                a.event = QStringLiteral(" ");
        }
        return a;
    }

    bool haveIndex = false;
    int others = 0;
    for (int w = 0; w < words.size(); ++w) {
        if (code(w) == TextPhone) {
            // The add dialog offers the first number only; more than fit are dropped.
            if (a.numbers.size() < CommitAnalysis::MaxNumbers)
                a.numbers.append(words.at(w));
        } else if (code(w) == TextLetters && !haveIndex) {
            a.index = words.at(w);
            haveIndex = true;
        } else if (others++ == 0) {
            a.name = words.at(w);
        } else if (others == 2) {
            a.keys = words.at(w);
        }
    }
    if (!a.numbers.isEmpty())
        a.kind = CommitAnalysis::PhoneBook;
    else if (readDateWords)
        return dateWords(text, today);
    return a;
}
