// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Data files as other programs make them: LF line ends, more lines than the board holds,
// text CP932 cannot hold.
#include "common/sharedfolderrig.h"

#include <QDir>

namespace {

class DataFiles : public ::testing::Test, public SharedFolderRig {};

struct LineEndCase {
    const char *file;
    const char *lf;    // lines ended by LF alone
    const char *mixed; // CR LF and LF in one file
    QStringList lines; // what the table holds either way
    const char *written; // what the quit writes, in CR LF
};

QStringList todoSlots(QStringList first)
{
    while (first.size() < 14)
        first.append(QString());
    return first;
}

const QList<LineEndCase> &lineEndCases()
{
    static const QList<LineEndCase> cases{
        {"todo.txt", "電話する\n見積書\n", "電話する\r\n見積書\n", todoSlots({"電話する", "見積書"}),
         "電話する\r\n見積書\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n"},
        {"closet.txt", "x\n\ny", "x\r\n\ny\r\n", {"x", "", "y"}, "x\r\n\r\ny\r\n"},
        {"schedule.txt", "A,2027/1/5,10:00,,,\nB,2027/1/6,15:00,,,\n",
         "A,2027/1/5,10:00,,,\r\nB,2027/1/6,15:00,,,\n",
         {"A,2027/1/5,10:00,,,", "B,2027/1/6,15:00,,,"},
         "A,2027/1/5,10:00,,,\r\nB,2027/1/6,15:00,,,\r\n"},
        {"tel.txt", "aoki,青木,,携帯,090\nsato,佐藤,,自宅,03\n", "aoki,青木,,携帯,090\nsato,佐藤,,自宅,03\r\n",
         {"aoki,青木,,携帯,090", "sato,佐藤,,自宅,03"}, "aoki,青木,,携帯,090\r\nsato,佐藤,,自宅,03\r\n"},
        {"type.txt", "電話\nFAX\n", "電話\r\nFAX\n", {"電話", "FAX"}, "電話\r\nFAX\r\n"},
        {"pim.ini", "[Pim]\nEditMode=2\nMine=x\n", "[Pim]\r\nEditMode=2\nMine=x\r\n", {}, nullptr},
    };
    return cases;
}

DataFile fileNamed(const QString &name)
{
    for (const DataFile file : {DataFile::Todo, DataFile::Closet, DataFile::Schedule,
                                DataFile::Tel, DataFile::Type, DataFile::Ini})
        if (dataFileName(file) == name)
            return file;
    return DataFile::Done;
}

} // namespace

// A Linux editor, `echo >>` or a sync peer on another system ends lines with LF alone.
TEST(LineEnds, everyDataFileInLfOrMixedReadsLineByLineAndIsWrittenBackInCrLf)
{
    for (const LineEndCase &c : lineEndCases()) {
        for (const char *bytes : {c.lf, c.mixed}) {
            SCOPED_TRACE(std::string(c.file) + ": " + bytes);
            SharedFolderRig rig;
            rig.write(c.file, QString::fromUtf8(bytes));
            rig.start();
            const DataFile file = fileNamed(QString::fromLatin1(c.file));
            if (file == DataFile::Ini)
                EXPECT_EQ(rig.session.settings().board.editMode, EditMode::Overwrite);
            else
                EXPECT_EQ(rig.session.linesOf(file), c.lines);
            EXPECT_EQ(rig.session.files().lineFeedFiles(), QStringList{c.file});
            ASSERT_TRUE(rig.session.quitWithSaving().ok);
            const QByteArray out = readBytes(rig.path(c.file));
            if (c.written)
                EXPECT_EQ(out, sjis(QString::fromUtf8(c.written)));
            else // pim.ini: every line CR LF, the other program's key kept
                EXPECT_EQ(QString::fromLatin1(out).remove("\r\n").count('\n'), 0) << out.constData();
            EXPECT_TRUE(out.contains("Mine=x\r\n") || file != DataFile::Ini);
        }
    }
}

// The quit after typing only on the board used to join an LF schedule's second line to
// the first and drop its date and time.
TEST_F(DataFiles, anLfScheduleKeepsEveryEntryThroughAQuitAfterWorkOnTheBoard)
{
    write("schedule.txt", "A,2027/1/5,10:00,,,\nB,2027/1/6,15:00,,,\n");
    start();
    session.board().setText(1, "typed");
    ASSERT_TRUE(session.quitWithSaving().ok);
    EXPECT_EQ(readBytes(path("schedule.txt")), "A,2027/1/5,10:00,,,\r\nB,2027/1/6,15:00,,,\r\n");
}

