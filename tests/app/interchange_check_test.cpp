// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The exported files as other programs read them: python3-icalendar and python3-vobject,
// through tools/check-interchange.
#include "common/testfiles.h"
#include "phonebook/phonecards.h"
#include "schedule/schedulecalendar.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Debian's own Python, where its modules are; nothing when they are not installed.
QString checker()
{
    const QString python = QStringLiteral("/usr/bin/python3");
    QProcess probe;
    probe.start(python, {QStringLiteral("-c"), QStringLiteral("import icalendar, vobject")});
    if (!probe.waitForFinished(30000) || probe.exitStatus() != QProcess::NormalExit || probe.exitCode() != 0)
        return {};
    return python;
}

QStringList check(const QString &python, const QString &file)
{
    QProcess p;
    p.start(python, {QStringLiteral(KIBANU_SOURCE_DIR "/tools/check-interchange"), file});
    EXPECT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    return QString::fromUtf8(p.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
}

} // namespace

TEST(Interchange, anotherReaderFindsEveryEventAndCardAsWritten)
{
    const QString python = checker();
    if (python.isEmpty())
        GTEST_SKIP() << "python3-icalendar and python3-vobject are not installed";
    QTemporaryDir dir;
    const QDate today(2026, 12, 7);

    ScheduleTable table;
    const QList<scheduleitem> items{
        {QString::fromUtf8("企画会議；資料\\持参"), QStringLiteral("2026/12/10"), QStringLiteral("10:00"),
         QStringLiteral("x"), {}, QString::fromUtf8("三")},
        {QString::fromUtf8("休み"), QStringLiteral("12/24"), {}, {}, {}, {}}};
    for (const scheduleitem &i : items)
        table.add(i, today);
    const QString ics = QDir(dir.path()).filePath("schedule.ics");
    writeBytes(ics, schedulecalendar::write(table, today, QTimeZone("Asia/Tokyo"),
                                            QDateTime(today, QTime(9, 0), QTimeZone::utc()))
                        .bytes);
    QStringList events = check(python, ics);
    ASSERT_EQ(events.size(), 2);
    // The reader's order is its own: each event found in either line.
    const auto found = [&events](const QString &part) {
        return events.at(0).contains(part) || events.at(1).contains(part);
    };
    EXPECT_TRUE(found(QString::fromUtf8(
        "\t2026-12-10T10:00:00+09:00\t2026-12-10T11:00:00+09:00\t企画会議；資料\\持参\tx\t\t三")))
        << events.join(u'\n').toStdString();
    EXPECT_TRUE(found(QString::fromUtf8("\t2026-12-24\t2026-12-25\t休み\t")))
        << events.join(u'\n').toStdString();

    PhoneBook book;
    phoneentry e;
    e.index = QStringLiteral("yamada");
    e.name = QString::fromUtf8("山田 太郎");
    e.keys = QString::fromUtf8("取引先; メモ");
    e.numphone = 3;
    e.phonetype = {QString::fromUtf8("携帯"), QString::fromUtf8("メール"), QString::fromUtf8("住所")};
    e.phonenumber = {"090-1234-5678", "t@example.jp", QString::fromUtf8("大阪市北区1-2-3 ")
                                                          + QString::fromUtf8("長い住所").repeated(10)};
    book.add(e);
    const QString vcf = QDir(dir.path()).filePath("tel.vcf");
    writeBytes(vcf, phonecards::write(book));
    QStringList cards = check(python, vcf);
    ASSERT_EQ(cards.size(), 4);
    EXPECT_EQ(cards.takeFirst(), QString::fromUtf8("VCARD\t3.0\t山田 太郎\t山田;太郎\tyamada"));
    cards.sort(); // the reader gives the pairs by property name
    EXPECT_EQ(cards, QStringList({QString::fromUtf8("PAIR\tEMAIL\tINTERNET\tメール\tt@example.jp"),
                                  QString::fromUtf8("PAIR\tNOTE\t\t住所\t") + e.phonenumber.at(2),
                                  QString::fromUtf8("PAIR\tTEL\tCELL,VOICE\t携帯\t090-1234-5678")}));
}
