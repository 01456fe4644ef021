// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "vdirsync.h"

#include "phonebook/phonebook.h"
#include "phonebook/phonecards.h"
#include "schedule/schedulecalendar.h"
#include "schedule/scheduletable.h"
#include "text/narrow.h"
#include "text/textfile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QSet>

#include <sys/stat.h>

#include <algorithm>
#include <functional>

namespace {

QByteArray sha(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha1);
}

// The loaders narrow what they read (full-width letters, digits and katakana to half
// width): an entry is hashed as its file gives it back.
QByteArray shaOf(const QStringList &fields)
{
    return sha(narrow(fields.join(QChar(0x1f))).toUtf8());
}

syncmerge::Entry entryOf(const scheduleitem &e)
{
    return {shaOf({e.eventinfo, e.eventdate, e.eventtime, e.extra1, e.extra2, e.extra3}),
            shaOf({e.eventinfo}), shaOf({e.eventdate, e.eventtime})};
}

syncmerge::Entry entryOf(const phoneentry &e)
{
    QStringList fields{e.index, e.name, e.keys};
    for (int j = 0; j < std::clamp<int>(e.numphone, 0, phoneentry::MaxPairs); ++j)
        fields << e.phonetype.at(j) << e.phonenumber.at(j);
    return {shaOf(fields), shaOf({e.index}), shaOf({e.name})};
}

struct FileItem {
    QString file;
    QByteArray stamp;
};

// The file's size, time of change (to the nanosecond) and inode: a sync program that
// rewrites an item changes them, so an item with the stamp it had is not read again.
QByteArray stampOf(const QString &path)
{
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return {};
    return QByteArray::number(qint64(st.st_size)) + '-' + QByteArray::number(qint64(st.st_mtim.tv_sec))
           + '.' + QByteArray::number(qint64(st.st_mtim.tv_nsec)) + '-'
           + QByteArray::number(quint64(st.st_ino));
}

// The items of a collection folder by name, with their stamps.
QList<FileItem> readFolder(const QString &path, const QString &ext)
{
    QList<FileItem> items;
    const QDir dir(path);
    const QStringList names = dir.entryList({u'*' + ext}, QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
    items.reserve(names.size());
    for (const QString &name : names)
        items.append({name, stampOf(dir.filePath(name))});
    return items;
}

// The characters the sync program keeps in a file name; a UID with others gets a name of
// its own.
bool nameSafe(const QString &uid)
{
    return std::all_of(uid.cbegin(), uid.cend(), [](QChar c) {
        return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9')
               || c == u'_' || c == u'.' || c == u'-' || c == u'+';
    });
}

// An item read anew: its UID, its entries, or why it is skipped.
template<typename E>
struct Parsed {
    QString uid;
    QList<E> entries;
    bool series = false;
    QString problem;
};

// What a merge brings: the items as the merge sees them, the entries of those read anew,
// and the files skipped.
template<typename E>
struct Seen {
    QList<syncmerge::Item> items;
    QHash<QString, QList<E>> entries;
    QStringList unread;  // UIDs known but skipped now
    QStringList skipped; // file names, each with the reason
};

template<typename E>
Seen<E> look(const QString &dir, const QList<FileItem> &files, const QList<syncmerge::Record> &records,
             const QString &ext, const std::function<Parsed<E>(const QByteArray &)> &parse)
{
    Seen<E> seen;
    QHash<QString, const syncmerge::Record *> byFile;
    for (const syncmerge::Record &r : records)
        if (!byFile.contains(r.file))
            byFile.insert(r.file, &r);
    QHash<QString, QStringList> filesOfUid;
    QList<syncmerge::Item> all;
    for (const FileItem &f : files) {
        const syncmerge::Record *known = byFile.value(f.file);
        if (known && !f.stamp.isEmpty() && known->stamp == f.stamp) {
            // As the last sync left it: nothing to read.
            all.append({known->uid, f.file, known->itemHash, {}, known->series, f.stamp});
            filesOfUid[known->uid].append(f.file);
            continue;
        }
        const FileBytes file = readFileBytes(QDir(dir).filePath(f.file));
        if (!file.exists)
            continue; // taken away meanwhile
        if (!file.ok) {
            seen.skipped.append(f.file + QStringLiteral("（") + file.error + QStringLiteral("）"));
            if (known)
                seen.unread.append(known->uid);
            continue;
        }
        const QByteArray hash = sha(file.bytes);
        if (known && known->itemHash == hash) {
            all.append({known->uid, f.file, hash, {}, known->series, f.stamp});
            filesOfUid[known->uid].append(f.file);
            continue;
        }
        Parsed<E> parsed = parse(file.bytes);
        if (parsed.problem.isEmpty() && nameSafe(parsed.uid) && f.file != parsed.uid + ext)
            parsed.problem = QStringLiteral("ファイル名が UID と違います");
        if (!parsed.problem.isEmpty()) {
            seen.skipped.append(f.file + QStringLiteral("（") + parsed.problem + QStringLiteral("）"));
            if (known)
                seen.unread.append(known->uid);
            continue;
        }
        syncmerge::Item item{parsed.uid, f.file, hash, {}, parsed.series, f.stamp};
        for (const E &e : std::as_const(parsed.entries))
            item.entries.append(entryOf(e));
        all.append(item);
        seen.entries.insert(parsed.uid, parsed.entries);
        filesOfUid[parsed.uid].append(f.file);
    }
    for (const syncmerge::Item &item : std::as_const(all)) {
        const QStringList &sharing = filesOfUid.value(item.uid);
        if (sharing.size() == 1) {
            seen.items.append(item);
            continue;
        }
        QStringList others = sharing;
        others.removeAll(item.file);
        seen.skipped.append(item.file + QStringLiteral("（UID が %1 と同じです）").arg(others.join(u'、')));
        if (!seen.unread.contains(item.uid))
            seen.unread.append(item.uid);
    }
    return seen;
}

QString listOf(const QStringList &names)
{
    return names.join(QLatin1Char('\n'));
}

} // namespace

