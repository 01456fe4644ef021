// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QList>
#include <QSet>
#include <QString>

#include <optional>

class RepeatTable;
class ScheduleTable;

// When the appointments of the schedule are announced while the program runs: each one
// with a time, a lead of minutes before that time, once. Worked out from the table as it
// is at each look, so an entry added, changed or removed counts at once, and from the
// moment given, so a clock that jumped (a laptop waking) announces what fell due only once.
class Reminders {
public:
    static constexpr int DefaultLead = 10;
    static constexpr int MostLead = 1440;

    struct Announcement {
        QDateTime start;  // the appointment's moment
        QString line;     // "hh:mm 用件": the time as the list shows it, then the text
        QString key;      // the appointment as it is now: its moment and text
        QString body;     // "あと N 分", or "まもなく" in its last minute
    };
    // What an announcement says at that moment: the minutes left, "まもなく" in the last
    // minute and its own, then the time it was for ("23:59 の予定です").
    [[nodiscard]] static QString bodyAt(const QDateTime &start, const QDateTime &now);

    // The series whose days with a time are announced too, as single entries are.
    void setSeries(const RepeatTable *series) { m_series = series; }

    // Minutes before the time; a value out of 0..MostLead takes the default.
    void setLead(int minutes);
    [[nodiscard]] int lead() const { return m_lead; }

    // Those due by now and not yet announced: from `lead` minutes before their time until
    // their time has passed by a minute (a timer may be late). An appointment begun before
    // that is the today window's. A date or time that cannot be read is no appointment.
    QList<Announcement> takeDue(const ScheduleTable &table, const QDateTime &now);
    // The first moment after now at which one falls due; nothing while none will.
    [[nodiscard]] std::optional<QDateTime> nextDue(const ScheduleTable &table,
                                                   const QDateTime &now) const;
    // "5分後にもう一度": announced again at that moment, while it has not begun.
    void snooze(const Announcement &announcement, const QDateTime &at);

    // Where the announced appointment stands in the table now, or -1 when it went away.
    [[nodiscard]] static int rowOf(const ScheduleTable &table, const Announcement &announcement,
                                   QDate today);
    // The series whose day the announcement is, or -1.
    [[nodiscard]] static int seriesRowOf(const RepeatTable &series, const Announcement &announcement);

private:
    struct Pending {
        QDateTime due;
        Announcement announcement;
    };
    [[nodiscard]] QList<Pending> pending(const ScheduleTable &table, const QDateTime &now) const;
    // The series' days of today and tomorrow: a lead reaches a day ahead at most.
    [[nodiscard]] QList<Announcement> seriesDays(QDate today) const;

    int m_lead = DefaultLead;
    QSet<QString> m_announced;
    QList<Pending> m_snoozed;
    const RepeatTable *m_series = nullptr;
};
