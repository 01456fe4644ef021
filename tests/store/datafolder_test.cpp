// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Saves of a data file that another program may have written since this run read it.
#include "common/testfiles.h"
#include "store/backups.h"
#include "text/clock.h"
#include "store/conflictcopies.h"
#include "store/datafolder.h"
#include "text/fileops.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class SteppingClock : public Clock {
public:
    [[nodiscard]] QDateTime now() const override { return at; }
    QDateTime at{QDate(2026, 12, 9), QTime(13, 5, 1)};
};

class FolderTest : public ::testing::Test {
protected:
    QString path(const QString &name) const { return QDir(dir.path()).filePath(name); }
    // What the start does: the loader's read, noted.
    void readAtStart(const QByteArray &bytes)
    {
        writeBytes(path("tel.txt"), bytes);
        folder.noteRead(DataFile::Tel, readTextFile(path("tel.txt")));
    }
    // As sync tools write: a new file renamed over the old one.
    void replaceByRename(const QByteArray &bytes)
    {
        writeBytes(path("incoming.tmp"), bytes);
        ASSERT_TRUE(QFile::remove(path("tel.txt")));
        ASSERT_TRUE(QFile::rename(path("incoming.tmp"), path("tel.txt")));
    }
    QStringList backupNames() const
    {
        return QDir(backups::folderPath(dir.path())).entryList(QDir::Files, QDir::Name);
    }

    QTemporaryDir dir;
    SteppingClock clock;
    DataFolder folder{dir.path(), clock};
};

} // namespace

TEST_F(FolderTest, aFileUnchangedOnDiskIsWrittenAndItsOldBytesBackedUp)
{
    readAtStart("aoki,Aoki,,\r\n");
    ASSERT_TRUE(folder.save(DataFile::Tel, {"aoki,Aoki,,", "ueda,Ueda,,"}, DataFolder::Backup::Yes).ok);
    EXPECT_EQ(readBytes(path("tel.txt")), "aoki,Aoki,,\r\nueda,Ueda,,\r\n");
    EXPECT_EQ(backupNames(), QStringList{"tel.txt.20261209-130501"});
    EXPECT_EQ(readBytes(QDir(backups::folderPath(dir.path())).filePath("tel.txt.20261209-130501")),
              "aoki,Aoki,,\r\n");
    // A second save within the second (a quit tried again) keeps the older bytes.
    ASSERT_TRUE(folder.save(DataFile::Tel, {"aoki,Aoki,,", "kato,Kato,,"}, DataFolder::Backup::Yes).ok);
    EXPECT_EQ(readBytes(QDir(backups::folderPath(dir.path())).filePath("tel.txt.20261209-130501")),
              "aoki,Aoki,,\r\n");
    // What it wrote is the new baseline: the next save does not take it for another's.
    clock.at = clock.at.addSecs(1);
    ASSERT_TRUE(folder.save(DataFile::Tel, {"ueda,Ueda,,"}, DataFolder::Backup::No).ok);
    EXPECT_EQ(readBytes(path("tel.txt")), "ueda,Ueda,,\r\n");
    EXPECT_TRUE(folder.takeKeptCopies().isEmpty());
    EXPECT_EQ(backupNames().size(), 1);
}

TEST_F(FolderTest, aFileOnlyAnotherProgramChangedStaysAsThatProgramWroteIt)
{
    readAtStart("aoki,Aoki,,\r\n");
    replaceByRename("aoki,Aoki,,\r\nsato,Sato,,\r\n");
    ASSERT_TRUE(folder.save(DataFile::Tel, {"aoki,Aoki,,"}, DataFolder::Backup::Yes).ok);
    EXPECT_EQ(readBytes(path("tel.txt")), "aoki,Aoki,,\r\nsato,Sato,,\r\n");
    EXPECT_TRUE(folder.takeKeptCopies().isEmpty());
    // This run's data are still the old ones: a save tried again leaves the file again,
    // and a change of this run now meets the other version, which is kept.
    ASSERT_TRUE(folder.save(DataFile::Tel, {"aoki,Aoki,,"}, DataFolder::Backup::Yes).ok);
    EXPECT_EQ(readBytes(path("tel.txt")), "aoki,Aoki,,\r\nsato,Sato,,\r\n");
    ASSERT_TRUE(folder.save(DataFile::Tel, {"ueda,Ueda,,"}, DataFolder::Backup::No).ok);
    EXPECT_EQ(readBytes(path("tel.txt")), "ueda,Ueda,,\r\n");
    const QList<KeptCopy> kept = folder.takeKeptCopies();
    ASSERT_EQ(kept.size(), 1);
    EXPECT_EQ(readBytes(path(kept[0].copy)), "aoki,Aoki,,\r\nsato,Sato,,\r\n");
}

