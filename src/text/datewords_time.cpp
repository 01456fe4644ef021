// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The time half of the reader: 10時, 10時半, 午後3時15分, 15:30, 朝, 夕方6時, 正午.
#include "datewords_scan.h"

namespace datewords::detail {
namespace {

constexpr Parsed<QTime> none{};
constexpr Parsed<QTime> bad{Got::Bad, {}};

// The part of the day a time names before its hour.
enum class Half { Unsaid, Am, Pm, Noon, Morning, Evening };

struct Clock {
    int hour = 0;
    int minute = 0;
    bool colon = false; // 15:30, read as written
};

struct HalfWord {
    QStringView text;
    Half half;
    int alone; // the hour the word means without one, or -1
};

constexpr HalfWord halfWords[] = {
    {u"午前", Half::Am, -1},         {u"午後", Half::Pm, -1},      {u"朝", Half::Morning, 9},
    {u"昼", Half::Noon, 12},         {u"夕方", Half::Evening, 18}, {u"夕", Half::Evening, 18},
    {u"夜", Half::Evening, 20},      {u"晩", Half::Evening, 20}};

// H時, H時半, H時M分, H:MM; nothing when no hour is next (10時間 is a length).
Parsed<Clock> clock(Scanner &s)
{
    const qsizetype start = s.pos();
    const auto hour = s.number();
    if (!hour)
        return {};
    if (s.take(u":")) {
        const qsizetype at = s.pos();
        const auto minute = s.number();
        if (!minute || s.pos() - at != 2 || *minute > 59)
            return {Got::Bad, {}};
        return ok(Clock{*hour, *minute, true});
    }
    if (!s.take(u"時") || s.startsWith(u"間")) {
        s.reset(start);
        return {};
    }
    if (s.take(u"半"))
        return ok(Clock{*hour, 30});
    const qsizetype at = s.pos();
    if (const auto minute = s.number(); minute && s.take(u"分"))
        return *minute <= 59 ? ok(Clock{*hour, *minute}) : Parsed<Clock>{Got::Bad, {}};
    s.reset(at);
    return ok(Clock{*hour, 0});
}

// The hour on the 24-hour clock, or -1 when the words do not make one.
int hourOf(Half half, const Clock &c)
{
    const int h = c.hour;
    switch (half) {
    case Half::Am: // 午前12時 is midnight
        return h <= 12 ? h % 12 : -1;
    case Half::Pm: // 午後12時 is noon
        return h <= 12 ? h % 12 + 12 : -1;
    case Half::Morning:
        return h <= 23 ? h : -1;
    case Half::Noon: // 昼1時 is one in the afternoon, 昼11時 before noon
        return h <= 9 ? h + 12 : (h <= 23 ? h : -1);
    case Half::Evening: // 夜12時 could be either midnight
        return h < 12 ? h + 12 : (h > 12 && h <= 23 ? h : -1);
    case Half::Unsaid:
        break;
    }
    if (h > 23)
        return -1;
    // Appointments at one to six are in the afternoon; 15:30 and 3:30 mean what they say.
    return !c.colon && h >= 1 && h <= 6 ? h + 12 : h;
}

Parsed<QTime> finish(Scanner &s, int hour, int minute)
{
    if (hour < 0)
        return bad;
    s.takeOneOf({u"頃", u"ごろ", u"ちょうど"});
    return ok(QTime(hour, minute));
}

} // namespace

Parsed<QTime> readTimePart(Scanner &s)
{
    const qsizetype start = s.pos();
    if (s.take(u"正午"))
        return finish(s, 12, 0);
    if (s.take(u"朝一") || s.take(u"朝イチ"))
        return finish(s, 9, 0);
    const HalfWord *said = nullptr;
    for (const HalfWord &word : halfWords) {
        if (s.take(word.text)) {
            said = &word;
            break;
        }
    }
    const qsizetype afterHalf = s.pos();
    if (said)
        s.take(u"の"); // 夕方の7時
    const Parsed<Clock> c = clock(s);
    if (c.got == Got::Bad)
        return bad;
    if (c.got == Got::Ok)
        return finish(s, hourOf(said ? said->half : Half::Unsaid, c.value), c.value.minute);
    s.reset(afterHalf);
    if (said && said->alone >= 0 && s.standsAlone())
        return finish(s, said->alone, 0);
    s.reset(start);
    // 午前 or 午後 without an hour is a time begun and not finished.
    return said && said->alone < 0 ? bad : none;
}

} // namespace datewords::detail
