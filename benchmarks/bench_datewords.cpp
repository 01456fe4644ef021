// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A committed to-do of 100 characters analysed with dates in words on: one that begins
// with a date and a range of times, one that only looks like it, and one with none.
#include "board/commitanalysis.h"

#include <benchmark/benchmark.h>

namespace {

QString hundred(const char *start)
{
    QString text = QString::fromUtf8(start);
    const QString filler = QString::fromUtf8("資料を印刷して会議室へ持っていく、");
    while (text.size() < 100)
        text += filler;
    return text.left(100);
}

void BM_DateWordsCommit(benchmark::State &state)
{
    static const char *const starts[] = {"来週の金曜 15時半から17時 打合せ ", "日曜大工の道具 ",
                                         "牛乳を買う "};
    const QString text = hundred(starts[state.range(0)]);
    const QDate today(2026, 12, 11);
    for (auto _ : state)
        benchmark::DoNotOptimize(analyseCommit(text, today, true));
}
BENCHMARK(BM_DateWordsCommit)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

} // namespace
