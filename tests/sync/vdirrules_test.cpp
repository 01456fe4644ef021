// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Series of repeat.txt against a sync folder when repeat.txt cannot be read for a run, and
// when both sides changed a series between two syncs.
#include "app/syncmessages.h"
#include "common/saving.h"
#include "common/testfiles.h"
#include "phonebook/phonebook.h"
#include "schedule/repeattable.h"
#include "schedule/scheduletable.h"
#include "sync/vdirsync.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QDate today(2026, 12, 9);
const QDateTime stamp(today, QTime(9, 0), QTimeZone::utc());
const QTimeZone tokyo("Asia/Tokyo");

// A run of the program: the schedule and, unless it cannot be read, repeat.txt as
// `repeatLines` holds it; `edit` between the start and the quit.
struct Folder {
    QTemporaryDir vdir;
    QTemporaryDir data;
    QString repeatLines;

    template<typename Edit>
    void run(bool repeatReadable, Edit edit)
    {
        ScheduleTable schedule;
        RepeatTable repeats;
        PhoneBook book;
        VdirSync sync(vdir.path());
        const QString scheduleFile = data.filePath(QStringLiteral("schedule.txt"));
        schedule.loadSchedule(scheduleFile, today);
        repeats.reload(repeatLines);
        RepeatTable *series = repeatReadable ? &repeats : nullptr;
        sync.mergeSchedule(schedule, series, today, tokyo);
        EXPECT_TRUE(syncMessages(sync.takeReport()).isEmpty());
        edit(schedule, repeats);
        EXPECT_TRUE(saveAsTheQuit(scheduleFile, schedule.upcomingLines(today)).ok);
        if (repeatReadable)
            repeatLines = repeats.fileLines().join(u"\r\n");
        sync.write(schedule, series, book, today, tokyo, stamp, true, false);
        EXPECT_TRUE(syncMessages(sync.takeReport()).isEmpty());
    }
    QStringList items() const { return QDir(vdir.path() + "/calendar").entryList(QDir::Files); }
    QByteArray item() const { return readBytes(vdir.path() + "/calendar/" + items().value(0)); }
};

const repeatitem yoga{QStringLiteral("ヨガ"), QStringLiteral("2026/12/10"), QStringLiteral("19:00"),
                      QStringLiteral("毎週"), {}, {}, {}, {}, {}};

} // namespace

TEST(VdirRules, aSeriesItemIsLeftAsItIsWhileRepeatTxtCannotBeRead)
{
    Folder f;
    f.run(true, [](ScheduleTable &, RepeatTable &r) { r.add(yoga); });
    ASSERT_EQ(f.items().size(), 1);
    const QByteArray written = f.item();
    EXPECT_TRUE(written.contains("RRULE:FREQ=WEEKLY"));

    // Changed on the server meanwhile; a run that cannot read repeat.txt neither takes
    // its days as appointments nor deletes the item.
    QByteArray changed = written;
    changed.replace("SUMMARY:ヨガ", "SUMMARY:ヨガ教室");
    writeBytes(f.vdir.path() + "/calendar/" + f.items().first(), changed);
    f.run(false, [](ScheduleTable &s, RepeatTable &) { EXPECT_EQ(s.ntschedule(), 0); });
    EXPECT_EQ(f.items().size(), 1);
    EXPECT_EQ(f.item(), changed);

    // Readable again: the server's change replaces the series, nothing doubled.
    f.run(true, [](ScheduleTable &s, RepeatTable &r) {
        EXPECT_EQ(s.ntschedule(), 0);
        ASSERT_EQ(r.count(), 1);
        EXPECT_EQ(r.at(0).eventinfo, QStringLiteral("ヨガ教室"));
    });
    EXPECT_EQ(f.item(), changed);
}

TEST(VdirRules, aSeriesChangedHereAndOnTheServerBecomesTwoAndNothingIsLost)
{
    Folder f;
    f.run(true, [](ScheduleTable &, RepeatTable &r) { r.add(yoga); });
    QByteArray changed = f.item();
    changed.replace("SUMMARY:ヨガ", "SUMMARY:ヨガ教室");
    writeBytes(f.vdir.path() + "/calendar/" + f.items().first(), changed);
    // The start has the server's change; then it changes in the folder again before the
    // quit (a sync run by hand) while this run changed the series too.
    f.run(true, [&f, &changed](ScheduleTable &, RepeatTable &r) {
        repeatitem mine = r.at(0);
        mine.eventtime = QStringLiteral("20:00");
        r.change(0, mine);
        changed.replace("SUMMARY:ヨガ教室", "SUMMARY:ヨガ（休み）");
        writeBytes(f.vdir.path() + "/calendar/" + f.items().first(), changed);
    });
    EXPECT_EQ(f.items().size(), 2); // the folder's stays, this run's is an item of its own
    f.run(true, [](ScheduleTable &, RepeatTable &r) {
        QStringList texts;
        for (int i = 0; i < r.count(); ++i)
            texts.append(r.at(i).eventinfo + u' ' + r.at(i).eventtime);
        texts.sort();
        EXPECT_EQ(texts.join(u'|').toStdString(), "ヨガ教室 20:00|ヨガ（休み） 19:00");
    });
}
