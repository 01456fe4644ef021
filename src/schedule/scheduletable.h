// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lists/sortedlist.h"
#include "text/readahead.h"
#include "text/textfile.h"

#include <QDate>
#include <QSet>

#include <optional>

// One appointment; every field is kept as typed or as read from schedule.txt.
struct scheduleitem {
    QString eventinfo;
    QString eventdate;
    QString eventtime; // empty for an entry without a time
    QString extra1;
    QString extra2;
    QString extra3;
    // The entry's item in the sync folder, when it has one; never written to the file.
    QString uid = {};
};
Q_DECLARE_TYPEINFO(scheduleitem, Q_RELOCATABLE_TYPE);

// The list line: "yy/mm/dd", two blanks, "hh:mm" (or five blanks), two blanks, the text.
// A date or time that cannot be read shows as it is stored.
[[nodiscard]] QString scheduleListLine(const QString &eventdate, const QString &eventtime,
                                       const QString &eventinfo, QDate today);

// An appointment in the table, and whether a quit has handed it to done.txt already.
struct ScheduleRow {
    scheduleitem item;
    bool handedToDone = false;
};
Q_DECLARE_TYPEINFO(ScheduleRow, Q_RELOCATABLE_TYPE);

// The schedule: a table in the order of its list lines, entry i shown as line i.
class ScheduleTable {
public:
    static constexpr int Capacity = 1001;

    [[nodiscard]] SortedLines &list() { return m_table; }
    [[nodiscard]] int ntschedule() const { return m_table.count(); }
    [[nodiscard]] const scheduleitem &at(int pos) const { return m_table.row(pos).item; }
    [[nodiscard]] bool isFull() const { return ntschedule() >= Capacity; }

    void removeAt(int pos);

    // A new entry, placed where the sorted list puts its line as it reads on that day; the
    // event text loses its commas. Nothing when the table is full. The entry keeps its
    // extra fields and sync identity (an imported or synced one).
    std::optional<int> add(scheduleitem item, QDate today);
    // A new entry typed in the program.
    std::optional<int> add(const QString &eventdate, const QString &eventtime,
                           const QString &eventinfo, QDate today);
    // The entry dialog's change: the entry at pos replaced by the one typed (its extra
    // fields gone, as ever) where the list places it; it stays the same appointment for
    // the sync folder.
    int change(int pos, const QString &eventdate, const QString &eventtime,
               const QString &eventinfo, QDate today);
    // The sync identity of the entry at pos; the file never holds it, so the table does
    // not count as changed.
    void setUid(int pos, const QString &uid);
    // The items of the sync folder that are each one event over several days, as the sync
    // names them after it binds the entries: a change to one of their days may be meant
    // for them all.
    void setSpanning(QSet<QString> uids) { m_spanning = std::move(uids); }
    // The rows of the days of the same event as the entry at pos, itself included, in
    // table order; empty when it is no day of such an event.
    [[nodiscard]] QList<int> daysOfEvent(int pos) const;
    // The change of one day made to every day of its event: the same text and time, each
    // day moved as far as that one; where the one at pos ends up.
    int changeEvent(int pos, const QString &eventdate, const QString &eventtime,
                    const QString &eventinfo, QDate today);
    // Every day of the event of the entry at pos taken away.
    void removeEvent(int pos);
    // Whether the entry's day is before today: the quit hands it to done.txt.
    [[nodiscard]] bool isPastAt(int pos, QDate today) const { return isPast(at(pos), today); }

    // Starts reading and cutting the file on another thread, for the loadSchedule of the
    // same path and day that follows.
    void readAhead(const QString &path, QDate today);
    // The list lines as they read on that day: a date without a year means another day in
    // a new year, and the list places it anew.
    void relist(QDate today);
    // Every line of schedule.txt, even beyond the capacity, so that a save loses none.
    TextFileRead loadSchedule(const QString &path, QDate today);
    // The file read again, whole, after another program changed it: the table is that.
    TextFileRead reload(const FileBytes &file, QDate today);

    // Whether an entry was added, removed or handed to done.txt since schedule.txt was read.
    [[nodiscard]] bool changedThisRun() const { return m_changed; }

    // Every entry not handed to done.txt yet, past ones included, as lines of the file.
    [[nodiscard]] QStringList fileLines() const;
    // The quit's writer, in two steps, done.txt first: should schedule.txt then fail, the
    // entries are not lost. Entries whose day is before today go to done.txt (date text,
    // then event text) instead of schedule.txt. An entry handed over once is never handed
    // over again, so a second attempt after a failure does not repeat it.
    WriteResult handPastToDone(const QString &donePath, QDate today);
    // Then schedule.txt without the entries before today.
    [[nodiscard]] QStringList upcomingLines(QDate today) const;

    // The reminder lines of the entries on that day, in table order: the time as stored,
    // two blanks, the text. A date that cannot be read matches no day; a date without a
    // year is in today's year.
    [[nodiscard]] QStringList reminderLines(QDate day, QDate today) const;

private:
    // Puts the entry where the sorted list places its line, the item at the same position.
    int insertSorted(const scheduleitem &item, QDate today);
    // The entries of a file in its order, with their list lines as shown on that day.
    struct Read {
        TextFileRead text;
        QDate today;
        QList<ScheduleRow> rows;
        QStringList lines;
        QList<qsizetype> order; // listOrder of the lines
    };
    static Read cut(const FileBytes &file, QDate today);
    [[nodiscard]] bool isPast(const scheduleitem &item, QDate today) const;

    SortedTable<ScheduleRow> m_table;
    ReadAhead<Read> m_ahead;
    bool m_changed = false;
    QSet<QString> m_spanning;
};
