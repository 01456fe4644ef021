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

int ScheduleTable::insertSorted(const scheduleitem &item, QDate today)
{
    m_changed = true;
    const QString line = scheduleListLine(item.eventdate, item.eventtime, item.eventinfo, today);
    return m_table.insert({item, false}, line);
}

void ScheduleTable::removeAt(int pos)
{
    m_changed = true;
    m_table.removeAt(pos);
}

std::optional<int> ScheduleTable::add(scheduleitem item, QDate today)
{
    if (isFull())
        return std::nullopt;
    item.eventinfo = typedtext::cleanField(item.eventinfo);
    return insertSorted(item, today);
}

std::optional<int> ScheduleTable::add(const QString &eventdate, const QString &eventtime,
                                      const QString &eventinfo, QDate today)
{
    scheduleitem item;
    item.eventdate = eventdate;
    item.eventtime = eventtime;
    item.eventinfo = eventinfo;
    return add(item, today);
}

int ScheduleTable::change(int pos, const QString &eventdate, const QString &eventtime,
                          const QString &eventinfo, QDate today)
{
    scheduleitem item;
    item.eventdate = eventdate;
    item.eventtime = eventtime;
    item.eventinfo = typedtext::cleanField(eventinfo);
    item.uid = at(pos).uid;
    removeAt(pos);
    return insertSorted(item, today);
}

void ScheduleTable::setUid(int pos, const QString &uid)
{
    m_table.row(pos).item.uid = uid; // no change of schedule.txt
}

ScheduleTable::Read ScheduleTable::cut(const FileBytes &file, QDate today)
{
    Read read{textFileRead(file), today, {}, {}, {}};
    LineReader reader(read.text.text);
    const qsizetype most = reader.mostLines();
    read.rows.reserve(most);
    read.lines.reserve(most);
    while (!reader.atEnd()) {
        const SplitFields f = splitFields(reader.readTextLine(), QStringLiteral(","));
        // Braces, not emplaceBack: clang 14 has no parenthesised aggregate initialisation.
        read.rows.append(
            ScheduleRow{scheduleitem{f.at(0), f.at(1), f.at(2), f.at(3), f.at(4), f.at(5), {}}});
        const scheduleitem &item = read.rows.constLast().item;
        read.lines.append(scheduleListLine(item.eventdate, item.eventtime, item.eventinfo, today));
    }
    read.order = listOrder(read.lines); // on the read ahead's thread, when it runs there
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
    m_table.insertAll(std::move(read->rows), read->lines, &read->order);
    return read->text;
}

TextFileRead ScheduleTable::reload(const FileBytes &file, QDate today)
{
    Read read = cut(file, today);
    m_table.replaceAll(std::move(read.rows), read.lines, &read.order);
    m_changed = false;
    return read.text;
}

void ScheduleTable::relist(QDate today)
{
    QStringList lines;
    lines.reserve(ntschedule());
    for (const ScheduleRow &row : m_table.rows())
        lines.append(scheduleListLine(row.item.eventdate, row.item.eventtime, row.item.eventinfo, today));
    if (lines == m_table.items())
        return;
    m_table.replaceAll(m_table.rows(), lines); // the entries are as they were: no change
}

QStringList ScheduleTable::fileLines() const
{
    QStringList lines;
    for (const ScheduleRow &row : m_table.rows())
        if (!row.handedToDone) // already in done.txt after a failed quit
            lines.append(fileLine(row.item));
    return lines;
}

bool ScheduleTable::isPast(const scheduleitem &item, QDate today) const
{
    const auto date = jdate::parseDate(item.eventdate, today);
    return date && *date < today;
}

QStringList ScheduleTable::reminderLines(QDate day, QDate today) const
{
    QStringList lines;
    for (const ScheduleRow &row : m_table.rows())
        if (jdate::parseDate(row.item.eventdate, today) == day)
            lines.append(row.item.eventtime + QStringLiteral("  ") + row.item.eventinfo);
    return lines;
}

WriteResult ScheduleTable::handPastToDone(const QString &donePath, QDate today)
{
    for (int i = 0; i < m_table.count(); ++i) {
        ScheduleRow &row = m_table.row(i);
        if (!isPast(row.item, today) || row.handedToDone)
            continue;
        WriteResult done = addToDone(donePath, row.item.eventinfo, row.item.eventdate);
        if (!done.ok)
            return done;
        row.handedToDone = true;
        m_changed = true; // schedule.txt must no longer hold it
    }
    return {};
}

QStringList ScheduleTable::upcomingLines(QDate today) const
{
    QStringList lines;
    for (const ScheduleRow &row : m_table.rows())
        if (!isPast(row.item, today))
            lines.append(fileLine(row.item));
    return lines;
}

