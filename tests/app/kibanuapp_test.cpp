// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/apphelper.h"
#include "common/testfiles.h"
#include "lists/frmtrash.h"
#include "phonebook/dlgtypeedit.h"
#include "phonebook/frmtypeedit.h"
#include "lists/shelflist.h"
#include "schedule/frmschedule.h"

#include <QLineEdit>
#include <QToolButton>

#include <functional>

namespace {

// The files the start reads and the quit writes, in the order of the quit.
struct StoredFile {
    const char *name;
    QByteArray old;     // what the folder holds at start
    QByteArray written; // what the quit writes after changeEverything()
};

const QList<StoredFile> &storedFiles()
{
    static const QList<StoredFile> files{
        {"todo.txt", "old todo\r\n", "new todo\r\n" + QByteArray("\r\n").repeated(13)},
        {"closet.txt", "old shelf\r\n", "old shelf\r\nnew shelf\r\n"},
        {"pim.ini", "[Pim]\r\nEditMode=2\r\n",
         "[Pim]\r\nEditMode= 1\r\nLeft= 0\r\nTop= 0\r\nWidth= 8000\r\nskipstartup= 0\r\n"
         "editor=c:\\windows\\notepad.exe\r\nNotify= 1\r\nNotifyBefore= 10\r\n"
         "NaturalDates= 1\r\nTray= 1\r\nCloseToTray= 0\r\n"},
        {"schedule.txt", "old,2027/1/1,\r\n", "new,2027/1/1,,,,\r\nold,2027/1/1,,,,\r\n"},
        // A line as the program wrote it or not: it goes back as it came. 毎週, 平日 in CP932.
        {"repeat.txt", "old,2027/1/1,,\x96\x88\x8f" "T\r\n",
         "old,2027/1/1,,\x96\x88\x8f" "T\r\nnew,2027/1/4,9:00,\x95\xbd\x93\xfa,,,,,\r\n"},
        {"tel.txt", "old,o,\r\n", "new,n,\r\nold,o,\r\n"},
        {"type.txt", "old\r\n", "new\r\nold\r\n"},
    };
    return files;
}

class QuitOrder : public AppTest, public ::testing::WithParamInterface<int> {
protected:
    void writeOldFiles()
    {
        for (const StoredFile &f : storedFiles())
            writeBytes(path(f.name), f.old);
    }
    void changeEverything()
    {
        board().setText(0, QStringLiteral("new todo"));
        app->todoWindow()->mnuInsert_click(); // pim.ini's EditMode=2 becomes 1
        shelf().append(QStringLiteral("new shelf"));
        ASSERT_TRUE(schedule().add("2027/1/1", "", "new", QDate(2026, 12, 7)));
        app->session().repeats().add({QStringLiteral("new"), QStringLiteral("2027/1/4"),
                                      QStringLiteral("9:00"), QStringLiteral("平日")});
        phoneEntry().index = QStringLiteral("new");
        phoneEntry().name = QStringLiteral("n");
        ASSERT_TRUE(phoneBook().add(phoneEntry()).has_value());
        app->session().phoneTypes().setStringList({QStringLiteral("new"), QStringLiteral("old")});
    }
    phoneentry &phoneEntry() { return m_entry; }

private:
    phoneentry m_entry;
};

} // namespace

TEST_F(AppTest, startsOnAnEmptyFolderAndQuitsThroughTheSavingPath)
{
    frmTodo *w = startBoard();
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(prompter->messages.isEmpty());
    EXPECT_TRUE(quit());
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(readBytes(path("todo.txt")), QByteArray("\r\n").repeated(14));
    EXPECT_EQ(readBytes(path("closet.txt")), QByteArray());
    EXPECT_EQ(readBytes(path("schedule.txt")), QByteArray());
    EXPECT_EQ(readBytes(path("tel.txt")), QByteArray());
    EXPECT_EQ(readBytes(path("type.txt")), QByteArray());
    EXPECT_FALSE(QFile::exists(path("done.txt")));
}

// Each file in turn cannot be replaced: the quit stops there and says which, every file
// before it is written and every file after it is as it was.
TEST_P(QuitOrder, writesTheFilesInTheirOrderAndStopsAtTheOneThatFails)
{
    const int failing = GetParam();
    writeOldFiles();
    startBoard();
    changeEverything();
    const char *name = storedFiles().at(failing).name;
    ASSERT_TRUE(QFile::remove(path(name)));
    ASSERT_TRUE(QDir(dir.path()).mkdir(name)); // a folder cannot be replaced by a file
    EXPECT_FALSE(quit());
    ASSERT_EQ(prompter->messages.size(), 1);
    EXPECT_TRUE(prompter->messages[0].startsWith(QString::fromLatin1(name))) << name;
    for (int i = 0; i < storedFiles().size(); ++i) {
        const StoredFile &f = storedFiles().at(i);
        if (i != failing) {
            EXPECT_EQ(readBytes(path(f.name)), i < failing ? f.written : f.old) << f.name;
        }
    }

    ASSERT_TRUE(QDir(dir.path()).rmdir(name));
    EXPECT_TRUE(quit()); // the second attempt finishes the job
    for (const StoredFile &f : storedFiles())
        EXPECT_EQ(readBytes(path(f.name)), f.written) << f.name;
}

