// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Another program's version left in place must stay in place through every later save of
// the run: a quit tried again, the editor hand-off that could not start the editor, a
// window's close box.
#include "app/folderwatch.h"
#include "app/session.h"
#include "common/apphelper.h"
#include "common/sharedfolderrig.h"
#include "phonebook/frmtypeedit.h"
#include "schedule/frmschedule.h"
#include "text/fileops.h"

#include <QFile>
#include <QPushButton>

namespace {

class LaterSaves : public ::testing::Test, public SharedFolderRig {
protected:
    ~LaterSaves() override { fileops::setInjector({}); }

    ScriptedPrompter prompter;
};

const QString theirSchedule = "会議,2026/12/10,10:00,,,\r\n歯医者,2026/12/11,15:00,,,\r\n";

} // namespace

TEST_F(LaterSaves, aQuitTriedAgainLeavesTheOtherProgramsVersion)
{
    start();
    replaceByRename("todo.txt", "別の端末で\r\n");
    const QString ini = path("pim.ini");
    fileops::setInjector([ini](fileops::Op op, fileops::Stage, const QString &p) -> std::optional<fileops::Fault> {
        if (op == fileops::Op::Read && p == ini)
            return fileops::Fault{QStringLiteral("locked"), 0};
        return std::nullopt;
    });
    ASSERT_FALSE(session.quitWithSaving().ok);
    fileops::setInjector({});
    ASSERT_TRUE(session.quitWithSaving().ok);
    EXPECT_EQ(readBytes(path("todo.txt")), sjis("別の端末で\r\n"));
}

TEST_F(LaterSaves, aQuitAfterAHandOffWhoseEditorDidNotStartLeavesTheOtherProgramsVersion)
{
    start();
    replaceByRename("todo.txt", "別の端末で\r\n");
    ASSERT_TRUE(session.saveForEditor(DataFile::Tel).ok);
    ASSERT_TRUE(session.quitWithSaving().ok);
    EXPECT_EQ(readBytes(path("todo.txt")), sjis("別の端末で\r\n"));
}

TEST_F(LaterSaves, theScheduleWindowsCloseBoxThenTheQuitLeaveTheOtherProgramsVersion)
{
    start();
    frmSchedule window(session.schedule(), session.repeats(), session.files(), clock, prompter);
    window.show();
    // An entry added and removed again: nothing of this run differs from what was read.
    ASSERT_TRUE(session.schedule().add("2026/12/12", "", "出張", clock.today()));
    replaceByRename("schedule.txt", theirSchedule);
    ASSERT_EQ(session.follow(DataFile::Schedule), Session::Follow::ChangedHere);
    session.schedule().removeAt(1);
    window.close();
    ASSERT_TRUE(session.quitWithSaving().ok);
    EXPECT_EQ(readBytes(path("schedule.txt")), sjis(theirSchedule));
    EXPECT_TRUE(prompter.messages.isEmpty());
}

// Its past entry is still in the other version: it goes to done.txt when a run writes that
// version, not now as well.
TEST_F(LaterSaves, anUnchangedScheduleWithPastEntriesLeavesTheOtherVersionAndDoneTxtAlone)
{
    write("schedule.txt", "昨日,2026/12/08,,,,\r\n会議,2026/12/10,10:00,,,\r\n");
    start();
    const QString theirs = "昨日,2026/12/08,,,,\r\n" + theirSchedule;
    replaceByRename("schedule.txt", theirs);
    ASSERT_TRUE(session.quitWithSaving().ok);
    EXPECT_EQ(readBytes(path("schedule.txt")), sjis(theirs));
    EXPECT_FALSE(QFile::exists(path("done.txt")));
    EXPECT_TRUE(session.files().takeKeptCopies().isEmpty());
}

// The other computer's quit already moved yesterday's entry away: the same bytes on both
// sides are no conflict.
TEST_F(LaterSaves, theSameBytesOnBothSidesKeepNoCopy)
{
    write("schedule.txt", "昨日,2026/12/08,,,,\r\n会議,2026/12/10,10:00,,,\r\n");
    start();
    replaceByRename("schedule.txt", "会議,2026/12/10,10:00,,,\r\n");
    ASSERT_TRUE(session.quitWithSaving().ok);
    EXPECT_TRUE(session.files().takeKeptCopies().isEmpty());
    EXPECT_EQ(readBytes(path("schedule.txt")), sjis("会議,2026/12/10,10:00,,,\r\n"));
}

// The type editor works on a copy that its OK puts back: type.txt is not read again under
// it, and once it is closed the other version comes in.
TEST_F(AppTest, typeTxtIsNotReadAgainWhileTheTypeEditorIsOpen)
{
    writeBytes(path("type.txt"), sjis("携帯\r\n自宅\r\n"));
    startBoard();
    app->folderWatch()->setSettleDelay(20);
    frmTypeEdit &editor = app->typeEditWindow();
    editor.show();
    editor.open();
    replaceByRename(path("type.txt"), "携帯\r\n自宅\r\nFAX\r\n");
    QTest::qWait(150);
    EXPECT_EQ(app->session().phoneTypes().rowCount(), 2) << "read again under the editor";
    editor.findChild<QPushButton *>("cmdClose")->click(); // OK, nothing edited
    EXPECT_TRUE(QTest::qWaitFor([&] { return app->session().phoneTypes().rowCount() == 3; }, 3000));
    ASSERT_TRUE(quit());
    EXPECT_EQ(readBytes(path("type.txt")), sjis("携帯\r\n自宅\r\nFAX\r\n"));
}
