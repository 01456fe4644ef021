// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A series of repeat.txt as the item of a sync folder: one VEVENT with its RRULE, and its
// days changed here ("この日だけ変更") as changed occurrences (RECURRENCE-ID) of it, as
// calendar programs keep them.
#include "schedulecalendar_internal.h"

#include "repeattable.h"

#include "text/jdate.h"
#include "text/narrow.h"

#include <QSet>

namespace schedulecalendar {

using namespace detail;

namespace {

// A day of the series as an occurrence's time in the series' own terms: its start's zone,
// or a date for an all-day series.
icaltimetype occurrenceOn(icalcomponent *master, QDate day, const std::optional<QTime> &time,
                          const QTimeZone &zone)
{
    if (!time)
        return dateValue(day);
    const icaltimetype start = icalcomponent_get_dtstart(master);
    if (!start.zone) { // floating: the same wall time everywhere
        icaltimetype t = dateValue(day);
        t.is_date = 0;
        t.hour = time->hour();
        t.minute = time->minute();
        return t;
    }
    const icaltimetype at = utc(QDateTime(day, *time, zone));
    return icaltime_convert_to_zone(at, const_cast<icaltimezone *>(start.zone));
}

QDate dayOf(icalcomponent *master, icaltimetype id, const QTimeZone &zone)
{
    if (!id.zone && !id.is_date)
        id.zone = icalcomponent_get_dtstart(master).zone;
    return localMoment(id, zone).date;
}

bool sameEntry(const scheduleitem &a, const scheduleitem &b, QDate today)
{
    const auto ra = readable(a, today);
    const auto rb = readable(b, today);
    return ra && rb && ra->date == rb->date && ra->time == rb->time
           && sameOnceLoaded(a.eventinfo, b.eventinfo) && sameOnceLoaded(a.extra1, b.extra1)
           && sameOnceLoaded(a.extra2, b.extra2) && sameOnceLoaded(a.extra3, b.extra3);
}

// A changed occurrence of the item: the day it replaces and what it reads as now (none
// for a cancelled one or one before today).
struct Copy {
    icalcomponent *event;
    QDate day;
    std::optional<scheduleitem> entry;
    bool past;
};

// The series' changed days matched to the changed occurrences of its item: one that reads
// as a day stays; one changed here is changed; a new one replaces a day 除く日 left out;
// one no day has is taken out, its day left out by an EXDATE.
class Placing {
public:
    Placing(icalcomponent *master, const RepeatSeries &series, const std::optional<QTime> &time,
            QDate today, const QTimeZone &zone)
        : m_master(master), m_series(series), m_time(time), m_today(today), m_zone(zone)
    {
        icalcomponent *calendar = icalcomponent_get_parent(master);
        for (icalcomponent *c : changedCopies(calendar, master)) {
            Copy copy{c, dayOf(master, recurrenceIdOf(c), zone), std::nullopt, false};
            ReadResult one;
            if (icalcomponent_get_status(c) != ICAL_STATUS_CANCELLED)
                readEvent(c, today, zone, one);
            if (one.items.size() == 1)
                copy.entry = one.items.first();
            const auto now = copy.entry ? readable(*copy.entry, today) : std::nullopt;
            copy.past = copy.day < today && (!now || now->date < today);
            if (copy.past)
                m_claimed.insert(copy.day);
            m_copies.append(copy);
        }
    }

    QList<int> place(const QList<scheduleitem> &days, const QDateTime &stamp)
    {
        QList<int> left;
        for (int i = 0; i < days.size(); ++i)
            left.append(i);
        keepSame(days, left);
        changeCopies(days, left, stamp);
        dropUnclaimed();
        addCopies(days, left, stamp);
        return m_placed;
    }

    [[nodiscard]] const QSet<QDate> &claimed() const { return m_claimed; }

private:
    // A day the series gives and leaves out: one a changed occurrence can replace.
    [[nodiscard]] bool replaceable(QDate d) const
    {
        return m_series.except.contains(d) && m_series.rule.firstOnOrAfter(m_series.start, d) == d
               && (!m_series.until.isValid() || d <= m_series.until);
    }

