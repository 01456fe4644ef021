// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "printcontent.h"

#include "board/todoboard.h"
#include "lists/donelist.h"
#include "phonebook/phonebook.h"
#include "schedule/repeatrule.h"
#include "schedule/repeattable.h"
#include "schedule/scheduletable.h"
#include "text/jdate.h"

#include <QLocale>

#include <algorithm>
#include <map>

namespace printcontent {
namespace {

QString day(QDate date)
{
    static const QLocale japanese(QLocale::Japanese, QLocale::Japan);
    return japanese.toString(date, QStringLiteral("yyyy/MM/dd(ddd)"));
}

QString titled(const QString &what, const QString &range, QDate printed)
{
    QString title = what;
    if (!range.isEmpty())
        title += QStringLiteral("　") + range;
    return title + QStringLiteral("　（%1 印刷）").arg(jdate::shortDate(printed));
}

using Days = std::map<QDate, QList<QStringList>>;

void addSeries(Days &days, const RepeatTable &series, QDate from, QDate to)
{
    for (int row = 0; row < series.count(); ++row) {
        const repeatitem &s = series.at(row);
        const auto rule = RepeatRule::parse(s.rule);
        const QString mark = rule ? QStringLiteral("繰り返し（%1）").arg(rule->caption())
                                  : QStringLiteral("繰り返し");
        const auto time = jdate::parseTime(s.eventtime);
        for (auto next = series.nextDay(row, from); next && *next <= to;
             next = series.nextDay(row, next->addDays(1)))
            days[*next].append({time ? jdate::formatHhMm(*time) : QString(), s.eventinfo, mark});
    }
}

} // namespace

PrintDocument schedule(const ScheduleTable &table, const RepeatTable &series, QDate from,
                       int days, QDate printed)
{
    const QDate to = from.addDays(std::max(days, 1) - 1);
    Days byDay;
    for (int pos = 0; pos < table.ntschedule(); ++pos) {
        const scheduleitem &e = table.at(pos);
        const auto date = jdate::parseDate(e.eventdate, printed);
        if (!date || *date < from || *date > to)
            continue;
        const auto time = jdate::parseTime(e.eventtime);
        byDay[*date].append({time ? jdate::formatHhMm(*time) : QString(), e.eventinfo, {}});
    }
    addSeries(byDay, series, from, to);
    PrintDocument doc{titled(QStringLiteral("予定表"), day(from) + u'～' + day(to), printed), {}};
    for (auto &[date, rows] : byDay) {
        // By time, those without one first, as the schedule lists them.
        std::stable_sort(rows.begin(), rows.end(),
                         [](const QStringList &a, const QStringList &b) { return a.at(0) < b.at(0); });
        doc.blocks.append({day(date), rows});
    }
    return doc;
}

PrintDocument phoneBook(const PhoneBook &book, int onlyPos, QDate printed)
{
    const bool one = onlyPos >= 0 && onlyPos < book.ntphone();
    PrintDocument doc{titled(QStringLiteral("電話帳"),
                             one ? book.at(onlyPos).index
                                 : QStringLiteral("全 %1 件").arg(book.ntphone()),
                             printed),
                      {}};
    for (int pos = one ? onlyPos : 0; pos < (one ? onlyPos + 1 : book.ntphone()); ++pos) {
        const phoneentry &e = book.at(pos);
        PrintBlock block{e.index + QStringLiteral("　") + e.name, {}};
        if (!e.keys.isEmpty())
            block.rows.append({QString(), e.keys, {}});
        for (int pair = 0; pair < e.numphone && pair < phoneentry::MaxPairs; ++pair)
            block.rows.append({e.phonetype.at(pair), e.phonenumber.at(pair), {}});
        doc.blocks.append(block);
    }
    return doc;
}

PrintDocument done(const QStringList &lines, QDate from, QDate to, QDate printed)
{
    if (to < from)
        std::swap(from, to);
    Days byDay;
    for (const QString &line : lines) {
        const auto done = splitDoneLine(line, printed);
        if (done && done->date >= from && done->date <= to)
            byDay[done->date].append({QString(), done->text, {}});
    }
    PrintDocument doc{titled(QStringLiteral("やった事"), day(from) + u'～' + day(to), printed), {}};
    for (const auto &[date, rows] : byDay)
        doc.blocks.append({day(date), rows});
    return doc;
}

PrintDocument board(const TodoBoard &board, QDate printed)
{
    PrintBlock block;
    for (int slot = 0; slot < TodoBoard::SlotCount; ++slot)
        block.rows.append({board.isDone(slot) ? QStringLiteral("✓") : QStringLiteral("□"),
                           board.text(slot), {}});
    return {titled(QStringLiteral("ボード"), {}, printed), {block}};
}

QString jobName(const QString &title)
{
    return QString(title).replace(QLatin1Char('/'), QLatin1Char('-'));
}

} // namespace printcontent
