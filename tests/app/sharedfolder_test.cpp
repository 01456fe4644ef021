// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A run whose folder other programs write meanwhile: a sync tool, an editor, a newer
// version of the program.
#include "common/sharedfolderrig.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class SharedFolder : public ::testing::Test, public SharedFolderRig {
protected:
    QString read(const char *name) const { return QString::fromUtf8(readBytes(path(name))); }
};

} // namespace

// The case users met: the other computer's appointment and phone entry came in by the
// sync tool while this run was open, and the quit wrote them away.
TEST_F(SharedFolder, theQuitLeavesWhatAnotherProgramWroteToFilesThisRunDidNotChange)
{
    start();
    session.board().setText(1, QStringLiteral("見積書"));
    replaceByRename("schedule.txt", "会議,2026/12/10,10:00,,,\r\n歯医者,2026/12/11,15:00,,,\r\n");
    replaceByRename("tel.txt", "aoki,青木,,携帯,090-1111-2222\r\nsato,佐藤,,自宅,03-1234-5678\r\n");
    ASSERT_TRUE(session.quitWithSaving().ok);
    EXPECT_EQ(readBytes(path("schedule.txt")),
              sjis("会議,2026/12/10,10:00,,,\r\n歯医者,2026/12/11,15:00,,,\r\n"));
    EXPECT_EQ(readBytes(path("tel.txt")),
              sjis("aoki,青木,,携帯,090-1111-2222\r\nsato,佐藤,,自宅,03-1234-5678\r\n"));
    EXPECT_TRUE(readBytes(path("todo.txt")).startsWith(sjis("電話する\r\n見積書\r\n")));
    EXPECT_TRUE(session.files().takeKeptCopies().isEmpty());
}

TEST_F(SharedFolder, aFileChangedOnBothSidesKeepsTheOtherVersionBesideThisRuns)
{
    start();
    ASSERT_TRUE(session.schedule().add("2026/12/12", "", "出張", clock.today()));
    const QString theirs = "会議,2026/12/10,10:00,,,\r\n歯医者,2026/12/11,15:00,,,\r\n";
    replaceByRename("schedule.txt", theirs);
    ASSERT_TRUE(session.quitWithSaving().ok);
    EXPECT_EQ(readBytes(path("schedule.txt")), sjis("会議,2026/12/10,10:00,,,\r\n出張,2026/12/12,,,,\r\n"));
    EXPECT_EQ(readBytes(path("schedule.conflict-20261209-130501.txt")), sjis(theirs));
    const QList<KeptCopy> kept = session.files().takeKeptCopies();
    ASSERT_EQ(kept.size(), 1);
    EXPECT_EQ(kept[0].copy, "schedule.conflict-20261209-130501.txt");
}

TEST_F(SharedFolder, pimIniIsReadAgainAndOnlyTheKeysThisRunSetAreWritten)
{
    start();
    session.settings().board.editMode = EditMode::Overwrite; // set by this run
    session.settings().left = 300;                           // set by both: this run's wins
    // A newer version, or the user in an editor, while this run was open.
    write("pim.ini", "[Pim]\r\nLeft= 200\r\neditor=emacs\r\nEditMode= 1\r\nNotify=0\r\n"
                     "[Window]\r\nMaximized=1\r\n");
    ASSERT_TRUE(session.quitWithSaving().ok);
    const QString ini = read("pim.ini");
    EXPECT_TRUE(ini.contains("editor=emacs\r\n")) << ini.toStdString();
    EXPECT_TRUE(ini.contains("EditMode= 2\r\n")) << ini.toStdString();
    EXPECT_TRUE(ini.contains("Left= 300\r\n")) << ini.toStdString();
    EXPECT_TRUE(ini.contains("Notify=0\r\n")) << ini.toStdString();
    EXPECT_TRUE(ini.contains("[Window]\r\nMaximized=1\r\n")) << ini.toStdString();
}

TEST_F(SharedFolder, aFileThisRunLeftAloneFollowsTheDiskAndOneItChangedWaitsForTheQuit)
{
    start();
    EXPECT_EQ(session.follow(DataFile::Tel), Session::Follow::Same);
    replaceByRename("tel.txt", "sato,佐藤,,自宅,03-1234-5678\r\n");
    EXPECT_EQ(session.follow(DataFile::Tel), Session::Follow::Reloaded);
    ASSERT_EQ(session.phoneBook().ntphone(), 1);
    EXPECT_EQ(session.phoneBook().at(0).index, "sato");
    EXPECT_EQ(session.follow(DataFile::Tel), Session::Follow::Same);

    session.board().setText(0, QStringLiteral("書き換えた"));
    replaceByRename("todo.txt", "別の端末で\r\n");
    EXPECT_EQ(session.follow(DataFile::Todo), Session::Follow::ChangedHere);
    EXPECT_EQ(session.board().text(0), "書き換えた");

    // A slot open for editing holds back todo.txt only.
    replaceByRename("schedule.txt", "歯医者,2026/12/11,15:00,,,\r\n");
    session.board().beginEdit(3);
    EXPECT_EQ(session.follow(DataFile::Schedule), Session::Follow::Reloaded);
    EXPECT_EQ(session.schedule().at(0).eventinfo, "歯医者");

    ASSERT_TRUE(session.quitWithSaving().ok);
    EXPECT_EQ(readBytes(path("tel.txt")), sjis("sato,佐藤,,自宅,03-1234-5678\r\n"));
    EXPECT_EQ(readBytes(path("todo.conflict-20261209-130501.txt")), sjis("別の端末で\r\n"));
}

