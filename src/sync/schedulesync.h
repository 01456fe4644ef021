// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "synctable.h"

#include "schedule/repeatrule.h"
#include "schedule/scheduletable.h"

#include <QDate>
#include <QDateTime>
#include <QSet>
#include <QTimeZone>

class RepeatTable;

// The schedule as the sync sees it: calendar/*.ics, one event (or one series) an item.
// The day and zone of the start or the quit, and the quit's stamp for what it writes.
// With the series of repeat.txt, their rows follow the schedule's, and an item whose rule
// one of theirs says is a series there, its changed days entries of the schedule.
class ScheduleSync final : public SyncTable {
public:
    ScheduleSync(ScheduleTable &table, QDate today, const QTimeZone &zone, const QDateTime &stamp,
                 RepeatTable *series = nullptr);
    ~ScheduleSync() override;

    // Entries of items held by series that are not here now (repeat.txt could not be
    // read): left out of the folder, which keeps them as they are.
    void leaveAlone(QSet<QString> uids) { m_elsewhere = std::move(uids); }

    [[nodiscard]] SyncKind kind() const override { return SyncKind::Calendar; }
    [[nodiscard]] QString extension() const override;
    [[nodiscard]] int count() const override;
    [[nodiscard]] syncmerge::Entry entryAt(int row) const override;
    [[nodiscard]] QString uidAt(int row) const override;
    void setUid(int row, const QString &uid) override;
    void removeAt(int row) override;
    [[nodiscard]] QString lineAt(int row) const override;
    ReadItem read(const QByteArray &bytes) override;
    std::optional<QString> add(qsizetype held, const QString &uid) override;
    [[nodiscard]] bool belongsInFolder(int row) const override;
    [[nodiscard]] QByteArray item(int row, const QString &uid) const override;
    [[nodiscard]] QByteArray patch(int row, const QByteArray &original) const override;
    [[nodiscard]] QByteArray patchEvent(const QList<int> &rows, const QByteArray &original) const override;
    [[nodiscard]] QByteArray patchOccurrence(const QByteArray &original, const QByteArray &was,
                                             int row) const override;
    [[nodiscard]] bool holdsRule(int row) const override;
    [[nodiscard]] RuleItem ruleItem(int row, const QList<int> &days, const QString &uid) const override;
    [[nodiscard]] RuleItem patchRule(const QByteArray &original, int row,
                                     const QList<int> &days) const override;

private:
    // An item read at the start: its entries, and its series if one of repeat.txt's.
    struct Held {
        QList<scheduleitem> items;
        std::optional<repeatitem> series;
    };

    [[nodiscard]] syncmerge::Entry entryOf(const scheduleitem &e) const;
    [[nodiscard]] syncmerge::Entry entryOf(const repeatitem &s) const;
    [[nodiscard]] int seriesRow(int row) const; // the row in repeat.txt; -1 for the schedule's
    [[nodiscard]] QList<scheduleitem> daysAt(const QList<int> &rows) const;

    ScheduleTable &m_table;
    RepeatTable *m_series;
    QDate m_today;
    QTimeZone m_zone;
    QDateTime m_stamp;
    QList<Held> m_read;
    QSet<QString> m_elsewhere;
};
