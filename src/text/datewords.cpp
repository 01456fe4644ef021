// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "datewords.h"

#include "datewords_scan.h"

namespace datewords {
namespace {

using namespace detail;

QString trimmedBlanks(QStringView text)
{
    const auto blank = [](QChar c) { return c == u' ' || c == u'\u3000' || c == u'\t'; };
    while (!text.isEmpty() && blank(text.front()))
        text = text.mid(1);
    while (!text.isEmpty() && blank(text.back()))
        text.chop(1);
    return text.toString();
}

// After a start time: 〜17時 or から17時 keeps the end in the text, as ～17時 (the mark
// CP932 has). Bad when the end is no time (25時).
Got readRangeEnd(Scanner &s, const QString &typed, QString &end)
{
    const qsizetype start = s.pos();
    s.skipBlanks();
    if (!s.take(u"~") && !s.take(u"から")) {
        s.reset(start);
        return Got::None;
    }
    s.skipBlanks();
    const qsizetype from = s.pos();
    const Parsed<QTime> t = readTimePart(s);
    if (t.got == Got::Ok)
        end = QStringLiteral("～") + typed.mid(from, s.pos() - from);
    return t.got == Got::Bad ? Got::Bad : Got::Ok;
}

} // namespace

std::optional<Reading> readLeading(const QString &text, QDate today)
{
    Scanner s(text);
    s.skipBlanks();
    const Parsed<QDate> date = readDatePart(s, today);
    if (date.got != Got::Ok)
        return std::nullopt;
    Reading r{date.value, std::nullopt, {}};
    s.particle();
    const Parsed<QTime> time = readTimePart(s);
    if (time.got == Got::Bad)
        return std::nullopt;
    QString end;
    if (time.got == Got::Ok) {
        r.time = time.value;
        if (readRangeEnd(s, text, end) == Got::Bad)
            return std::nullopt;
    }
    s.particle();
    const QString rest = trimmedBlanks(QStringView(text).mid(s.pos()));
    r.rest = end.isEmpty() || rest.isEmpty() ? end + rest : end + QLatin1Char(' ') + rest;
    return r;
}

std::optional<QDate> readDate(const QString &text, QDate today)
{
    Scanner s(text);
    s.skipBlanks();
    const Parsed<QDate> date = readDatePart(s, today);
    s.skipBlanks();
    return date.got == Got::Ok && s.atEnd() ? std::optional<QDate>(date.value) : std::nullopt;
}

std::optional<QTime> readTime(const QString &text)
{
    Scanner s(text);
    s.skipBlanks();
    const Parsed<QTime> time = readTimePart(s);
    s.skipBlanks();
    return time.got == Got::Ok && s.atEnd() ? std::optional<QTime>(time.value) : std::nullopt;
}

QString spoken(QDate date, QDate today)
{
    static const QString days = QStringLiteral("月火水木金土日");
    QString said = QStringLiteral("%1月%2日(%3)")
                       .arg(date.month())
                       .arg(date.day())
                       .arg(days.at(date.dayOfWeek() - 1));
    return date.year() == today.year() ? said : QString::number(date.year()) + u'年' + said;
}

} // namespace datewords