// A file that exists but cannot be read is named at start and never written.
TEST_P(QuitOrder, fileThatCannotBeReadIsReportedOnceAndNeverWritten)
{
    const StoredFile &damaged = storedFiles().at(GetParam());
    writeOldFiles();
    const QByteArray bytes = damaged.old + "cut \x82"; // a double-byte character cut off
    writeBytes(path(damaged.name), bytes);
    startBoard();
    ASSERT_EQ(prompter->messages.size(), 1);
    for (const StoredFile &f : storedFiles())
        EXPECT_EQ(prompter->messages[0].contains(QString::fromLatin1(f.name)), &f == &damaged) << f.name;
    changeEverything();
    QCoreApplication::processEvents(); // as after each thing a user does
    EXPECT_TRUE(quit());
    for (const StoredFile &f : storedFiles())
        EXPECT_EQ(readBytes(path(f.name)), &f == &damaged ? bytes : f.written) << f.name;
    // What the run changed of the damaged file's table is beside it, and the quit says where.
    const QStringList aside = QDir(dir.path()).entryList({"*.unsaved-*"});
    if (QByteArray(damaged.name) == "pim.ini") {
        EXPECT_TRUE(aside.isEmpty()); // settings, not a table
        return;
    }
    const QString stem = QString::fromLatin1(damaged.name).section('.', 0, 0);
    ASSERT_EQ(aside.size(), 1) << damaged.name;
    EXPECT_EQ(aside[0], stem + ".unsaved-20261207-090000.txt");
    EXPECT_TRUE(readBytes(path(aside[0].toLatin1())).contains("new")) << damaged.name;
    EXPECT_TRUE(prompter->messages.last().contains(aside[0]));
    // Once the change was made, the window it was made in said it would not reach the file.
    EXPECT_EQ(prompter->messages.filter("この変更は " + QString::fromLatin1(damaged.name)
                                        + " に保存されません").size(), 1);
}

INSTANTIATE_TEST_SUITE_P(EveryFile, QuitOrder, ::testing::Range(0, 7));

TEST_F(AppTest, failedSaveKeepsTheBoardOpenThroughItsCloseBoxAndARetryAppendsNothingTwice)
{
    frmTodo *w = startBoard();
    board().setText(0, QStringLiteral("finished"));
    board().setDone(0, true);
    board().setText(1, QStringLiteral("pending"));
    // todo.txt turns into a folder after the start: it cannot be replaced.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("todo.txt")));
    w->close();
    EXPECT_TRUE(w->isVisible());
    EXPECT_FALSE(app->session().hasEnded());
    ASSERT_EQ(prompter->messages.size(), 1);
    EXPECT_TRUE(prompter->messages[0].contains(QStringLiteral("todo.txt")));
    EXPECT_EQ(board().text(1), QStringLiteral("pending"));

    ASSERT_TRUE(QDir(dir.path()).rmdir(QStringLiteral("todo.txt")));
    w->findChild<QToolButton *>("cmdClose")->click();
    EXPECT_TRUE(app->session().hasEnded());
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(readBytes(path("done.txt")), QByteArray("2026/12/07finished\r\n"));
    EXPECT_EQ(readBytes(path("todo.txt")),
              QByteArray("\r\npending\r\n") + QByteArray("\r\n").repeated(12));
}

TEST_F(AppTest, nothingIsWrittenAfterTheQuitHasEnded)
{
    frmTodo *w = startBoard();
    EXPECT_TRUE(quit());
    const QByteArray todo = readBytes(path("todo.txt"));
    board().setText(0, QStringLiteral("too late"));
    board().setDone(0, true);
    shelf().append(QStringLiteral("too late"));
    app->quitWithSaving();
    w->close();
    EXPECT_EQ(readBytes(path("todo.txt")), todo);
    EXPECT_EQ(readBytes(path("closet.txt")), QByteArray());
    EXPECT_FALSE(QFile::exists(path("done.txt")));
    EXPECT_TRUE(prompter->messages.isEmpty());
}

