// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Where the data files live: the program folder of its own, or the user's data folder
// for a program installed into the system's folders.
#include "app/datahome.h"
#include "common/testfiles.h"

#include <QDir>
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
