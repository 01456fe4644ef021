// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "syncreport.h"
#include "syncstate.h"

#include <QDate>
#include <QDateTime>
#include <QSet>
#include <QTimeZone>

class PhoneBook;
class RepeatTable;
class ScheduleTable;
class SyncTable;

// The schedule and the phone book kept in step with a vdir: a folder that a sync program
// (vdirsyncer) keeps in step with a calendar and an address book server, one file an
// item, `calendar/*.ics` and `contacts/*.vcf`. The data files stay as they are; which
// entry is which item lives in the state file `.kibanu-state` beside the two folders.
class VdirSync {
public:
    // An empty root: no sync.
    explicit VdirSync(const QString &root = {});
    [[nodiscard]] bool isOn() const { return !m_root.isEmpty(); }
    [[nodiscard]] QString root() const { return m_root; }

    // The start, right after each loader: what changed in the folder since the last sync
    // comes into the table, and every entry learns its item.
    // With `series` (repeat.txt, once read), an item whose rule one of its rules says
    // comes in as a series there; without (it could not be read), the items of its series
    // are left as they are.
    void mergeSchedule(ScheduleTable &table, RepeatTable *series, QDate today, const QTimeZone &zone);
    void mergeSchedule(ScheduleTable &table, QDate today, const QTimeZone &zone)
    {
        mergeSchedule(table, nullptr, today, zone);
    }
    void mergePhoneBook(PhoneBook &book);
    // After a file was read again (another program changed it): the entries learn their
    // items again from what the last sync knew; the folder is not read.
    void rebindSchedule(ScheduleTable &table, RepeatTable *series = nullptr);
    void rebindPhoneBook(PhoneBook &book);

    // The quit, after schedule.txt and tel.txt are written: each entry into its item
    // (new ones as new items, those taken away deleted, unchanged ones untouched), then
    // the state. Entries before today are gone to done.txt and leave the folder. A table
    // whose file was not written (it could not be read) is left out.
    void write(ScheduleTable &table, RepeatTable *series, PhoneBook &book, QDate today,
               const QTimeZone &zone, const QDateTime &stamp, bool calendar = true,
               bool contacts = true);
    void write(ScheduleTable &table, PhoneBook &book, QDate today, const QTimeZone &zone,
               const QDateTime &stamp, bool calendar = true, bool contacts = true)
    {
        write(table, nullptr, book, today, zone, stamp, calendar, contacts);
    }

    // What the user is to be told since the last call, once each: items skipped, entries
    // doubled, a folder that cannot be used.
    [[nodiscard]] SyncReport takeReport();

    // How many item files the last write wrote and deleted.
    struct Counts {
        int written = 0;
        int deleted = 0;
    };
    [[nodiscard]] Counts lastWrite() const { return m_counts; }

    static constexpr const char *StateName = ".kibanu-state";

private:
    bool ready();
    [[nodiscard]] QString folderPath(SyncKind kind) const;
    [[nodiscard]] QString statePath() const;
    QList<syncmerge::Record> &records(SyncKind kind);
    void fail(const SyncFailure &failure);
    void merge(SyncTable &table, const QStringList &leftAlone = {});
    void rebind(SyncTable &table);
    bool writeFolder(SyncTable &table, const QSet<QString> &leftAlone = {});
    // The items of series when repeat.txt is not there to hold them.
    [[nodiscard]] QSet<QString> seriesItems(const RepeatTable *series) const;
    void writeState();
    // The calendar items that are each one event over several days.
    [[nodiscard]] QSet<QString> spanningItems() const;

    QString m_root;
    bool m_stateRead = false;
    bool m_broken = false; // said once; nothing more is done with the folder this run
    bool m_stateChanged = false;
    syncstate::State m_state;
    SyncReport m_report;
    Counts m_counts;
};