VdirSync::VdirSync(const QString &root) : m_root(root) {}

QString VdirSync::folderOf(const QString &setting, const QString &base)
{
    QString folder = setting;
    if (folder == u"~" || folder.startsWith(QLatin1String("~/")))
        folder = QDir::homePath() + folder.mid(1);
    if (!folder.isEmpty() && !base.isEmpty())
        folder = QDir(base).absoluteFilePath(folder);
    return folder;
}

QString VdirSync::folderPath(Kind kind) const
{
    return QDir(m_root).filePath(kind == Kind::Calendar ? QStringLiteral("calendar")
                                                        : QStringLiteral("contacts"));
}

QList<syncmerge::Record> &VdirSync::records(Kind kind)
{
    return kind == Kind::Calendar ? m_state.calendar : m_state.contacts;
}

void VdirSync::fail(const QString &message)
{
    if (!m_broken)
        m_messages.append(message + QStringLiteral("\n\n今回は同期を行いません。データのファイルはいつも通り保存します。"));
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
        fail(QStringLiteral("同期フォルダ %1 がありません。").arg(QDir::toNativeSeparators(m_root)));
        return false;
    }
    if (!root.isReadable()) {
        fail(QStringLiteral("同期フォルダ %1 を読めません。").arg(QDir::toNativeSeparators(m_root)));
        return false;
    }
    const syncstate::ReadResult read = syncstate::read(QDir(m_root).filePath(QLatin1String(StateName)));
    if (!read.error.isEmpty()) {
        // Without it every item counts as new; entries already here take theirs.
        m_messages.append(QStringLiteral("同期の記録を読めませんでした。\n%1\n\n"
                                         "同期フォルダの項目を新しいものとして照らし合わせます。")
                              .arg(read.error));
        m_stateChanged = true;
    }
    m_state = read.state;
    m_stateRead = true;
    return true;
}