// A todo.txt merged by hand from a conflict copy may hold more lines than there are slots.
TEST_F(DataFiles, linesAfterTheFourteenthOfTodoGoToTheEndOfTheShelf)
{
    QString todo;
    for (int i = 1; i <= 14; ++i)
        todo += QStringLiteral("slot %1\r\n").arg(i);
    write("todo.txt", todo + "fifteen\r\n\r\nsixteen\r\n");
    write("closet.txt", "shelved\r\n");
    start();
    EXPECT_EQ(session.board().text(13), "slot 14");
    EXPECT_EQ(session.shelf().stringList(), QStringList({"shelved", "fifteen", "sixteen"}));
    EXPECT_EQ(session.takeMovedToShelf(), 2);
    EXPECT_EQ(session.takeMovedToShelf(), 0); // told once
    // The file on disk is no longer what this run holds: another program's version of it
    // is not read over the moved lines, the quit keeps both.
    replaceByRename("todo.txt", todo.replace("slot 1\r\n", "first\r\n") + "fifteen\r\n");
    EXPECT_EQ(session.follow(DataFile::Todo), Session::Follow::ChangedHere);
    ASSERT_TRUE(session.quitWithSaving().ok);
    EXPECT_EQ(readBytes(path("closet.txt")), "shelved\r\nfifteen\r\nsixteen\r\n");
    EXPECT_EQ(readBytes(path("todo.txt")).count("\r\n"), 14);
    EXPECT_TRUE(readBytes(path("todo.conflict-20261209-130501.txt")).startsWith("first\r\n"));
}

// Another program's todo.txt read in while the program runs loses none of its lines either.
TEST_F(DataFiles, linesBeyondTheSlotsOfATodoReadInGoToTheShelfToo)
{
    start();
    QString todo = QString("\r\n").repeated(14);
    replaceByRename("todo.txt", todo + "late\r\n");
    EXPECT_EQ(session.follow(DataFile::Todo), Session::Follow::Reloaded);
    EXPECT_EQ(session.shelf().stringList(), QStringList{"late"});
    EXPECT_EQ(session.takeMovedToShelf(), 1);
}

// A file that cannot be written keeps this run's changes beside it; the file stays.
TEST_F(DataFiles, aUtf8TelWithCharactersCp932LacksIsReadWholeAndItsChangesSavedAside)
{
    const QByteArray utf8 = QString::fromUtf8("aoki,青木,,携帯,090\r\nkato,加藤,取引先,会社,03\r\n"
                                              "yoshi,𠮷田,,携帯,080\r\nsushi,🍣,,,\r\n").toUtf8();
    writeBytes(path("tel.txt"), utf8);
    start();
    ASSERT_EQ(session.files().unreadableReasons().size(), 1);
    EXPECT_EQ(session.files().unreadableReasons()[0],
              QString::fromUtf8("tel.txt の 3 行目の「𠮷」、4 行目の「🍣」は Shift-JIS で保存できません"));
    EXPECT_EQ(session.phoneBook().ntphone(), 4); // shown whole
    EXPECT_FALSE(session.changedWhileBarred(DataFile::Tel));

    // Unchanged, nothing is written anywhere.
    ASSERT_TRUE(session.saveForEditor(DataFile::Todo).ok);
    EXPECT_TRUE(QDir(dir.path()).entryList({"*.unsaved-*"}).isEmpty());

    phoneentry added;
    added.index = "ueda";
    added.name = "上田";
    ASSERT_TRUE(session.phoneBook().add(added).has_value());
    EXPECT_TRUE(session.changedWhileBarred(DataFile::Tel));
    ASSERT_TRUE(session.quitWithSaving().ok);
    EXPECT_EQ(readBytes(path("tel.txt")), utf8);
    const QList<SavedAside> aside = session.files().takeSavedAside();
    ASSERT_EQ(aside.size(), 1);
    EXPECT_EQ(aside[0].copy, "tel.unsaved-20261209-130501.txt");
    EXPECT_TRUE(aside[0].utf8);
    const QString kept = QString::fromUtf8(readBytes(path("tel.unsaved-20261209-130501.txt")));
    EXPECT_TRUE(kept.contains(QString::fromUtf8("yoshi,𠮷田,,携帯,080\r\n")));
    EXPECT_TRUE(kept.contains(QString::fromUtf8("ueda,上田,\r\n"))) << kept.toStdString();
}

// The lines from todo.txt join a shelf whose file cannot be written: they are saved aside
// with it, as todo.txt is written without them.
TEST_F(DataFiles, linesBeyondTheSlotsReachTheSavedAsideShelfWhenClosetCannotBeWritten)
{
    write("todo.txt", QString("\r\n").repeated(14) + "fifteen\r\n");
    writeBytes(path("closet.txt"), "shelved\r\ncut \x82");
    start();
    ASSERT_TRUE(session.quitWithSaving().ok);
    EXPECT_EQ(readBytes(path("closet.txt")), "shelved\r\ncut \x82");
    EXPECT_EQ(readBytes(path("closet.unsaved-20261209-130501.txt")), "shelved\r\ncut \r\nfifteen\r\n");
}