TEST_F(FolderTest, noCopyIsKeptWhenBothSidesCameToTheSameBytes)
{
    readAtStart("old\r\nnew\r\n");
    replaceByRename("new\r\n");
    ASSERT_TRUE(folder.save(DataFile::Tel, {"new"}, DataFolder::Backup::Yes).ok);
    EXPECT_EQ(readBytes(path("tel.txt")), "new\r\n");
    EXPECT_TRUE(folder.takeKeptCopies().isEmpty());
    EXPECT_FALSE(folder.stampDiffers(DataFile::Tel));
}

TEST_F(FolderTest, aCopyIsToldOnlyOnceTheFileHoldsThisRunsVersion)
{
    readAtStart("aoki,Aoki,,\r\n");
    replaceByRename("theirs\r\n");
    fileops::setInjector([](fileops::Op op, fileops::Stage, const QString &p) -> std::optional<fileops::Fault> {
        if (op == fileops::Op::Replace && p.endsWith("/tel.txt"))
            return fileops::Fault{QStringLiteral("No space left on device"), 0};
        return std::nullopt;
    });
    EXPECT_FALSE(folder.save(DataFile::Tel, {"mine"}, DataFolder::Backup::Yes).ok);
    fileops::setInjector({});
    EXPECT_TRUE(folder.takeKeptCopies().isEmpty());
    EXPECT_EQ(readBytes(path("tel.txt")), "theirs\r\n");
    EXPECT_FALSE(QFile::exists(path("tel.conflict-20261209-130501.txt"))); // the file still holds it
    ASSERT_TRUE(folder.save(DataFile::Tel, {"mine"}, DataFolder::Backup::Yes).ok);
    ASSERT_EQ(folder.takeKeptCopies().size(), 1);
    EXPECT_EQ(readBytes(path("tel.conflict-20261209-130501.txt")), "theirs\r\n");
}

TEST_F(FolderTest, aFileChangedOnBothSidesIsWrittenAndTheOtherVersionKeptByteForByte)
{
    readAtStart("aoki,Aoki,,\r\n");
    // Bytes no loader would take whole, and no line end at the end: kept as they are.
    const QByteArray theirs = "aoki,Aoki,,\r\nsato,\x82\xb3\x82\xc6\x82\xa4,,\xff\xfe";
    replaceByRename(theirs);
    ASSERT_TRUE(folder.save(DataFile::Tel, {"aoki,Aoki,,", "ueda,Ueda,,"}, DataFolder::Backup::Yes).ok);
    EXPECT_EQ(readBytes(path("tel.txt")), "aoki,Aoki,,\r\nueda,Ueda,,\r\n");
    const QList<KeptCopy> kept = folder.takeKeptCopies();
    ASSERT_EQ(kept.size(), 1);
    EXPECT_EQ(kept[0].file, "tel.txt");
    EXPECT_EQ(kept[0].copy, "tel.conflict-20261209-130501.txt");
    EXPECT_EQ(readBytes(path(kept[0].copy)), theirs);
    EXPECT_TRUE(keptCopiesMessage(kept).contains("tel.txt は他のプログラムにより変更されていたため、"
                                                 "その内容を tel.conflict-20261209-130501.txt に残しました。"));
    // The same again within the second: a copy is never written over.
    replaceByRename("third\r\n");
    ASSERT_TRUE(folder.save(DataFile::Tel, {"mine"}, DataFolder::Backup::Yes).ok);
    const QList<KeptCopy> again = folder.takeKeptCopies();
    ASSERT_EQ(again.size(), 1);
    EXPECT_EQ(again[0].copy, "tel.conflict-20261209-130501-2.txt");
    EXPECT_EQ(readBytes(path(kept[0].copy)), theirs);
    EXPECT_EQ(readBytes(path(again[0].copy)), "third\r\n");
}

