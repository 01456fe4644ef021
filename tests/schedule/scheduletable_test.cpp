// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/saving.h"
#include "common/testfiles.h"
#include "schedule/scheduletable.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QDate today(2026, 12, 7);

class ScheduleFiles : public ::testing::Test {
protected:
    QString path(const char *name) const { return QDir(dir.path()).filePath(name); }
    void load(const QString &content)
    {
        writeBytes(path("schedule.txt"), sjis(content));
        ASSERT_EQ(table.loadSchedule(path("schedule.txt"), today).status, TextFileRead::Ok);
    }
    // Every list line beside its table entry, to check that they stay aligned.
    void expectAligned()
    {
        ASSERT_EQ(table.list().count(), table.ntschedule());
        for (int i = 0; i < table.ntschedule(); ++i) {
            const scheduleitem &item = table.at(i);
            EXPECT_EQ(table.list().at(i),
                      scheduleListLine(item.eventdate, item.eventtime, item.eventinfo, today))
                << i;
        }
    }
    // The quit's two steps, as the session runs them.
    WriteResult quitWrite()
    {
        const WriteResult done = table.handPastToDone(path("done.txt"), today);
        return done.ok ? saveAsTheQuit(path("schedule.txt"), table.upcomingLines(today)) : done;
    }
    QTemporaryDir dir;
    ScheduleTable table;
};

} // namespace

TEST(ScheduleListLine, showsDateTimeAndTextInColumns)
{
    EXPECT_EQ(scheduleListLine("2027/1/5", "9:30", "dentist", today),
              QStringLiteral("27/01/05  09:30  dentist"));
    EXPECT_EQ(scheduleListLine("1/5", "", "no time", today),
              QStringLiteral("26/01/05         no time"));
    // Only hand-edited files hold texts that cannot be read: they show as stored.
    EXPECT_EQ(scheduleListLine("next week", "noon", "x", today),
              QStringLiteral("next week  noon  x"));
    EXPECT_EQ(scheduleListLine("", "", "whole line", today),
              QStringLiteral("         whole line"));
}

TEST_F(ScheduleFiles, loadsAnyFieldCountNarrowedAndSorted)
{
    load(QString::fromUtf8("three,2027/1/5,10:00\r\n"
                           "seven,2026/12/24,,a,b,c,dropped\r\n"
                           "no comma at all\r\n"
                           "ﾃｽﾄ１２３,１２/２４,９:００，ｘ\r\n"));
    expectAligned();
    ASSERT_EQ(table.ntschedule(), 4);
    EXPECT_EQ(table.list().items(),
              QStringList({QStringLiteral("         no comma at all"),
                           QStringLiteral("26/12/24         seven"),
                           QString::fromUtf8("26/12/24  09:00  ﾃｽﾄ123"),
                           QStringLiteral("27/01/05  10:00  three")}));
    const scheduleitem &narrowed = table.at(2);
    EXPECT_EQ(narrowed.eventdate, QStringLiteral("12/24"));
    EXPECT_EQ(narrowed.eventtime, QStringLiteral("9:00"));
    EXPECT_EQ(narrowed.extra1, QStringLiteral("x")); // the full-width comma splits too
    EXPECT_EQ(table.at(1).extra3, QStringLiteral("c"));

    ASSERT_TRUE(saveAsTheQuit(path("schedule.txt"), table.fileLines()).ok);
    EXPECT_EQ(readBytes(path("schedule.txt")),
              sjis(QString::fromUtf8("no comma at all,,,,,\r\n"
                                     "seven,2026/12/24,,a,b,c\r\n"
                                     "ﾃｽﾄ123,12/24,9:00,x,,\r\n"
                                     "three,2027/1/5,10:00,,,\r\n")));
}

TEST_F(ScheduleFiles, insertionKeepsListAndTableAlignedThroughEqualLinesAndCenturies)
{
    table.add("99/5/1", "", "late", today);
    table.add("2000/5/1", "", "early", today);
    table.add("1/6", "8:00", "same", today);
    const int second = *table.add("01/06", "08:00", "same", today);
    table.add("1/6", "", "untimed", today);
    expectAligned();
    // Two-digit years sort as text: 2000 before 1999; equal lines keep their order.
    EXPECT_EQ(table.at(0).eventinfo, QStringLiteral("early"));
    EXPECT_EQ(table.at(4).eventinfo, QStringLiteral("late"));
    EXPECT_EQ(second, 2); // after the equal line inserted before it
    EXPECT_EQ(table.at(2).eventdate, QStringLiteral("1/6"));
    EXPECT_EQ(table.at(3).eventdate, QStringLiteral("01/06"));
    EXPECT_EQ(table.at(1).eventinfo, QStringLiteral("untimed"));

    table.removeAt(4);
    table.removeAt(0);
    expectAligned();
    EXPECT_EQ(table.ntschedule(), 3);
}

