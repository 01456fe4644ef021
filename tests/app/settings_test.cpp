// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/settings.h"
#include "common/saving.h"
#include "common/testfiles.h"
#include "text/profile.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray golden(const QString &name)
{
    return readBytes(QStringLiteral(KIBANU_TEST_DATA "/ini/%1").arg(name));
}

// Reads pim.ini as the start does, lets the run change what it changes, and writes it
// back as the quit does; returns the bytes written.
QByteArray roundTrip(const QString &input, Settings &read,
                     const std::function<void(Settings &)> &run, bool windowNormal)
{
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath("pim.ini");
    if (!input.isEmpty())
        writeBytes(path, golden(input));
    ProfileFile ini;
    ini.load(path);
    read = readSettings(ini);
    Settings now = read;
    run(now);
    writeSettings(ini, now, windowNormal);
    EXPECT_TRUE(saveAsTheQuit(path, ini.lines()).ok);
    return readBytes(path);
}

} // namespace

TEST(Settings, firstStartUsesTheDefaultsAndWritesEveryKey)
{
    Settings s;
    const QByteArray written = roundTrip({}, s, [](Settings &) {}, true);
    EXPECT_EQ(s.width, 8000);
    EXPECT_EQ(s.board.editMode, EditMode::Insert);
    EXPECT_FALSE(s.board.skipStartup);
    EXPECT_EQ(s.editor, QStringLiteral("c:\\windows\\notepad.exe"));
    EXPECT_EQ(written, golden("first.expected.ini"));
}

// Other sections, unknown keys and the case of the keys survive; odd values are read as
// the program always read them.
TEST(Settings, handMadeFileKeepsWhatItDoesNotOwn)
{
    Settings s;
    const QByteArray written =
        roundTrip("handmade.in.ini", s, [](Settings &now) { now.left = 1500; }, true);
    EXPECT_EQ(s.left, 1200);
    EXPECT_EQ(s.top, 300);
    EXPECT_EQ(s.width, 8000);
    EXPECT_EQ(s.board.editMode, EditMode::Insert);
    EXPECT_TRUE(s.board.skipStartup);
    EXPECT_EQ(s.editor, QStringLiteral("C:\\Program Files\\Very Long Ed")); // 29 bytes
    EXPECT_EQ(written, golden("handmade.expected.ini"));
}

TEST(Settings, aWindowNotInItsNormalStateKeepsItsOldPlace)
{
    Settings s;
    const QByteArray written = roundTrip(
        "maximized.in.ini", s,
        [](Settings &now) {
            now.left = now.top = 0;
            now.width = 20000;
            now.board.skipStartup = true;
        },
        false);
    EXPECT_EQ(s.board.editMode, EditMode::Overwrite);
    EXPECT_EQ(written, golden("maximized.expected.ini"));
}

TEST(Profile, readsLikeTheWindowsProfileFunctions)
{
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath("x.ini");
    writeBytes(path, sjis(QString::fromUtf8("[a]\r\nk=  'quoted'  \r\nn=-12x\r\nj=日本語のエディタ\r\n"
                                            "[b]\r\nk=second\r\n[A]\r\nk=duplicate\r\n")));
    ProfileFile ini;
    ASSERT_EQ(ini.load(path).status, TextFileRead::Ok);
    EXPECT_EQ(ini.readString("A", "K", "d", 30), QStringLiteral("quoted"));
    EXPECT_EQ(ini.readString("b", "k", "d", 30), QStringLiteral("second"));
    EXPECT_EQ(ini.readString("b", "none", "d  ", 30), QStringLiteral("d"));
    EXPECT_EQ(ini.readString("a", "j", "", 8), QString::fromUtf8("日本語")); // 7 bytes, whole characters
    EXPECT_EQ(ini.readInt("a", "n", 5), -12);
    EXPECT_EQ(ini.readInt("a", "k", 5), 0);
    EXPECT_EQ(ini.readInt("c", "n", 5), 5);
    EXPECT_EQ(leadingNumber(QStringLiteral("  8000  ")), 8000);
    EXPECT_EQ(leadingNumber(QStringLiteral("abc")), 0);
    EXPECT_EQ(profileNumber(-1), QStringLiteral("-1"));
    EXPECT_EQ(profileNumber(0), QStringLiteral(" 0"));
}

// Keys newer than Kibanu 2.0: absent, or not a value of theirs, they take the defaults.
TEST(Settings, remindersAreOnTenMinutesBeforeUnlessPimIniSaysOtherwise)
{
    const auto read = [](const QByteArray &pim) {
        QTemporaryDir dir;
        const QString path = QDir(dir.path()).filePath("pim.ini");
        writeBytes(path, pim);
        ProfileFile ini;
        ini.load(path);
        const BoardOptions o = readSettings(ini).board;
        return std::pair(o.notify, o.notifyBefore);
    };
    EXPECT_EQ(read("[Pim]\r\nEditMode=2\r\n"), std::pair(true, 10));
    EXPECT_EQ(read("[Pim]\r\nNotify=0\r\nNotifyBefore= 1440\r\n"), std::pair(false, 1440));
    EXPECT_EQ(read("[Pim]\r\nNotify= 1\r\nNotifyBefore=0\r\n"), std::pair(true, 0));
    for (const char *odd : {"1441", "-5", "abc", "5x", ""})
        EXPECT_EQ(read(QByteArray("[Pim]\r\nNotifyBefore=") + odd + "\r\n").second, 10) << odd;
}

// The switches newer than Kibanu 2.0: absent or odd, their default; each written back
// as the run left it.
TEST(Settings, newerSwitchesTakeTheirDefaultsAndAreWrittenAsLeft)
{
    const std::pair<const char *, bool BoardOptions::*> keys[] = {
        {"NaturalDates", &BoardOptions::naturalDates},
        {"Tray", &BoardOptions::tray},
        {"CloseToTray", &BoardOptions::closeToTray}};
    for (const auto &[key, member] : keys) {
        const bool byDefault = BoardOptions{}.*member;
        for (const auto &[value, on] : {std::pair<const char *, bool>{nullptr, byDefault},
                                        {"0", false}, {" 1", true}, {"x", byDefault},
                                        {"", byDefault}}) {
            QTemporaryDir dir;
            const QString path = QDir(dir.path()).filePath("pim.ini");
            const QByteArray line = value ? QByteArray(key) + '=' + value + "\r\n" : QByteArray();
            writeBytes(path, "[Pim]\r\n" + line);
            ProfileFile ini;
            ini.load(path);
            Settings s = readSettings(ini);
            const auto where = QByteArray(key) + '=' + (value ? value : "(absent)");
            EXPECT_EQ(s.board.*member, on) << where.constData();
            s.board.*member = !on;
            writeSettings(ini, s, true);
            EXPECT_TRUE(ini.lines().contains(QString::fromLatin1(key) + (on ? "= 0" : "= 1")))
                << where.constData();
        }
    }
}

// Another program (or a newer Kibanu) set the minutes while this run had them as read.
TEST(Settings, theQuitKeepsMinutesAnotherProgramSet)
{
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath("pim.ini");
    writeBytes(path, "[Pim]\r\nNotifyBefore= 15\r\n");
    ProfileFile ini;
    ini.load(path);
    const Settings atStart = readSettings(ini);
    writeBytes(path, "[Pim]\r\nNotifyBefore= 30\r\n");
    ProfileFile again;
    again.load(path);
    Settings now = atStart;
    now.board.notify = false;
    mergeSettings(again, now, true, atStart);
    EXPECT_EQ(readSettings(again).board.notifyBefore, 30);
    EXPECT_FALSE(readSettings(again).board.notify);
}