namespace {

// The items of one folder for a merge, or nothing when the folder cannot be used now.
std::optional<QList<FileItem>> folderItems(const QString &path, const QString &ext,
                                           const QList<syncmerge::Record> &records,
                                           QStringList &messages)
{
    if (!QFileInfo(path).isDir()) {
        // Before the first sync there is none; after it, its items must not count as gone.
        if (!records.isEmpty())
            messages.append(QStringLiteral("同期フォルダに %1 がありません。この同期は行いません。")
                                .arg(QDir::toNativeSeparators(path)));
        return std::nullopt;
    }
    return readFolder(path, ext);
}

// Every item the records know, as the last sync left it.
QList<syncmerge::Item> itemsAsRecorded(const QList<syncmerge::Record> &records)
{
    QList<syncmerge::Item> items;
    QSet<QString> seen;
    for (const syncmerge::Record &r : records)
        if (!seen.contains(r.uid)) {
            seen.insert(r.uid);
            items.append({r.uid, r.file, r.itemHash, {}, r.series, r.stamp});
        }
    return items;
}

// The two tables alike for the merge.
int countOf(const ScheduleTable &table) { return table.ntschedule(); }
int countOf(const PhoneBook &book) { return book.ntphone(); }
void removeRow(ScheduleTable &table, int row) { table.removeAt(row); }
void removeRow(PhoneBook &book, int row) { book.deleteIndex(row); }

template<typename Table>
QList<syncmerge::Entry> entriesOf(const Table &table)
{
    QList<syncmerge::Entry> entries;
    entries.reserve(countOf(table));
    for (int i = 0; i < countOf(table); ++i)
        entries.append(entryOf(table.at(i)));
    return entries;
}

// Every entry learns its item, or that it has none.
template<typename Table>
void bindRows(Table &table, const QList<std::pair<int, QString>> &bound)
{
    for (int i = 0; i < countOf(table); ++i)
        table.setUid(i, QString());
    for (const auto &[row, uid] : bound)
        table.setUid(row, uid);
}

template<typename Table>
void removeRows(Table &table, QList<int> rows)
{
    std::sort(rows.begin(), rows.end(), std::greater<>());
    for (const int row : std::as_const(rows))
        removeRow(table, row);
}

template<typename Table>
void rebind(Table &table, const QList<syncmerge::Record> &records)
{
    bindRows(table, syncmerge::merge(entriesOf(table), itemsAsRecorded(records), records, {}).bind);
}

// An index the phone book takes for a card: the card's own, else one from its UID; with a
// number after it while another entry has it.
QString freeIndex(const PhoneBook &book, QString index, const QString &uid)
{
    if (index.isEmpty() || !isIndexText(narrow(index)))
        index = QStringLiteral("card") + QString::fromLatin1(sha(uid.toUtf8()).toHex().left(6));
    QString candidate = index;
    for (int n = 2; book.find(candidate); ++n)
        candidate = index + QString::number(n);
    return candidate;
}

} // namespace

