// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "searchsources.h"

#include "board/todoboard.h"
#include "lists/donelist.h"
#include "lists/shelflist.h"
#include "phonebook/phonebook.h"
#include "schedule/repeattable.h"
#include "schedule/scheduletable.h"
#include "text/jdate.h"


namespace searchsources {

QList<SearchItem> board(const TodoBoard &board)
{
    QList<SearchItem> items;
    for (int slot = 0; slot < TodoBoard::SlotCount; ++slot)
        if (const QString text = board.text(slot); !text.isEmpty())
            items.append({SearchPlace::Board, slot, {}, text, {text}});
    return items;
}

QList<SearchItem> shelf(const ShelfList &shelf)
{
    QList<SearchItem> items;
    for (int row = 0; row < shelf.count(); ++row)
        if (const QString text = shelf.at(row); !text.isEmpty())
            items.append({SearchPlace::Shelf, row, {}, text, {text}});
    return items;
}

QList<SearchItem> done(const QStringList &lines, QDate today)
{
    QList<SearchItem> items;
    items.reserve(lines.size());
    for (int row = 0; row < lines.size(); ++row) {
        const QString &line = lines.at(row);
        const auto done = splitDoneLine(line, today);
        items.append({SearchPlace::Done, row, done ? done->dateText : QString(), line,
                      {done ? done->text : line}});
    }
    return items;
}

QList<SearchItem> schedule(const ScheduleTable &table, const RepeatTable &series, QDate today)
{
    QList<SearchItem> items;
    for (int pos = 0; pos < table.ntschedule(); ++pos) {
        const scheduleitem &e = table.at(pos);
        items.append({SearchPlace::Schedule, pos, e.eventdate,
                      scheduleListLine(e.eventdate, e.eventtime, e.eventinfo, today),
                      {e.eventinfo, e.extra1, e.extra2, e.extra3}});
    }
    for (int row = 0; row < series.count(); ++row) {
        const auto day = series.nextDay(row, today);
        if (!day)
            continue;
        const repeatitem &s = series.at(row);
        items.append({SearchPlace::Schedule, row, jdate::fullDate(*day), series.listLine(row, today),
                      {s.eventinfo, s.extra1, s.extra2, s.extra3}, true});
    }
    return items;
}

QString phoneLine(const phoneentry &entry)
{
    return entry.index + QStringLiteral("  ") + entry.name;
}

QList<SearchItem> phoneBook(const PhoneBook &book)
{
    QList<SearchItem> items;
    items.reserve(book.ntphone());
    for (int pos = 0; pos < book.ntphone(); ++pos) {
        const phoneentry &e = book.at(pos);
        QStringList fields{e.index, e.name, e.keys};
        for (int pair = 0; pair < e.numphone && pair < phoneentry::MaxPairs; ++pair)
            fields << e.phonetype.at(pair) << e.phonenumber.at(pair);
        items.append({SearchPlace::PhoneBook, pos, {}, phoneLine(e), fields});
    }
    return items;
}

} // namespace searchsources
