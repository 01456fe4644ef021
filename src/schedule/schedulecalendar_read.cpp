// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Calendars of other programs (and of this one) read as entries, and the entries taken
// into the schedule.
#include "schedulecalendar_internal.h"

#include "repeattable.h"
#include "text/jdate.h"
#include "text/typedtext.h"

#include <QHash>

#include <algorithm>
#include <QSet>
#include <QStringDecoder>

namespace schedulecalendar {

using namespace detail;

namespace {

QString uidOf(icalcomponent *event)
{
    const char *uid = icalcomponent_get_uid(event);
    return QString::fromUtf8(uid ? uid : "");
}

// The folded lines joined again by their octets: a writer may fold inside a UTF-8
// character, which decodes only once its line is whole. CR LF or a lone LF, then a blank.
QByteArray unfolded(const QByteArray &body)
{
    QByteArray joined;
    joined.reserve(body.size());
    for (qsizetype i = 0; i < body.size(); ++i) {
        const qsizetype next = body.at(i) == '\r' && body.mid(i + 1, 1) == "\n" ? i + 2 : i + 1;
        const bool lineEnd = body.at(i) == '\n' || next == i + 2;
        if (lineEnd && next < body.size() && (body.at(next) == ' ' || body.at(next) == '\t')) {
            i = next; // the blank goes with the fold
            continue;
        }
        joined.append(body.at(i));
    }
    return joined;
}

// Why the text is no iCalendar file that can be read whole; empty when it is one.
QString refusal(const QByteArray &body)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8.decode(body);
    if (utf8.hasError())
        return QStringLiteral("UTF-8 の文字ではないバイトがあります。");
    const QString trimmed = text.trimmed();
    if (!trimmed.startsWith(QLatin1String("BEGIN:VCALENDAR"), Qt::CaseInsensitive))
        return QStringLiteral("iCalendar のファイル (BEGIN:VCALENDAR) ではありません。");
    if (!trimmed.endsWith(QLatin1String("END:VCALENDAR"), Qt::CaseInsensitive))
        return QStringLiteral("ファイルが途中で切れています（END:VCALENDAR がありません）。");
    return {};
}

// The calendar the file is, and those it holds.
QList<icalcomponent *> calendarsIn(icalcomponent *root)
{
    QList<icalcomponent *> calendars;
    if (icalcomponent_isa(root) == ICAL_VCALENDAR_COMPONENT)
        calendars.append(root);
    for (icalcomponent *c = icalcomponent_get_first_component(root, ICAL_VCALENDAR_COMPONENT); c;
         c = icalcomponent_get_next_component(root, ICAL_VCALENDAR_COMPONENT))
        calendars.append(c);
    return calendars;
}

bool isCancelled(icalcomponent *event)
{
    return icalcomponent_get_status(event) == ICAL_STATUS_CANCELLED;
}

// The occurrences of a series changed in the file, by the series' UID.
using Changed = QHash<QString, QList<icalcomponent *>>;

Changed changedOccurrences(icalcomponent *calendar)
{
    QSet<QString> series;
    Changed changed;
    for (icalcomponent *e = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); e;
         e = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
        if (icaltime_is_null_time(recurrenceIdOf(e)))
            series.insert(uidOf(e));
        else
            changed[uidOf(e)].append(e);
    }
    // One without its series in the file is an event of its own.
    for (auto it = changed.begin(); it != changed.end();)
        it = series.contains(it.key()) ? std::next(it) : changed.erase(it);
    return changed;
}

// A changed occurrence stands in the window when the occurrence it replaces does.
bool inWindow(icalcomponent *occurrence, QDate today, const QTimeZone &zone)
{
    const QDate day = localMoment(recurrenceIdOf(occurrence), zone).date;
    return day >= today && day <= today.addYears(1);
}

void readSeries(icalcomponent *event, const QList<icalcomponent *> &changed, QDate today,
                const QTimeZone &zone, ReadResult &result)
{
    QList<icaltimetype> replaced;
    for (icalcomponent *c : changed)
        replaced.append(recurrenceIdOf(c));
    // A series over before today gives nothing, as its occurrences would not. A day
    // changed beyond the coming year would be left out of the series with no entry of its
    // own: such a series stays its occurrences.
    const bool changedBeyond = std::any_of(changed.cbegin(), changed.cend(), [&](icalcomponent *c) {
        return localMoment(recurrenceIdOf(c), zone).date > today.addYears(1);
    });
    const auto series = result.takeSeries && !changedBeyond
                            ? seriesOf(event, today, zone, replaced, result.replaced)
                            : std::nullopt;
    const auto read = series ? RepeatSeries::of(*series) : std::nullopt;
    if (read && read->next(today)) {
        result.series.append(*series);
        result.recurring = true;
    } else {
        readEvent(event, today, zone, result, replaced);
    }
    for (icalcomponent *c : changed) {
        if (!inWindow(c, today, zone))
            continue;
        if (isCancelled(c))
            ++result.cancelled;
        else
            readEvent(c, today, zone, result);
    }
}

void readCalendar(icalcomponent *calendar, QDate today, const QTimeZone &zone, ReadResult &result)
{
    const Changed changed = changedOccurrences(calendar);
    for (icalcomponent *e = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); e;
         e = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
        const QString uid = uidOf(e);
        const bool occurrence = !icaltime_is_null_time(recurrenceIdOf(e));
        if (occurrence && changed.contains(uid))
            continue; // read with its series
        if (!result.uids.contains(uid))
            result.uids.append(uid);
        if (isCancelled(e))
            ++result.cancelled;
        else
            readSeries(e, occurrence ? QList<icalcomponent *>() : changed.value(uid), today, zone,
                       result);
    }
    result.notEvents += icalcomponent_count_components(calendar, ICAL_VTODO_COMPONENT)
                        + icalcomponent_count_components(calendar, ICAL_VJOURNAL_COMPONENT);
}

} // namespace