void VdirSync::mergeSchedule(ScheduleTable &table, QDate today, const QTimeZone &zone)
{
    if (!ready())
        return;
    const QString ext = QStringLiteral(".ics");
    QStringList skipped;
    const auto files = folderItems(folderPath(Kind::Calendar), ext, m_state.calendar, m_messages);
    if (!files)
        return;
    const Seen<scheduleitem> seen = look<scheduleitem>(
        folderPath(Kind::Calendar), *files, m_state.calendar, ext, [&](const QByteArray &bytes) {
            Parsed<scheduleitem> p;
            const schedulecalendar::ReadResult read = schedulecalendar::read(bytes, today, zone);
            if (!read.error.isEmpty())
                p.problem = read.error;
            else if (read.uids.size() != 1 || read.uids.first().isEmpty())
                p.problem = QStringLiteral("予定がちょうど一つではありません");
            else if (read.unreadable > 0)
                p.problem = QStringLiteral("日時を読めません");
            p.uid = read.uids.value(0);
            p.entries = read.items;
            p.series = read.recurring;
            return p;
        });
    skipped += seen.skipped;

    syncmerge::Plan plan = syncmerge::merge(entriesOf(table), seen.items, m_state.calendar, seen.unread);
    bindRows(table, plan.bind);
    QStringList doubled;
    for (const auto &[row, uid] : std::as_const(plan.doubled))
        doubled.append(scheduleListLine(table.at(row).eventdate, table.at(row).eventtime,
                                        table.at(row).eventinfo, today));
    removeRows(table, plan.remove);
    QStringList leftOut;
    for (const QString &uid : std::as_const(plan.add)) {
        const QList<scheduleitem> items = seen.entries.value(uid);
        qsizetype taken = 0;
        for (scheduleitem item : items) {
            if (table.isFull())
                break;
            item.uid = uid;
            table.add(item, today);
            ++taken;
        }
        if (taken < items.size()) {
            // Not all in: the next start tries again.
            leftOut.append(items.value(taken).eventinfo);
            plan.records.removeIf([&uid](const syncmerge::Record &r) { return r.uid == uid; });
        }
    }
    if (plan.records != m_state.calendar)
        m_stateChanged = true;
    m_state.calendar = plan.records;
    if (!skipped.isEmpty())
        m_messages.append(QStringLiteral("同期フォルダの次の予定は読み込みませんでした。\n%1").arg(listOf(skipped)));
    if (!doubled.isEmpty())
        m_messages.append(QStringLiteral("次の予定は、ここでも同期先でも変更されていたため、両方を残しました"
                                         "（同期先の版をもう一件として加えました）。\n%1")
                              .arg(listOf(doubled)));
    if (!leftOut.isEmpty())
        m_messages.append(QStringLiteral("予定表がいっぱい（%1 件）のため、同期フォルダの次の予定を加えられませんでした。\n%2")
                              .arg(ScheduleTable::Capacity)
                              .arg(listOf(leftOut)));
}

void VdirSync::mergePhoneBook(PhoneBook &book)
{
    if (!ready())
        return;
    const QString ext = QStringLiteral(".vcf");
    QStringList skipped;
    const auto files = folderItems(folderPath(Kind::Contacts), ext, m_state.contacts, m_messages);
    if (!files)
        return;
    const Seen<phoneentry> seen = look<phoneentry>(
        folderPath(Kind::Contacts), *files, m_state.contacts, ext, [](const QByteArray &bytes) {
            Parsed<phoneentry> p;
            const phonecards::ReadResult read = phonecards::read(bytes);
            if (!read.error.isEmpty())
                p.problem = read.error;
            else if (read.entries.size() != 1)
                p.problem = QStringLiteral("カードがちょうど一枚ではありません");
            else if (read.entries.first().uid.isEmpty())
                p.problem = QStringLiteral("UID がありません");
            else if (!read.entries.first().leftOutPairs.isEmpty())
                p.problem = QStringLiteral("番号が %1 組を超えています").arg(phoneentry::MaxPairs);
            if (p.problem.isEmpty()) {
                p.uid = read.entries.first().uid;
                p.entries.append(read.entries.first().entry);
            }
            return p;
        });
    skipped += seen.skipped;

    syncmerge::Plan plan = syncmerge::merge(entriesOf(book), seen.items, m_state.contacts, seen.unread);
    bindRows(book, plan.bind);
    QStringList doubled;
    for (const auto &[row, uid] : std::as_const(plan.doubled))
        doubled.append(book.at(row).index + u' ' + book.at(row).name);
    removeRows(book, plan.remove);
    QStringList leftOut;
    for (const QString &uid : std::as_const(plan.add)) {
        const QList<phoneentry> cards = seen.entries.value(uid);
        if (cards.isEmpty())
            continue;
        phoneentry entry = cards.first();
        if (book.isFull()) {
            leftOut.append(entry.name);
            plan.records.removeIf([&uid](const syncmerge::Record &r) { return r.uid == uid; });
            continue;
        }
        entry.index = freeIndex(book, entry.index, uid);
        entry.uid = uid;
        book.add(entry);
    }
    if (plan.records != m_state.contacts)
        m_stateChanged = true;
    m_state.contacts = plan.records;
    if (!skipped.isEmpty())
        m_messages.append(QStringLiteral("同期フォルダの次のカードは読み込みませんでした。\n%1").arg(listOf(skipped)));
    if (!doubled.isEmpty())
        m_messages.append(QStringLiteral("次の電話帳の項目は、ここでも同期先でも変更されていたため、両方を残しました"
                                         "（同期先の版をもう一件として加えました）。\n%1")
                              .arg(listOf(doubled)));
    if (!leftOut.isEmpty())
        m_messages.append(QStringLiteral("電話帳がいっぱい（%1 件）のため、同期フォルダの次のカードを加えられませんでした。\n%2")
                              .arg(PhoneBook::Capacity)
                              .arg(listOf(leftOut)));
}

