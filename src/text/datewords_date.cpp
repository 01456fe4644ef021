// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The date half of the reader: 明日, 3日後, 12月11日, 来月末, 来週の金曜, (金).
#include "datewords_scan.h"
#include "jdate.h"

namespace datewords::detail {
namespace {

constexpr Parsed<QDate> none{};
constexpr Parsed<QDate> bad{Got::Bad, {}};

// Between the parts of one date: blanks and の (来週 の 金曜, 2027年の3月1日).
void join(Scanner &s)
{
    s.skipBlanks();
    s.take(u"の");
    s.skipBlanks();
}

Parsed<QDate> valid(QDate date)
{
    return date.isValid() ? ok(date) : bad;
}

// 月 to 日 as 1 (Monday) to 7, written 金曜, 金曜日 or (金); 0 when none is next.
int weekday(Scanner &s)
{
    static const QString days = QStringLiteral("月火水木金土日");
    const qsizetype start = s.pos();
    const bool bracket = s.take(u"(");
    const qsizetype day = s.atEnd() ? -1 : days.indexOf(s.peek());
    if (day >= 0) {
        s.reset(s.pos() + 1);
        if (bracket ? s.take(u")") : s.take(u"曜")) {
            if (!bracket)
                s.take(u"日");
            return int(day) + 1;
        }
    }
    s.reset(start);
    return 0;
}

// A weekday written after a date must be its own: 12月11日(土) on a Friday is a slip.
Parsed<QDate> confirmWeekday(Scanner &s, QDate date)
{
    const qsizetype start = s.pos();
    s.skipBlanks();
    const int day = weekday(s);
    if (day == 0)
        s.reset(start);
    return day == 0 || day == date.dayOfWeek() ? ok(date) : bad;
}

// A day of the year the board would store for it: m/d more than 90 days back is next year's.
Parsed<QDate> dayOfMonth(int year, int month, int day, QDate today)
{
    if (year > 0)
        return valid(QDate(year, month, day));
    const QString typed = QStringLiteral("%1/%2").arg(month).arg(day);
    const auto date = jdate::parseDate(jdate::dateForNewEntry(typed, today), today);
    return date ? ok(*date) : bad;
}

// What follows a month: D日, 末, 初め, 上旬, 中旬, 下旬. year 0: the year it is meant for.
Parsed<QDate> inMonth(Scanner &s, int year, int month, QDate today)
{
    if (month < 1 || month > 12)
        return bad;
    const qsizetype start = s.pos();
    if (const auto day = s.number(); day && s.take(u"日"))
        return dayOfMonth(year, month, *day, today);
    s.reset(start);
    if (s.take(u"末")) {
        // The last day decides the year, as the board decides it for a day typed.
        const int y = year > 0 ? year : today.year();
        const QDate end(y, month, QDate(y, month, 1).daysInMonth());
        if (year > 0 || end >= today.addDays(-90))
            return valid(end);
        return valid(QDate(y + 1, month, QDate(y + 1, month, 1).daysInMonth()));
    }
    join(s);
    static constexpr int firstDays[] = {1, 1, 1, 11, 21};
    const int part = s.takeOneOf({u"初め", u"初旬", u"上旬", u"中旬", u"下旬"});
    if (part < 0 && !s.take(u"初"))
        return bad; // 3月 alone is no day
    return dayOfMonth(year, month, firstDays[std::max(part, 0)], today);
}

// M月..., after a year or alone.
Parsed<QDate> monthOfYear(Scanner &s, int year, QDate today)
{
    const auto month = s.number();
    if (!month || !s.take(u"月"))
        return bad;
    return inMonth(s, year, *month, today);
}

// m/d or y/m/d, as the board reads them.
Parsed<QDate> slashed(Scanner &s, int first, QDate today)
{
    const auto second = s.number();
    if (!second)
        return bad;
    QString typed = QStringLiteral("%1/%2").arg(first).arg(*second);
    if (s.take(u"/")) {
        const auto third = s.number();
        if (!third)
            return bad;
        typed += QStringLiteral("/%1").arg(*third);
    }
    const auto date = jdate::parseDate(jdate::dateForNewEntry(typed, today), today);
    return date ? ok(*date) : bad;
}

// Words that begin with a number: 3日後, 2週間後, 1か月後, 2027年..., 12月..., 12/11.
Parsed<QDate> counted(Scanner &s, QDate today)
{
    const qsizetype start = s.pos();
    const auto n = s.number();
    if (!n)
        return none;
    if (s.take(u"日後"))
        return valid(today.addDays(*n));
    if (s.take(u"週間後") || s.take(u"週後"))
        return valid(today.addDays(qint64(*n) * 7));
    if (s.takeOneOf({u"か月後", u"ヶ月後", u"カ月後", u"ヵ月後", u"ケ月後", u"箇月後", u"ｶ月後",
                     u"ｹ月後"})
        >= 0)
        return valid(today.addMonths(*n));
    if (s.take(u"年後"))
        return valid(today.addYears(*n));
    if (s.take(u"年")) {
        join(s);
        const int year = *n < 100 ? jdate::windowYear(*n, today.year()) : *n;
        return monthOfYear(s, year, today);
    }
    if (s.take(u"月"))
        return inMonth(s, 0, *n, today);
    if (s.take(u"/"))
        return slashed(s, *n, today);
    s.reset(start);
    return none;
}

// 令和9年, 令和元年, 今年, 来年, 再来年: a year that a month must follow.
Parsed<QDate> namedYear(Scanner &s, QDate today)
{
    int year = 0;
    if (s.take(u"令和")) {
        const auto n = s.take(u"元") ? std::optional<int>(1) : s.number();
        if (!n || !s.take(u"年"))
            return bad;
        year = 2018 + *n;
    } else {
        const int ahead = s.takeOneOf({u"今年", u"来年", u"再来年"});
        if (ahead < 0)
            return none;
        year = today.year() + ahead;
    }
    join(s);
    return monthOfYear(s, year, today);
}

// 今月, 来月, 再来月 with what follows; 月末 and 月初 alone.
Parsed<QDate> namedMonth(Scanner &s, QDate today)
{
    if (s.take(u"月末"))
        return valid(QDate(today.year(), today.month(), today.daysInMonth()));
    if (s.take(u"月初め") || s.take(u"月初")) // the coming first
        return valid(today.day() == 1 ? today : QDate(today.year(), today.month(), 1).addMonths(1));
    const int ahead = s.takeOneOf({u"今月", u"来月", u"再来月"});
    if (ahead < 0)
        return none;
    const QDate first = QDate(today.year(), today.month(), 1).addMonths(ahead);
    join(s);
    return inMonth(s, first.year(), first.month(), today);
}

// 今週, 来週, 再来週 (weeks run Monday to Sunday) with a weekday or 末; 週末 alone.
Parsed<QDate> namedWeek(Scanner &s, QDate today)
{
    if (s.take(u"週末"))
        return ok(today.dayOfWeek() >= 6 ? today : today.addDays(6 - today.dayOfWeek()));
    const int ahead = s.takeOneOf({u"今週", u"来週", u"再来週"});
    if (ahead < 0)
        return none;
    const QDate monday = today.addDays(1 - today.dayOfWeek() + 7 * ahead);
    join(s);
    if (s.take(u"末"))
        return ok(monday.addDays(5));
    const int day = weekday(s);
    return day == 0 ? bad : ok(monday.addDays(day - 1));
}

// 今日, 明日 ... in their spellings; 今夜 leaves 夜 for the time.
Parsed<QDate> dayWord(Scanner &s, QDate today)
{
    struct Word {
        QStringView text;
        int days;
        int keep; // characters left for the time half
    };
    static constexpr Word words[] = {
        {u"明々後日", 3, 0}, {u"明明後日", 3, 0}, {u"しあさって", 3, 0}, {u"明後日", 2, 0},
        {u"あさって", 2, 0}, {u"明日", 1, 0},     {u"あした", 1, 0},     {u"あす", 1, 0},
        {u"今日", 0, 0},     {u"本日", 0, 0},     {u"きょう", 0, 0},     {u"今夜", 0, 1},
        {u"今晩", 0, 1},     {u"今夕", 0, 1},     {u"ほんじつ", 0, 0},   {u"みょうにち", 1, 0}};
    for (const Word &word : words) {
        const qsizetype start = s.pos();
        if (!s.take(word.text))
            continue;
        s.reset(s.pos() - word.keep);
        // 今夜 is today and the time 夜: 今夜食べる is neither.
        Scanner probe = s;
        if (word.keep > 0 && readTimePart(probe).got != Got::Ok) {
            s.reset(start);
            return none;
        }
        if (word.keep == 0 && !s.wordEnds()) {
            s.reset(start);
            return none;
        }
        s.take(u"中"); // 明日中: by the end of it
        return ok(today.addDays(word.days));
    }
    return none;
}

} // namespace

Parsed<QDate> readDatePart(Scanner &s, QDate today)
{
    // Words that begin like a date and are none.
    for (const QStringView word : {u"日曜大工", u"明日香"})
        if (s.startsWith(word))
            return none;
    for (const auto form : {dayWord, counted, namedYear, namedMonth, namedWeek}) {
        const Parsed<QDate> date = form(s, today);
        if (date.got == Got::Ok)
            return confirmWeekday(s, date.value);
        if (date.got == Got::Bad)
            return bad;
    }
    const int day = weekday(s);
    if (day == 0)
        return none;
    // The next such day after today: 金曜 typed on a Friday is next Friday.
    const int ahead = (day - today.dayOfWeek() + 7) % 7;
    return ok(today.addDays(ahead == 0 ? 7 : ahead));
}

} // namespace datewords::detail