TEST_F(FolderTest, aFileRemovedByAnotherProgramIsWrittenOnlyWhenThisRunChangedIt)
{
    readAtStart("aoki,Aoki,,\r\n");
    ASSERT_TRUE(QFile::remove(path("tel.txt")));
    ASSERT_TRUE(folder.save(DataFile::Tel, {"aoki,Aoki,,"}, DataFolder::Backup::Yes).ok);
    EXPECT_FALSE(QFile::exists(path("tel.txt")));
    ASSERT_TRUE(folder.save(DataFile::Tel, {"ueda,Ueda,,"}, DataFolder::Backup::Yes).ok);
    EXPECT_EQ(readBytes(path("tel.txt")), "ueda,Ueda,,\r\n");
    EXPECT_TRUE(folder.takeKeptCopies().isEmpty()); // nothing of the other side to keep
}

TEST_F(FolderTest, aFileThatCannotBeReadNowIsNeverWrittenOver)
{
    readAtStart("aoki,Aoki,,\r\n");
    ASSERT_TRUE(QFile::remove(path("tel.txt")));
    ASSERT_TRUE(QDir(dir.path()).mkdir("tel.txt"));
    const WriteResult written = folder.save(DataFile::Tel, {"ueda,Ueda,,"}, DataFolder::Backup::Yes);
    EXPECT_FALSE(written.ok);
    EXPECT_FALSE(written.error.isEmpty());
    EXPECT_TRUE(QFileInfo(path("tel.txt")).isDir());
    EXPECT_FALSE(folder.saveMerged(DataFile::Tel, {"x"}, DataFolder::Backup::Yes).ok);
    EXPECT_TRUE(QFileInfo(path("tel.txt")).isDir());
}

TEST_F(FolderTest, aFolderReplacedByAFileIsNeverWrittenInto)
{
    readAtStart("aoki,Aoki,,\r\n");
    const QString moved = dir.path() + QStringLiteral(".moved");
    ASSERT_TRUE(QDir().rename(dir.path(), moved));
    writeBytes(dir.path(), "a file where the folder was");
    // Unchanged here: without the check it would count as taken away by another program.
    const WriteResult written = folder.save(DataFile::Tel, {"aoki,Aoki,,"}, DataFolder::Backup::Yes);
    EXPECT_FALSE(written.ok);
    EXPECT_TRUE(written.error.contains(QDir::toNativeSeparators(dir.path())));
    EXPECT_EQ(readBytes(dir.path()), "a file where the folder was");
    ASSERT_TRUE(QFile::remove(dir.path()));
    ASSERT_TRUE(QDir().rename(moved, dir.path()));
}

TEST_F(FolderTest, theNewestTenBackupsOfEachFileAreKept)
{
    readAtStart("0\r\n");
    for (int n = 1; n <= 12; ++n) {
        clock.at = clock.at.addSecs(1);
        ASSERT_TRUE(folder.save(DataFile::Tel, {QString::number(n)}, DataFolder::Backup::Yes).ok);
    }
    writeBytes(QDir(backups::folderPath(dir.path())).filePath("todo.txt.20200101-000000"), "other file");
    writeBytes(QDir(backups::folderPath(dir.path())).filePath("tel.txt.note"), "not a backup");
    clock.at = clock.at.addSecs(1);
    ASSERT_TRUE(folder.save(DataFile::Tel, {"13"}, DataFolder::Backup::Yes).ok);
    QStringList tel = backupNames().filter(QRegularExpression("^tel\\.txt\\.\\d"));
    ASSERT_EQ(tel.size(), backups::KeptPerFile);
    // The oldest went: the bytes of saves 3 to 12 are left.
    EXPECT_EQ(readBytes(QDir(backups::folderPath(dir.path())).filePath(tel.first())), "3\r\n");
    EXPECT_EQ(readBytes(QDir(backups::folderPath(dir.path())).filePath(tel.last())), "12\r\n");
    EXPECT_TRUE(backupNames().contains("todo.txt.20200101-000000"));
    EXPECT_TRUE(backupNames().contains("tel.txt.note"));
}