void VdirSync::rebindSchedule(ScheduleTable &table)
{
    if (isOn() && !m_broken && m_stateRead)
        rebind(table, m_state.calendar);
}

void VdirSync::rebindPhoneBook(PhoneBook &book)
{
    if (isOn() && !m_broken && m_stateRead)
        rebind(book, m_state.contacts);
}

namespace {

// One table as the quit's write sees it.
struct Side {
    QString ext;
    int count = 0;
    std::function<bool(int)> included;
    std::function<const QString &(int)> uidAt;
    std::function<void(int, const QString &)> setUid;
    std::function<syncmerge::Entry(int)> entryAt;
    std::function<QByteArray(int, const QString &)> make; // empty: it cannot be an item
    std::function<QByteArray(int, const QByteArray &)> patch;
};

struct Written {
    QList<syncmerge::Record> records;
    VdirSync::Counts counts;
    QString error; // the first file that could not be written or deleted
};

Written writeFolder(const QString &dir, const Side &side, const QList<syncmerge::Record> &old)
{
    Written out;
    if (!QFileInfo(dir).isDir() && !QDir().mkpath(dir)) {
        out.error = QStringLiteral("%1 を作れません。").arg(QDir::toNativeSeparators(dir));
        return out;
    }
    QHash<QString, const syncmerge::Record *> byUid;
    QSet<QString> inUse;
    for (const syncmerge::Record &r : old) {
        byUid.insert(r.uid, &r);
        inUse.insert(r.uid);
    }
    QSet<QString> present;
    const auto put = [&](const QString &file, const QByteArray &bytes) {
        const WriteResult w = replaceFileBytes(QDir(dir).filePath(file), bytes);
        if (!w.ok && out.error.isEmpty())
            out.error = file + QStringLiteral("（") + w.error + QStringLiteral("）");
        if (w.ok)
            ++out.counts.written;
        return w.ok;
    };
    for (int i = 0; i < side.count && out.error.isEmpty(); ++i) {
        if (!side.included(i))
            continue;
        const syncmerge::Entry entry = side.entryAt(i);
        const QString uid = side.uidAt(i);
        const syncmerge::Record *record = uid.isEmpty() ? nullptr : byUid.value(uid);
        if (record && record->series) {
            present.insert(uid); // a series is the server's: its entries here stay here
            continue;
        }

        if (record && record->entryHash == entry.hash) {
            out.records.append(*record);
            present.insert(uid);
            continue;
        }
        if (record) {
            const FileBytes now = readFileBytes(QDir(dir).filePath(record->file));
            // Changed in the folder since the start (a sync run by hand): it stays as it
            // is, and this entry becomes an item of its own; the next start has both.
            if (now.exists && now.ok && sha(now.bytes) == record->itemHash) {
                QByteArray bytes = side.patch(i, now.bytes);
                if (bytes.isEmpty())
                    bytes = side.make(i, uid);
                if (!bytes.isEmpty()) {
                    if (!put(record->file, bytes))
                        break;
                    out.records.append({uid, record->file, sha(bytes), entry.hash, entry.keyA,
                                        entry.keyB, false, stampOf(QDir(dir).filePath(record->file))});
                    present.insert(uid);
                    continue;
                }
            }
        }
        // A new item, named after the entry, so a quit that ends before the state is
        // written leaves an item the next start knows by its content.
        const QString base = QStringLiteral("kibanu-") + QString::fromLatin1(entry.hash.toHex().left(32));
        QString fresh = base;
        for (int n = 2; inUse.contains(fresh) || QFileInfo::exists(QDir(dir).filePath(fresh + side.ext)); ++n)
            fresh = base + u'-' + QString::number(n);
        const QByteArray bytes = side.make(i, fresh);
        if (bytes.isEmpty()) {
            side.setUid(i, QString()); // a date that cannot be read: kept here only
            continue;
        }
        if (!put(fresh + side.ext, bytes))
            break;
        inUse.insert(fresh);
        present.insert(fresh);
        side.setUid(i, fresh);
        out.records.append({fresh, fresh + side.ext, sha(bytes), entry.hash, entry.keyA, entry.keyB,
                            false, stampOf(QDir(dir).filePath(fresh + side.ext))});
    }
    if (!out.error.isEmpty())
        return out;
    for (const syncmerge::Record &r : old) {
        if (r.series) {
            out.records.append(r);
            continue;
        }
        if (present.contains(r.uid))
            continue;
        // Taken away here: its item goes, unless it changed in the folder since.
        const QString path = QDir(dir).filePath(r.file);
        const FileBytes now = readFileBytes(path);
        if (!now.exists || !now.ok || sha(now.bytes) != r.itemHash)
            continue;
        if (!QFile::remove(path)) {
            out.error = r.file + QStringLiteral("（削除できません）");
            return out;
        }
        ++out.counts.deleted;
    }
    return out;
}

} // namespace