// Before the editor opens a file, the save leaves it as it is on disk unless this run
// changed it; files a rewrite would change (hand-made lines) show which happened.
TEST(HandOff, aFileHandedToTheEditorIsWrittenOnlyOnceThisRunChangedIt)
{
    struct Handed {
        DataFile file;
        const char *name;
        QByteArray handMade;
        std::function<void(AppRun &)> keep; // touches the data without changing it
        std::function<void(AppRun &)> change;
        QByteArray written;
    };
    const QList<Handed> files{
        {DataFile::Closet, "closet.txt", "a", [](AppRun &run) { run.app->trashWindow().show(); },
         [](AppRun &run) { run.shelf().append(QStringLiteral("b")); }, "a\r\nb\r\n"},
        {DataFile::Schedule, "schedule.txt", "x,2027/1/5\r\ny,2027/1/6\r\n",
         [](AppRun &run) { run.app->scheduleWindow().show(); },
         [](AppRun &run) { run.schedule().removeAt(0); }, "y,2027/1/6,,,,\r\n"},
        {DataFile::Tel, "tel.txt", "b,n\r\na,m\r\n",
         [](AppRun &run) { run.phoneBook().setName(0, QStringLiteral("m")); }, // as it is
         [](AppRun &run) { run.phoneBook().setPair(1, 0, QStringLiteral("t"), QStringLiteral("1")); },
         "a,m,\r\nb,n,,t,1\r\n"},
    };
    for (const Handed &h : files) {
        AppRun run;
        writeBytes(run.path(h.name), h.handMade);
        run.startBoard();
        h.keep(run);
        ASSERT_TRUE(run.app->session().saveForEditor(h.file).ok);
        EXPECT_EQ(readBytes(run.path(h.name)), h.handMade) << h.name;
        h.change(run);
        ASSERT_TRUE(run.app->session().saveForEditor(h.file).ok);
        EXPECT_EQ(readBytes(run.path(h.name)), h.written) << h.name;
    }
}

// A quit that failed at schedule.txt has already moved the past appointment to done.txt:
// the schedule handed over afterwards must be written without it, or the next quit would
// move it a second time.
TEST_F(AppTest, aScheduleWhosePastEntryWentToDoneIsWrittenBeforeTheHandOff)
{
    writeBytes(path("schedule.txt"), "past,12/1,9:00\r\nlater,12/24,9:00\r\n");
    startBoard();
    ASSERT_TRUE(QFile::remove(path("schedule.txt")));
    ASSERT_TRUE(QDir(dir.path()).mkdir("schedule.txt")); // cannot be replaced by a file
    ASSERT_FALSE(quit());
    ASSERT_TRUE(QDir(dir.path()).rmdir("schedule.txt"));
    ASSERT_TRUE(app->session().saveForEditor(DataFile::Schedule).ok);
    EXPECT_EQ(readBytes(path("schedule.txt")), QByteArray("later,12/24,9:00,,,\r\n"));
    EXPECT_EQ(readBytes(path("done.txt")), QByteArray("12/1past\r\n"));
}

TEST_F(AppTest, closingTheBoardSavesTickedSlotsAndEnds)
{
    frmTodo *w = startBoard();
    board().setText(0, QStringLiteral("done item"));
    board().setText(1, QStringLiteral("open item"));
    QTest::mouseClick(w->findChild<QWidget *>("chkTodo_0"), Qt::LeftButton);
    EXPECT_TRUE(board().isDone(0));
    QTest::mouseDClick(w->findChild<QWidget *>("lblTodo_1"), Qt::LeftButton);
    QTest::keyClicks(w->findChild<QWidget *>("txtTodo_1"), QStringLiteral("!"));
    w->close();
    EXPECT_TRUE(app->session().hasEnded());
    EXPECT_FALSE(w->isVisible());
    // The quit copies an open edit into its slot; hiding the focused box is no focus
    // loss, so no commit analysis runs during the quit.
    EXPECT_TRUE(board().isEditChanged(1));
    EXPECT_EQ(readBytes(path("done.txt")), QByteArray("2026/12/07done item\r\n"));
    EXPECT_EQ(readBytes(path("todo.txt")),
              QByteArray("\r\nopen item!\r\n") + QByteArray("\r\n").repeated(12));
    EXPECT_EQ(readBytes(path("closet.txt")), QByteArray());
}

TEST_F(AppTest, editedTypesSurviveAQuitAndTheNextStart)
{
    writeBytes(path("type.txt"), sjis(QString::fromUtf8("電話\r\n")));
    startBoard();
    frmTypeEdit &editor = app->typeEditWindow();
    editor.open();
    editor.cmdNew_Click();
    editor.typeDialog().findChild<QLineEdit *>("txtType")->setText("FAX");
    editor.typeDialog().cmdOK_Click();
    editor.cmdClose_Click();
    ASSERT_TRUE(quit());
    EXPECT_EQ(readBytes(path("type.txt")), sjis(QString::fromUtf8("電話\r\nFAX\r\n")));

    KibanuApp next(dir.path(), std::make_unique<FakeClock>(clock->now()),
                   std::make_unique<ScriptedPrompter>());
    next.start();
    EXPECT_EQ(next.session().phoneTypes().stringList(),
              QStringList({QString::fromUtf8("電話"), "FAX"}));
}


// Later starts are told to wait from the moment the quit has saved, and not before.
TEST_F(AppTest, theQuitSaysItIsEndingOnlyOnceItHasSaved)
{
    int told = 0;
    app->setQuittingHook([&told] { ++told; });
    startBoard();
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("todo.txt")));
    EXPECT_FALSE(quit());
    EXPECT_EQ(told, 0);
    ASSERT_TRUE(QDir(dir.path()).rmdir(QStringLiteral("todo.txt")));
    EXPECT_TRUE(quit());
    EXPECT_EQ(told, 1);
}