TEST_F(FolderTest, aClockBehindTheBackupsNamesNeverCostsTheBackupJustMade)
{
    // Ten backups named in the future (another machine's clock, a wrong one), written
    // over the last ten days.
    ASSERT_TRUE(QDir(dir.path()).mkdir("backup"));
    const QDir backup(backups::folderPath(dir.path()));
    const QDateTime now = QDateTime::currentDateTime();
    for (int n = 0; n < backups::KeptPerFile; ++n) {
        const QString name = QStringLiteral("tel.txt.2031010%1-000000").arg(n);
        writeBytes(backup.filePath(name), QByteArray::number(n));
        QFile file(backup.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        // The smallest name is the newest file: the rotation must go by time, not name.
        ASSERT_TRUE(file.setFileTime(now.addDays(-10 + (backups::KeptPerFile - n)),
                                     QFileDevice::FileModificationTime));
    }
    readAtStart("replaced\r\n");
    ASSERT_TRUE(folder.save(DataFile::Tel, {"new"}, DataFolder::Backup::Yes).ok);
    const QStringList tel = backupNames().filter(QRegularExpression("^tel\\.txt\\.\\d"));
    EXPECT_EQ(tel.size(), backups::KeptPerFile);
    EXPECT_EQ(readBytes(backup.filePath("tel.txt.20261209-130501")), "replaced\r\n");
    EXPECT_TRUE(tel.contains("tel.txt.20310100-000000")); // newest by time stays
    EXPECT_FALSE(tel.contains("tel.txt.20310109-000000")); // oldest by time went
}

TEST_F(FolderTest, aBackupThatFailsNeverStopsTheSave)
{
    readAtStart("aoki,Aoki,,\r\n");
    writeBytes(path("backup"), "a file where the folder would be");
    ASSERT_TRUE(folder.save(DataFile::Tel, {"ueda,Ueda,,"}, DataFolder::Backup::Yes).ok);
    EXPECT_EQ(readBytes(path("tel.txt")), "ueda,Ueda,,\r\n");
    const QStringList failed = folder.takeBackupFailures();
    ASSERT_EQ(failed.size(), 1);
    EXPECT_TRUE(failed[0].startsWith("tel.txt"));
    EXPECT_TRUE(folder.takeBackupFailures().isEmpty());
}

TEST_F(FolderTest, linesAreAsReadOnlyWhenTheirBytesAreTheFilesBytes)
{
    readAtStart("a\r\n\r\nb\r\n");
    EXPECT_TRUE(folder.holdsAsRead(DataFile::Tel, {"a", "", "b"}));
    EXPECT_FALSE(folder.holdsAsRead(DataFile::Tel, {"a", "b"}));
    EXPECT_FALSE(folder.holdsAsRead(DataFile::Todo, {})); // never read: unknown
    folder.noteRead(DataFile::Closet, readTextFile(path("closet.txt"))); // missing
    EXPECT_TRUE(folder.holdsAsRead(DataFile::Closet, {}));
    EXPECT_FALSE(folder.holdsAsRead(DataFile::Closet, {""}));
    EXPECT_FALSE(folder.stampDiffers(DataFile::Tel));
    replaceByRename("a\r\n");
    EXPECT_TRUE(folder.stampDiffers(DataFile::Tel));
}

TEST(ConflictCopies, theNamesSyncToolsGiveTheirCopiesOfADataFile)
{
    const QStringList data{"todo.txt", "done.txt", "schedule.txt", "tel.txt", "pim.ini"};
    const QStringList copies{
        "schedule.sync-conflict-20261209-130501-ABCDEFG.txt", // Syncthing
        "tel (Taro's conflicted copy 2026-12-09).txt",         // Dropbox
        "tel (conflicted copy 2026-12-09 130501).txt",         // Nextcloud
        "todo-conflict-20261209.txt",
        "tel (1).txt",
        "TEL (2).TXT",
        "schedule.conflict-20261209-130501.txt", // this program's own
        "pim.sync-conflict-20261209-130501-XYZ.ini",
    };
    const QStringList others{"todo.txt", "tel.txt", "telephone.txt", "notes (1).txt",
                             "tel (copy).txt", "todo.txt.20261209-130501", "schedule-2026.txt",
                             "kibanu.lock", "pim.ini"};
    EXPECT_EQ(conflictcopies::found(copies + others, data), copies);
}
