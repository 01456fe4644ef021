// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "vdirsync.h"

#include "phonebooksync.h"
#include "schedulesync.h"
#include "schedule/scheduletable.h"
#include "vdirfolder.h"
#include "text/textfile.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace {

// Every item the records know, as the last sync left it.
QList<syncmerge::Item> itemsAsRecorded(const QList<syncmerge::Record> &records)
{
    QList<syncmerge::Item> items;
    QSet<QString> seen;
    for (const syncmerge::Record &r : records)
        if (!seen.contains(r.uid)) {
            seen.insert(r.uid);
            items.append({r.uid, r.file, r.itemHash, {}, r.series, r.stamp, r.spans, r.rule});
        }
    return items;
}

} // namespace

VdirSync::VdirSync(const QString &root) : m_root(root) {}

QString VdirSync::folderPath(SyncKind kind) const
{
    return QDir(m_root).filePath(kind == SyncKind::Calendar ? QStringLiteral("calendar")
                                                            : QStringLiteral("contacts"));
}

QString VdirSync::statePath() const
{
    return QDir(m_root).filePath(QLatin1String(StateName));
}

QList<syncmerge::Record> &VdirSync::records(SyncKind kind)
{
    return kind == SyncKind::Calendar ? m_state.calendar : m_state.contacts;
}

void VdirSync::fail(const SyncFailure &failure)
{
    if (!m_broken)
        m_report.failure = failure;
    m_broken = true;
}

bool VdirSync::ready()
{
    if (!isOn() || m_broken)
        return false;
    if (m_stateRead)
        return true;
    const QFileInfo root(m_root);
    if (!root.isDir()) {
        fail({SyncFailure::Why::NoFolder, m_root, {}});
        return false;
    }
    if (!root.isReadable()) {
        fail({SyncFailure::Why::FolderUnreadable, m_root, {}});
        return false;
    }
    syncstate::ReadResult read = syncstate::read(statePath());
    if (read.problem) {
        // Without it every item counts as new; entries already here take theirs.
        m_report.state = read.problem;
        m_stateChanged = true;
    }
    m_state = std::move(read.state);
    m_stateRead = true;
    return true;
}

void VdirSync::merge(SyncTable &table, const QStringList &leftAlone)
{
    if (!ready())
        return;
    const QString dir = folderPath(table.kind());
    QList<syncmerge::Record> &known = records(table.kind());
    TableReport report{table.kind(), {}, {}, {}, {}, {}, {}};
    if (!QFileInfo(dir).isDir()) {
        // Before the first sync there is none; after it, its items must not count as gone.
        if (!known.isEmpty()) {
            report.missingFolder = dir;
            m_report.tables.append(report);
        }
        return;
    }
    const vdirfolder::Scan scan = vdirfolder::scanItems(dir, table, known);
    report.skipped = scan.skipped;
    syncmerge::Plan plan = syncmerge::merge(table.entries(), scan.items, known, scan.unread + leftAlone);
    table.bind(plan.bind);
    for (const auto &[row, uid] : std::as_const(plan.doubled))
        report.doubled.append(table.lineAt(row));
    table.removeRows(plan.remove);
    for (const QString &uid : std::as_const(plan.add)) {
        if (const std::optional<QString> leftOut = table.add(scan.held.value(uid, -1), uid)) {
            // Not all in: the next start tries again.
            report.leftOut.append(*leftOut);
            plan.records.removeIf([&uid](const syncmerge::Record &r) { return r.uid == uid; });
        }
    }
    report.pairsLeftOut = table.takePairsLeftOut();
    if (plan.records != known)
        m_stateChanged = true;
    known = plan.records;
    if (!report.skipped.isEmpty() || !report.doubled.isEmpty() || !report.leftOut.isEmpty()
        || !report.pairsLeftOut.isEmpty())
        m_report.tables.append(report);
}

void VdirSync::mergeSchedule(ScheduleTable &table, RepeatTable *series, QDate today,
                             const QTimeZone &zone)
{
    ScheduleSync schedule(table, today, zone, {}, series);
    if (ready()) // the state read, to know the series' items
        merge(schedule, seriesItems(series).values());
    table.setSpanning(spanningItems());
}

QSet<QString> VdirSync::seriesItems(const RepeatTable *series) const
{
    QSet<QString> uids;
    if (!series)
        for (const syncmerge::Record &r : m_state.calendar)
            if (r.rule)
                uids.insert(r.uid);
    return uids;
}

QSet<QString> VdirSync::spanningItems() const
{
    QSet<QString> uids;
    for (const syncmerge::Record &r : m_state.calendar)
        if (r.spans)
            uids.insert(r.uid);
    return uids;
}

void VdirSync::mergePhoneBook(PhoneBook &book)
{
    PhoneBookSync contacts(book);
    merge(contacts);
}

void VdirSync::rebind(SyncTable &table)
{
    if (!isOn() || m_broken || !m_stateRead)
        return;
    const QList<syncmerge::Record> &known = records(table.kind());
    table.bind(syncmerge::merge(table.entries(), itemsAsRecorded(known), known, {}).bind);
}

void VdirSync::rebindSchedule(ScheduleTable &table, RepeatTable *series)
{
    ScheduleSync schedule(table, {}, {}, {}, series);
    rebind(schedule);
    table.setSpanning(spanningItems());
}

void VdirSync::rebindPhoneBook(PhoneBook &book)
{
    PhoneBookSync contacts(book);
    rebind(contacts);
}

// False when the folder failed: the state stays as it was, and the next start knows the
// items written by their content.
bool VdirSync::writeFolder(SyncTable &table, const QSet<QString> &leftAlone)
{
    const QString dir = folderPath(table.kind());
    QList<syncmerge::Record> &known = records(table.kind());
    QList<syncmerge::Record> aside;
    QList<syncmerge::Record> others;
    for (const syncmerge::Record &r : std::as_const(known))
        (leftAlone.contains(r.uid) ? aside : others).append(r);
    vdirfolder::Written w = vdirfolder::writeChanged(dir, table, others);
    if (!w.failure)
        vdirfolder::deleteGone(dir, others, w);
    w.records.append(aside);
    m_counts.written += w.written;
    m_counts.deleted += w.deleted;
    if (!w.keptHere.isEmpty() || !w.notDeleted.isEmpty())
        m_report.tables.append(TableReport{table.kind(), {}, {}, {}, {}, w.keptHere, w.notDeleted});
    if (w.failure) {
        fail(*w.failure);
        return false;
    }
    if (w.records != known)
        m_stateChanged = true;
    known = w.records;
    return true;
}

void VdirSync::writeState()
{
    if (!m_stateChanged)
        return;
    const WriteResult state = replaceFileBytes(statePath(), syncstate::bytes(m_state));
    if (!state.ok)
        fail({SyncFailure::Why::StateNotWritten, {}, state.error});
    else
        m_stateChanged = false;
}

void VdirSync::write(ScheduleTable &table, RepeatTable *series, PhoneBook &book, QDate today,
                     const QTimeZone &zone, const QDateTime &stamp, bool calendarToo,
                     bool contactsToo)
{
    m_counts = {};
    if (!ready())
        return;
    ScheduleSync calendar(table, today, zone, stamp, series);
    const QSet<QString> aside = seriesItems(series);
    calendar.leaveAlone(aside);
    PhoneBookSync contacts(book);
    if (calendarToo && !writeFolder(calendar, aside))
        return;
    if (contactsToo && !writeFolder(contacts))
        return;
    writeState();
}

SyncReport VdirSync::takeReport()
{
    return std::exchange(m_report, {});
}