namespace detail {

QString xText(icalcomponent *event, const char *name)
{
    for (icalproperty *p = icalcomponent_get_first_property(event, ICAL_X_PROPERTY); p;
         p = icalcomponent_get_next_property(event, ICAL_X_PROPERTY))
        if (qstrcmp(icalproperty_get_x_name(p), name) == 0)
            return QString::fromUtf8(icalproperty_get_x(p));
    return {};
}

void readEvent(icalcomponent *event, QDate today, const QTimeZone &zone, ReadResult &result,
               const QList<icaltimetype> &replaced, QList<icaltimetype> *times)
{
    const icaltimetype start = icalcomponent_get_dtstart(event);
    if (icaltime_is_null_time(start) || !icaltime_is_valid_time(start)) {
        ++result.unreadable;
        return;
    }
    const bool recurring = icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY);
    result.recurring = result.recurring || recurring;
    const char *summary = icalcomponent_get_summary(event);
    const QString info =
        typedtext::cleanImportedField(QString::fromUtf8(summary ? summary : ""), result.replaced);
    scheduleitem base;
    base.eventinfo = info;
    base.extra1 = typedtext::cleanImportedField(xText(event, "X-KIBANU-EXTRA1"), result.replaced);
    base.extra2 = typedtext::cleanImportedField(xText(event, "X-KIBANU-EXTRA2"), result.replaced);
    base.extra3 = typedtext::cleanImportedField(xText(event, "X-KIBANU-EXTRA3"), result.replaced);
    const QString storedDate = xText(event, "X-KIBANU-DATE");
    const QString storedTime = xText(event, "X-KIBANU-TIME");
    const Occurrences when = occurrences(event, start, today, zone, replaced);
    if (when.limited)
        result.limited.append(info);
    // Several days of one event are its entries as a series' are: one item holds them.
    result.recurring = result.recurring || when.times.size() > 1;
    result.spans = result.spans || (!recurring && when.times.size() > 1);
    for (const icaltimetype &occurrence : when.times) {
        const Moment m = localMoment(occurrence, zone);
        scheduleitem item = base;
        item.eventdate = jdate::fullDate(m.date);
        item.eventtime = m.time ? QStringLiteral("%1:%2").arg(m.time->hour()).arg(m.time->minute(), 2, 10, QLatin1Char('0'))
                                : QString();
        // This program's own texts of the date and time, while they still mean the moment
        // the event has (another program may have moved it).
        if (!recurring && !storedDate.isEmpty()
            && jdate::parseDate(storedDate, today) == std::optional<QDate>(m.date)
            && (m.time ? jdate::parseTime(storedTime) == m.time : storedTime.isEmpty())) {
            item.eventdate = storedDate;
            item.eventtime = storedTime;
        }
        result.items.append(item);
        if (times)
            times->append(occurrence);
    }
}

} // namespace detail

ReadResult read(const QByteArray &bytes, QDate today, const QTimeZone &zone, bool takeSeries)
{
    ReadResult result;
    result.takeSeries = takeSeries;
    QByteArray body = bytes;
    if (body.startsWith("\xEF\xBB\xBF"))
        body.remove(0, 3);
    body = unfolded(body);
    result.error = refusal(body);
    if (!result.error.isEmpty())
        return result;
    Component root(icalparser_parse_string(body.constData()));
    if (!root) {
        result.error = QStringLiteral("iCalendar として読めませんでした。");
        return result;
    }
    for (icalcomponent *calendar : calendarsIn(root.get()))
        readCalendar(calendar, today, zone, result);
    return result;
}

Added addAllSeries(RepeatTable &table, const QList<repeatitem> &series)
{
    Added counts;
    for (const repeatitem &item : series) {
        bool there = false;
        for (int row = 0; row < table.count() && !there; ++row) {
            const repeatitem &held = table.at(row);
            there = held.eventinfo == item.eventinfo && held.startdate == item.startdate
                    && held.eventtime == item.eventtime && held.rule == item.rule;
        }
        if (there) {
            ++counts.same;
            continue;
        }
        table.add(item);
        ++counts.added;
    }
    return counts;
}

Added addAll(ScheduleTable &table, const QList<scheduleitem> &items, QDate today)
{
    Added counts;
    const auto sameAs = [today](const scheduleitem &a, const scheduleitem &b) {
        return a.eventinfo == b.eventinfo
               && jdate::parseDate(a.eventdate, today) == jdate::parseDate(b.eventdate, today)
               && (a.eventtime.isEmpty() ? b.eventtime.isEmpty()
                                         : !b.eventtime.isEmpty()
                                               && jdate::parseTime(a.eventtime)
                                                      == jdate::parseTime(b.eventtime));
    };
    for (qsizetype k = 0; k < items.size(); ++k) {
        const scheduleitem &item = items.at(k);
        bool there = false;
        for (int i = 0; i < table.ntschedule() && !there; ++i)
            there = sameAs(table.at(i), item);
        if (there) {
            ++counts.same;
            continue;
        }
        if (table.isFull()) {
            counts.leftOut = int(items.size() - k);
            break;
        }
        // Another program's text of a day without a year keeps meaning that day next year.
        scheduleitem stored = item;
        stored.eventdate = jdate::withYear(item.eventdate, today);
        table.add(stored, today);
        ++counts.added;
    }
    return counts;
}

} // namespace schedulecalendar