    void keepSame(const QList<scheduleitem> &days, QList<int> &left)
    {
        for (Copy &c : m_copies) {
            if (c.past || !c.entry || !replaceable(c.day))
                continue;
            for (auto i = left.begin(); i != left.end(); ++i)
                if (sameEntry(*c.entry, days.at(*i), m_today)) {
                    claim(c, *i);
                    left.erase(i);
                    break;
                }
        }
    }

    void changeCopies(const QList<scheduleitem> &days, QList<int> &left, const QDateTime &stamp)
    {
        for (Copy &c : m_copies) {
            if (c.past || !c.entry || m_taken.contains(c.event) || left.isEmpty()
                || !replaceable(c.day))
                continue;
            const int i = left.takeFirst();
            const auto r = readable(days.at(i), m_today);
            if (!r)
                continue;
            applyChange(c.event, *c.entry, *r, m_today, m_zone, stamp);
            claim(c, i);
        }
    }

    // Changed occurrences no day here has any more: the day stays left out, by EXDATE.
    void dropUnclaimed()
    {
        for (const Copy &c : std::as_const(m_copies))
            if (!c.past && !m_taken.contains(c.event)) {
                icalcomponent_remove_component(icalcomponent_get_parent(c.event), c.event);
                icalcomponent_free(c.event);
            }
    }

    void addCopies(const QList<scheduleitem> &days, const QList<int> &left, const QDateTime &stamp)
    {
        for (const int i : left) {
            const auto r = readable(days.at(i), m_today);
            const std::optional<QDate> day = r ? freeDay(r->date) : std::nullopt;
            if (!day)
                continue; // no day of the series it can replace: an appointment of its own
            const icaltimetype id = occurrenceOn(m_master, *day, m_time, m_zone);
            icalcomponent *copy = copyFor(m_master, id);
            icalcomponent_add_component(icalcomponent_get_parent(m_master), copy);
            ReadResult made; // the copy as it reads before the change
            readEvent(copy, m_today, m_zone, made);
            if (made.items.size() != 1) {
                icalcomponent_remove_component(icalcomponent_get_parent(m_master), copy);
                icalcomponent_free(copy);
                continue;
            }
            const scheduleitem before = made.items.first();
            applyChange(copy, before, *r, m_today, m_zone, stamp);
            m_claimed.insert(*day);
            m_placed.append(i);
        }
    }

    // The day a new changed occurrence replaces: its own, else the first one left out
    // from today on that no other has; a day the rule gives.
    std::optional<QDate> freeDay(QDate own) const
    {
        const auto free = [this](QDate d) { return d >= m_today && !m_claimed.contains(d) && replaceable(d); };
        if (free(own))
            return own;
        QList<QDate> except = m_series.except;
        std::sort(except.begin(), except.end());
        for (const QDate d : std::as_const(except))
            if (free(d))
                return d;
        return std::nullopt;
    }

    void claim(const Copy &c, int row)
    {
        m_taken.insert(c.event);
        m_claimed.insert(c.day);
        m_placed.append(row);
    }