TEST_F(ScheduleFiles, commasInANewEventTextBecomeTouten)
{
    table.add("1/6", "8:00", QString::fromUtf8("a,b，c"), today);
    expectAligned();
    EXPECT_EQ(table.at(0).eventinfo, QString::fromUtf8("a、b、c"));
    ASSERT_TRUE(saveAsTheQuit(path("schedule.txt"), table.fileLines()).ok);
    EXPECT_EQ(readBytes(path("schedule.txt")).count(','), 5);
}

TEST_F(ScheduleFiles, quitMovesPastEntriesToTheDoneLogOnce)
{
    load(QString::fromUtf8("昨日,2026/12/6,9:00\r\n"
                           "today,2026/12/7,\r\n"
                           "no year,1/2,,x\r\n"
                           "hand-edited,someday,\r\n"
                           "old,97/3/3,\r\n"));
    writeBytes(path("done.txt"), "2026/12/01earlier\r\n");
    ASSERT_TRUE(quitWrite().ok);
    EXPECT_EQ(readBytes(path("schedule.txt")),
              QByteArray("today,2026/12/7,,,,\r\n"
                         "hand-edited,someday,,,,\r\n"));
    EXPECT_EQ(readBytes(path("done.txt")),
              sjis(QString::fromUtf8("2026/12/01earlier\r\n"
                                     "1/2no year\r\n"
                                     "2026/12/6昨日\r\n"
                                     "97/3/3old\r\n")));
    EXPECT_EQ(table.ntschedule(), 5); // the reminder still sees every entry

    // Tried again after a later step failed: nothing goes to done.txt twice.
    const QByteArray done = readBytes(path("done.txt"));
    ASSERT_TRUE(quitWrite().ok);
    EXPECT_EQ(readBytes(path("done.txt")), done);
}

TEST_F(ScheduleFiles, emptyScheduleWritesAnEmptyFile)
{
    ASSERT_TRUE(quitWrite().ok);
    EXPECT_EQ(readBytes(path("schedule.txt")), QByteArray());
    EXPECT_FALSE(QFile::exists(path("done.txt")));
}

TEST_F(ScheduleFiles, fullTableRefusesNewEntriesButLoadingKeepsEveryLine)
{
    QString content;
    for (int i = 0; i < 1003; ++i)
        content += QStringLiteral("e%1,2027/1/1,\r\n").arg(i, 4, 10, QLatin1Char('0'));
    load(content);
    EXPECT_EQ(table.ntschedule(), 1003);
    EXPECT_FALSE(table.add("1/1", "", "one more", today).has_value());
    ASSERT_TRUE(saveAsTheQuit(path("schedule.txt"), table.fileLines()).ok);
    EXPECT_EQ(readBytes(path("schedule.txt")), sjis(content).replace(",\r\n", ",,,,\r\n"));

    table.removeAt(0);
    table.removeAt(0);
    table.removeAt(0);
    EXPECT_TRUE(table.add("1/1", "", "fits", today).has_value());
    EXPECT_FALSE(table.add("1/1", "", "full", today).has_value());
}

TEST_F(ScheduleFiles, reminderLinesTakeTheDaysEntriesAsStoredAndSkipUnreadableDates)
{
    load(QString::fromUtf8("会議,12/8,10:00\r\n"
                           "歯医者,2026/12/8,9:5\r\n"
                           "終日,26/12/8,\r\n"
                           "来年,2027/12/8,10:00\r\n"
                           "壊れた,12/32,10:00\r\n"
                           "今日,12/7,8:00\r\n"));
    const QDate tomorrow = today.addDays(1);
    // Table order is the list's: 9:5 sorts before 10:00 once formatted.
    EXPECT_EQ(table.reminderLines(tomorrow, today),
              QStringList({QString::fromUtf8("  終日"), QString::fromUtf8("9:5  歯医者"),
                           QString::fromUtf8("10:00  会議")}));
    EXPECT_EQ(table.reminderLines(today, today), QStringList({QString::fromUtf8("8:00  今日")}));
    EXPECT_TRUE(table.reminderLines(today.addDays(2), today).isEmpty());
}

// The list lines of dates without a year depend on the day: a read ahead made on another
// day, just before midnight, is not taken.
TEST_F(ScheduleFiles, aReadAheadOfAnotherDayIsCutAgainForTheDayOfTheLoad)
{
    writeBytes(path("schedule.txt"), "new year,1/5,\r\n");
    table.readAhead(path("schedule.txt"), QDate(2026, 12, 31));
    ASSERT_EQ(table.loadSchedule(path("schedule.txt"), QDate(2027, 1, 1)).status,
              TextFileRead::Ok);
    EXPECT_EQ(table.list().items(), QStringList({QStringLiteral("27/01/05         new year")}));
}