void VdirSync::write(ScheduleTable &table, PhoneBook &book, QDate today, const QTimeZone &zone,
                     const QDateTime &stamp, bool calendarToo, bool contactsToo)
{
    m_counts = {};
    if (!ready())
        return;
    Side calendar{QStringLiteral(".ics"),
                  table.ntschedule(),
                  [&](int i) { return !table.isPastAt(i, today); },
                  [&](int i) -> const QString & { return table.at(i).uid; },
                  [&](int i, const QString &uid) { table.setUid(i, uid); },
                  [&](int i) { return entryOf(table.at(i)); },
                  [&](int i, const QString &uid) {
                      return schedulecalendar::item(table.at(i), uid, today, zone, stamp);
                  },
                  [&](int i, const QByteArray &original) {
                      return schedulecalendar::patch(original, table.at(i), today, zone, stamp);
                  }};
    Side contacts{QStringLiteral(".vcf"),
                  book.ntphone(),
                  [](int) { return true; },
                  [&](int i) -> const QString & { return book.at(i).uid; },
                  [&](int i, const QString &uid) { book.setUid(i, uid); },
                  [&](int i) { return entryOf(book.at(i)); },
                  [&](int i, const QString &uid) { return phonecards::card(book.at(i), uid); },
                  [&](int i, const QByteArray &original) { return phonecards::patch(original, book.at(i)); }};
    for (const Kind kind : {Kind::Calendar, Kind::Contacts}) {
        if (!(kind == Kind::Calendar ? calendarToo : contactsToo))
            continue;
        const Written w = writeFolder(folderPath(kind), kind == Kind::Calendar ? calendar : contacts,
                                      records(kind));
        m_counts.written += w.counts.written;
        m_counts.deleted += w.counts.deleted;
        if (!w.error.isEmpty()) {
            // The state stays as it was: the next start knows the items written by content.
            fail(QStringLiteral("同期フォルダに書き込めませんでした。\n%1").arg(w.error));
            return;
        }
        if (w.records != records(kind))
            m_stateChanged = true;
        records(kind) = w.records;
    }
    if (!m_stateChanged)
        return;
    const WriteResult state = replaceFileBytes(QDir(m_root).filePath(QLatin1String(StateName)),
                                               syncstate::bytes(m_state));
    if (!state.ok)
        fail(QStringLiteral("同期の記録を書き込めませんでした。\n%1").arg(state.error));
    else
        m_stateChanged = false;
}

QStringList VdirSync::takeMessages()
{
    return std::exchange(m_messages, {});
}
