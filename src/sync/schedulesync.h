// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "synctable.h"

#include <QDate>
#include <QDateTime>
#include <QTimeZone>

class ScheduleTable;
struct scheduleitem;

// The schedule as the sync sees it: calendar/*.ics, one event (or one series) an item.
// The day and zone of the start or the quit, and the quit's stamp for what it writes.
class ScheduleSync final : public SyncTable {
public:
    ScheduleSync(ScheduleTable &table, QDate today, const QTimeZone &zone, const QDateTime &stamp);
    ~ScheduleSync() override;

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

private:
    [[nodiscard]] syncmerge::Entry entryOf(const scheduleitem &e) const;

    ScheduleTable &m_table;
    QDate m_today;
    QTimeZone m_zone;
    QDateTime m_stamp;
    QList<QList<scheduleitem>> m_read;
};
