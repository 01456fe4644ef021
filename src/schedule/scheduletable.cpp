// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scheduletable.h"

#include "lists/donelist.h"
#include "text/fields.h"
#include "text/jdate.h"
#include "text/typedtext.h"

namespace {

const QString twoBlanks = QStringLiteral("  ");
const QString noTime = QStringLiteral("     ");

QString fileLine(const scheduleitem &item)
{
    return QStringList{item.eventinfo, item.eventdate, item.eventtime,
                       item.extra1,    item.extra2,    item.extra3}
        .join(QLatin1Char(','));
}

} // namespace

QString scheduleListLine(const QString &eventdate, const QString &eventtime,
                         const QString &eventinfo, QDate today)
{
    const auto date = jdate::parseDate(eventdate, today);
    QString line = date ? jdate::formatYyMmDd(*date) : eventdate;
    line += twoBlanks;
    if (eventtime.isEmpty()) {
        line += noTime;
    } else {
        const auto time = jdate::parseTime(eventtime);
        line += time ? jdate::formatHhMm(*time) : eventtime;
    }
    return line + twoBlanks + eventinfo;
}

int ScheduleTable::insertSorted(const scheduleitem &item, const QString &line)
{
    const int pos = m_list.insertSorted(line);
    m_items.insert(pos, item);
    m_handedToDone.insert(pos, false);
    m_changed = true;
    return pos;
}

void ScheduleTable::removeAt(int pos)
{
    // The list first: views of it react to the removal while the table still matches.
    m_list.removeAt(pos);
    m_items.removeAt(pos);
    m_handedToDone.removeAt(pos);
    m_changed = true;
}

std::optional<int> ScheduleTable::add(const QString &eventdate, const QString &eventtime,
                                      const QString &eventinfo, const QString &listLine)
{
    if (isFull())
        return std::nullopt;
    scheduleitem item;
    item.eventdate = eventdate;
    item.eventtime = eventtime;
    item.eventinfo = typedtext::cleanField(eventinfo);
    return insertSorted(item, typedtext::cleanField(listLine));
}

ScheduleTable::Read ScheduleTable::cut(const FileBytes &file, QDate today)
{
    Read read{textFileRead(file), today, {}, {}};
    LineReader reader(read.text.text);
    const qsizetype most = read.text.text.count(QLatin1Char('\r')) + 1;
    read.items.reserve(most);
    read.lines.reserve(most);
    while (!reader.atEnd()) {
        const SplitFields f = splitFields(reader.readTextLine(), QStringLiteral(","));
        // Braces, not emplaceBack: clang 14 has no parenthesised aggregate initialisation.
        read.items.append(scheduleitem{f.at(0), f.at(1), f.at(2), f.at(3), f.at(4), f.at(5)});
        const scheduleitem &item = read.items.constLast();
        read.lines.append(scheduleListLine(item.eventdate, item.eventtime, item.eventinfo, today));
    }
    return read;
}

void ScheduleTable::readAhead(const QString &path, QDate today)
{
    m_ahead.start(path, [today](const FileBytes &file) { return cut(file, today); });
}

TextFileRead ScheduleTable::loadSchedule(const QString &path, QDate today)
{
    auto [file, read] = m_ahead.take(path);
    if (!read || read->today != today) // a read ahead just before midnight
        read = cut(file, today);
    // Sorted once, in the order that inserting line after line gives.
    const QList<qsizetype> from = m_list.insertAllSorted(read->lines);
    if (m_items.isEmpty())
        m_items = std::move(read->items);
    else
        m_items.append(std::move(read->items));
    m_handedToDone.resize(m_items.size(), false);
    followOrder(m_items, from);
    followOrder(m_handedToDone, from);
    return read->text;
}

WriteResult ScheduleTable::writeAll(const QString &path) const
{
    QStringList lines;
    for (qsizetype i = 0; i < m_items.size(); ++i)
        if (!m_handedToDone.at(i)) // already in done.txt after a failed quit
            lines.append(fileLine(m_items.at(i)));
    return writeTextLines(path, lines);
}

bool ScheduleTable::isPast(const scheduleitem &item, QDate today) const
{
    const auto date = jdate::parseDate(item.eventdate, today);
    return date && *date < today;
}

QStringList ScheduleTable::reminderLines(QDate day, QDate today) const
{
    QStringList lines;
    for (const scheduleitem &item : m_items)
        if (jdate::parseDate(item.eventdate, today) == day)
            lines.append(item.eventtime + QStringLiteral("  ") + item.eventinfo);
    return lines;
}

WriteResult ScheduleTable::handPastToDone(const QString &donePath, QDate today)
{
    for (qsizetype i = 0; i < m_items.size(); ++i) {
        const scheduleitem &item = m_items.at(i);
        if (!isPast(item, today) || m_handedToDone.at(i))
            continue;
        const WriteResult done = addToDone(donePath, item.eventinfo, item.eventdate);
        if (!done.ok)
            return done;
        m_handedToDone[i] = true;
        m_changed = true; // schedule.txt must no longer hold it
    }
    return {};
}

WriteResult ScheduleTable::writeUpcoming(const QString &path, QDate today) const
{
    QStringList lines;
    for (const scheduleitem &item : std::as_const(m_items))
        if (!isPast(item, today))
            lines.append(fileLine(item));
    return writeTextLines(path, lines);
}
