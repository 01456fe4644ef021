// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Where the data files live: the program folder of its own, or the user's data folder
// for a program installed into the system's folders.
#include "app/datahome.h"
#include "common/testfiles.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(DataHome, aProgramFolderOfItsOwnKeepsItsDataAndAnInstalledProgramUsesTheUsersFolder)
{
    QTemporaryDir program;
    QTemporaryDir home;
    const QString dataHome = QDir(home.path()).filePath("share");
    EXPECT_EQ(datahome::choose(program.path(), dataHome).folder, program.path());
    EXPECT_FALSE(QFileInfo::exists(dataHome)); // nothing made for it

    // The package's /usr/bin: even a user who may write there (root) keeps no data there.
    const datahome::Choice installed = datahome::choose("/usr/bin", dataHome);
    EXPECT_TRUE(installed.error.isEmpty());
    EXPECT_EQ(installed.folder, QDir(dataHome).filePath("Kibanu"));
    EXPECT_TRUE(QFileInfo(installed.folder).isDir());
    EXPECT_TRUE(datahome::writable(installed.folder));
    // The second start finds it made.
    EXPECT_EQ(datahome::choose("/usr/bin", dataHome).folder, installed.folder);
}

TEST(DataHome, aDataFolderThatCannotBeMadeIsSaid)
{
    QTemporaryDir home;
    const QString blocked = QDir(home.path()).filePath("file");
    writeBytes(blocked, "not a folder");
    const datahome::Choice choice = datahome::choose("/usr/bin", blocked);
    EXPECT_FALSE(choice.error.isEmpty());
    EXPECT_TRUE(choice.error.contains("Kibanu"));
}

TEST(DataHome, theHelpFileIsBesideTheProgramOrWhereThePackagePutsIt)
{
    QTemporaryDir prefix;
    const QDir root(prefix.path());
    ASSERT_TRUE(root.mkpath("bin") && root.mkpath("share/kibanu"));
    writeBytes(root.filePath("share/kibanu/Kibanu.hlp"), "<html></html>");
    EXPECT_EQ(datahome::helpFile(root.filePath("bin")), root.filePath("share/kibanu/Kibanu.hlp"));
    writeBytes(root.filePath("bin/Kibanu.hlp"), "<html></html>");
    EXPECT_EQ(datahome::helpFile(root.filePath("bin")), root.filePath("bin/Kibanu.hlp"));
}

// A program folder that cannot be written, with the user's files in it: they are not
// hidden behind an empty board.
TEST(DataHome, theProgramFoldersDataFilesAreCopiedIntoAnEmptyDataFolderOnce)
{
    QTemporaryDir program;
    QTemporaryDir data;
    const QDir from(program.path());
    writeBytes(from.filePath("tel.txt"), "aoki,\x90\xc2\x96\xd8,\r\n");
    writeBytes(from.filePath("pim.ini"), "[Pim]\n");
    writeBytes(from.filePath("memo.txt"), "not a data file");
    const datahome::Carried first = datahome::carryOver(program.path(), data.path());
    EXPECT_TRUE(first.error.isEmpty());
    EXPECT_EQ(first.copied, QStringList({"tel.txt", "pim.ini"}));
    EXPECT_TRUE(first.notice.contains(program.path()) && first.notice.contains(data.path()));
    const QDir to(data.path());
    EXPECT_EQ(readBytes(to.filePath("tel.txt")), "aoki,\x90\xc2\x96\xd8,\r\n");
    EXPECT_EQ(readBytes(to.filePath("pim.ini")), "[Pim]\n");
    EXPECT_FALSE(QFileInfo::exists(to.filePath("memo.txt")));

    // The next start finds the data folder's own files: nothing copied, nothing to say.
    writeBytes(to.filePath("tel.txt"), "changed by this program\r\n");
    const datahome::Carried second = datahome::carryOver(program.path(), data.path());
    EXPECT_TRUE(second.copied.isEmpty());
    EXPECT_TRUE(second.notice.isEmpty());
    EXPECT_EQ(readBytes(to.filePath("tel.txt")), "changed by this program\r\n");

    // Files put into the program folder since: the user is told which folder is used.
    QFile newer(from.filePath("todo.txt"));
    writeBytes(newer.fileName(), "new\r\n");
    ASSERT_TRUE(newer.open(QIODevice::ReadWrite));
    ASSERT_TRUE(newer.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime));
    const datahome::Carried third = datahome::carryOver(program.path(), data.path());
    EXPECT_TRUE(third.copied.isEmpty());
    EXPECT_TRUE(third.notice.contains(data.path())) << third.notice.toStdString();
    EXPECT_FALSE(QFileInfo::exists(to.filePath("todo.txt")));
}

TEST(DataHome, aCopyThatFailsTakesBackWhatItCopiedAndSaysSo)
{
    QTemporaryDir program;
    QTemporaryDir data;
    writeBytes(QDir(program.path()).filePath("todo.txt"), "a\r\n");
    writeBytes(QDir(program.path()).filePath("closet.txt"), "b\r\n");
    ASSERT_TRUE(QDir(data.path()).mkdir("closet.txt")); // cannot be written over
    const datahome::Carried carried = datahome::carryOver(program.path(), data.path());
    EXPECT_TRUE(carried.copied.isEmpty());
    EXPECT_TRUE(carried.error.contains("closet.txt")) << carried.error.toStdString();
    EXPECT_FALSE(QFileInfo::exists(QDir(data.path()).filePath("todo.txt")));
}