    icalcomponent *m_master;
    const RepeatSeries &m_series;
    std::optional<QTime> m_time;
    QDate m_today;
    QTimeZone m_zone;
    QList<Copy> m_copies;
    QSet<icalcomponent *> m_taken;
    QSet<QDate> m_claimed;
    QList<int> m_placed;
};

// The master's rule and left-out days as the series has them: the RRULE only when its
// rule or end changed (a server's own form of the same rule stays), the EXDATEs anew.
void setRuleAndExdates(icalcomponent *master, icalcomponent *fresh, bool ruleChanged,
                       const QList<QDate> &except, const QSet<QDate> &claimed,
                       const std::optional<QTime> &time, const QTimeZone &zone)
{
    if (ruleChanged) {
        removeAll(master, ICAL_RRULE_PROPERTY);
        icalcomponent_add_property(
            master, icalproperty_new_clone(icalcomponent_get_first_property(fresh, ICAL_RRULE_PROPERTY)));
    }
    removeAll(master, ICAL_EXDATE_PROPERTY);
    for (const QDate day : except) {
        if (claimed.contains(day))
            continue;
        const icaltimetype t = occurrenceOn(master, day, time, zone);
        icalproperty *exdate = icalproperty_new_exdate(t);
        nameAsStart(exdate, master, t);
        icalcomponent_add_property(master, exdate);
    }
}

// The series' fields onto the item's master (unless it was made from them just now),
// then its changed days into the item.
SeriesItem update(Component root, icalcomponent *master, const repeatitem &after,
                  const QList<scheduleitem> &days, QDate today, const QTimeZone &zone,
                  const QDateTime &stamp, bool fresh)
{
    const auto series = RepeatSeries::of(after);
    const std::optional<QDate> first = series ? series->rule.firstOnOrAfter(series->start, series->start)
                                              : std::nullopt;
    if (!first)
        return {};
    QStringList changedChars;
    const auto before = fresh ? std::optional<repeatitem>(after) : seriesOf(master, today, zone, {}, changedChars);
    const std::optional<QTime> time = after.eventtime.isEmpty() ? std::nullopt : jdate::parseTime(after.eventtime);
    const scheduleitem stored{after.eventinfo, jdate::fullDate(*first), after.eventtime,
                              after.extra1,    after.extra2,           after.extra3};
    const scheduleitem was = before ? scheduleitem{before->eventinfo, before->startdate, before->eventtime,
                                                   before->extra1,    before->extra2,   before->extra3}
                                    : scheduleitem{};
    if (!fresh)
        applyChange(master, was, Readable{&stored, *first, time}, today, zone, stamp);
    icaltimezone *tz = timezoneOf(zone);
    const SeriesZone z{tz, zone.id(), tz != icaltimezone_get_utc_timezone(), utc(stamp), zone};
    const Component made(seriesEvent(after, *series, QStringLiteral("x"), z));
    const bool ruleChanged = !before || before->rule != after.rule || before->until != after.until
                             || before->startdate != stored.eventdate;
    Placing placing(master, *series, time, today, zone);
    SeriesItem out;
    out.placed = placing.place(days, stamp);
    setRuleAndExdates(master, made.get(), ruleChanged, series->except, placing.claimed(), time, zone);
    out.bytes = text(root.get());
    return out;
}

} // namespace

SeriesItem seriesItem(const repeatitem &series, const QList<scheduleitem> &changedDays,
                      const QString &uid, QDate today, const QTimeZone &zone, const QDateTime &stamp)
{
    RepeatTable one;
    one.add(series);
    const Written plain = write(ScheduleTable(), today, zone, stamp, &one);
    if (plain.series != 1)
        return {};
    Component root(icalparser_parse_string(plain.bytes.constData()));
    icalcomponent *master = root ? masterEvent(root.get()) : nullptr;
    if (!master)
        return {};
    icalcomponent_set_uid(master, uid.toUtf8().constData());
    if (changedDays.isEmpty())
        return {text(root.get()), {}};
    return update(std::move(root), master, series, changedDays, today, zone, stamp, true);
}

SeriesItem patchSeries(const QByteArray &original, const repeatitem &series,
                       const QList<scheduleitem> &changedDays, QDate today, const QTimeZone &zone,
                       const QDateTime &stamp)
{
    Component root(icalparser_parse_string(original.constData()));
    icalcomponent *master = root ? masterEvent(root.get()) : nullptr;
    if (!master || !icalcomponent_get_first_property(master, ICAL_RRULE_PROPERTY))
        return {};
    return update(std::move(root), master, series, changedDays, today, zone, stamp, false);
}

} // namespace schedulecalendar