// The series file is followed and kept as the others are.
TEST_F(SharedFolder, repeatTxtFollowsTheDiskWhileUnchangedAndKeepsBothVersionsWhenChangedHere)
{
    write("repeat.txt", "ヨガ,2026/12/3,10:00,毎週,,,,,\r\n");
    start();
    EXPECT_EQ(session.repeats().count(), 1);
    replaceByRename("repeat.txt", "ヨガ,2026/12/3,10:00,隔週,,,,,\r\n");
    EXPECT_EQ(session.follow(DataFile::Repeat), Session::Follow::Reloaded);
    EXPECT_EQ(session.repeats().at(0).rule, "隔週");

    session.repeats().leaveOut(0, QDate(2026, 12, 17));
    const QString theirs = "ヨガ,2026/12/3,10:00,毎月,,,,,\r\n";
    replaceByRename("repeat.txt", theirs);
    EXPECT_EQ(session.follow(DataFile::Repeat), Session::Follow::ChangedHere);
    ASSERT_TRUE(session.quitWithSaving().ok);
    EXPECT_EQ(readBytes(path("repeat.txt")), sjis("ヨガ,2026/12/3,10:00,隔週,,2026/12/17,,,\r\n"));
    EXPECT_EQ(readBytes(path("repeat.conflict-20261209-130501.txt")), sjis(theirs));
}

// Sync tools that keep the file's time rename a new file over it, of the same size.
TEST_F(SharedFolder, aFileRenamedOverWithTheSameSizeAndTimeIsStillFollowed)
{
    const QDateTime stamp(QDate(2026, 12, 1), QTime(9, 0));
    const auto setTime = [this, &stamp] {
        QFile file(path("schedule.txt"));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(stamp, QFileDevice::FileModificationTime));
    };
    setTime();
    start();
    const qint64 size = QFileInfo(path("schedule.txt")).size();
    replaceByRename("schedule.txt", "面接,2026/12/10,10:00,,,\r\n");
    setTime();
    ASSERT_EQ(QFileInfo(path("schedule.txt")).size(), size);
    EXPECT_EQ(session.follow(DataFile::Schedule), Session::Follow::Reloaded);
    ASSERT_EQ(session.schedule().ntschedule(), 1);
    EXPECT_EQ(session.schedule().at(0).eventinfo, "面接");
    // This run's change then meets the version it shows: no copy is kept.
    session.schedule().add("2026/12/24", "18:00", "夕食", clock.today());
    ASSERT_TRUE(session.quitWithSaving().ok);
    EXPECT_EQ(readBytes(path("schedule.txt")),
              sjis("面接,2026/12/10,10:00,,,\r\n夕食,2026/12/24,18:00,,,\r\n"));
    EXPECT_TRUE(QDir(dir.path()).entryList({"*conflict*"}).isEmpty());
}

TEST_F(SharedFolder, aFileGoneOrNotWholeIsNotFollowed)
{
    start();
    ASSERT_TRUE(QFile::remove(path("tel.txt")));
    EXPECT_EQ(session.follow(DataFile::Tel), Session::Follow::Gone);
    EXPECT_EQ(session.phoneBook().ntphone(), 1);
    // Not while the window says the data must stay.
    writeBytes(path("tel.txt"), sjis("sato,佐藤,,\r\n"));
    EXPECT_EQ(session.follow(DataFile::Tel, false), Session::Follow::NotReady);
    EXPECT_EQ(session.phoneBook().ntphone(), 1);
    // Text CP932 cannot hold is never taken in: the quit keeps both versions.
    writeBytes(path("tel.txt"), "sato,\xe4\xbd\x90\xe8\x97\xa4\xf0\x9f\x98\x80,,\r\n");
    EXPECT_EQ(session.follow(DataFile::Tel), Session::Follow::ChangedHere);
    EXPECT_EQ(session.phoneBook().at(0).index, "aoki");
}

TEST_F(SharedFolder, theConflictCopiesInTheFolderAreFoundByName)
{
    write("tel (1).txt", "");
    write("schedule.sync-conflict-20261209-130501-ABC.txt", "");
    write("memo (1).txt", "");
    EXPECT_EQ(session.conflictCopies(),
              (QStringList{"schedule.sync-conflict-20261209-130501-ABC.txt", "tel (1).txt"}));
}

// An open slot may hold typed text not yet taken, a marked one goes to done.txt at the
// quit: either way the board is this run's, and todo.txt is not read again under it.
TEST_F(SharedFolder, anOpenOrMarkedSlotHoldsBackTodoTxt)
{
    start();
    session.board().beginEdit(0);
    replaceByRename("todo.txt", "別の端末で\r\n");
    EXPECT_EQ(session.follow(DataFile::Todo), Session::Follow::ChangedHere);
    session.board().endEdit(0); // left as it was
    EXPECT_EQ(session.follow(DataFile::Todo), Session::Follow::Reloaded);
    EXPECT_EQ(session.board().text(0), "別の端末で");
    session.board().setDone(2, true);
    replaceByRename("todo.txt", "三度目\r\n");
    EXPECT_EQ(session.follow(DataFile::Todo), Session::Follow::ChangedHere);
    EXPECT_EQ(session.board().text(0), "別の端末で");
}
