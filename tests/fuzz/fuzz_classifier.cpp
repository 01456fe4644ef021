// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzzfile.h"

#include "board/commitanalysis.h"
#include "text/classifier.h"

#include <QDate>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const QDate today(2026, 12, 7);
    (void)classifyText(text, today);
    (void)phoneNumberKind(text);
    (void)isLettersOnly(text);
    const CommitAnalysis analysis = analyseCommit(text, today);
    if (analysis.numbers.size() > CommitAnalysis::MaxNumbers)
        fuzzFailure("more numbers than the phone book holds");
    if (analysis.kind == CommitAnalysis::ScheduleDateTime
        && (!isDateText(analysis.date, today) || !isTimeText(analysis.time)))
        fuzzFailure("a schedule entry without a date and a time");
    // Dates in words: an offered day is one the schedule can store, and the rest is the
    // text's own end (or the end of a range and it).
    const CommitAnalysis words = analyseCommit(text, today, true);
    if (words.kind == CommitAnalysis::ScheduleWords
        && (!words.day.isValid() || !isDateText(words.date, today)
            || !(words.time.isEmpty() || isTimeText(words.time))))
        fuzzFailure("a date in words the schedule cannot store");
    return 0;
}
