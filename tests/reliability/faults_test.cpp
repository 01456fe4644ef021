// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Whatever file operation fails during a save, no data is lost: every file on disk is
// either as it was or as it should become, the user is told which one failed, the program
// goes on, and saving again once the fault is gone finishes the job.
#include "childrun.h"
#include "faultplan.h"

#include "common/apphelper.h"
#include "common/testfiles.h"
#include "lists/frmtrash.h"
#include "schedule/frmschedule.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <functional>

namespace {

Files filesOf(const AppRun &run)
{
    return filesIn(run.dir.path());
}

// A day's work on files of real shape: a new to-do, a finished one, something shelved,
// and appointments whose day has passed (they go to done.txt at quit).
void startWithWork(AppRun &run)
{
    writeQuitInput(run.dir.path());
    run.startBoard();
    run.board().setText(13, QStringLiteral("見積書を送る"));
    run.board().setDone(0, true);
    run.shelf().append(QStringLiteral("棚に上げた用事"));
}

struct SaveCase {
    const char *what;
    std::function<void(AppRun &)> save;
};

// For n = 1, 2, ... until the save passes without meeting the fault: the nth file
// operation of the save fails as `kind`.
void sweep(const SaveCase &saveCase, FaultPlan::Kind kind)
{
    Files wanted;
    {
        AppRun reference;
        startWithWork(reference);
        saveCase.save(reference);
        ASSERT_TRUE(reference.quit());
        wanted = filesOf(reference);
    }
    for (int n = 1;; ++n) {
        SCOPED_TRACE(testing::Message() << saveCase.what << ", operation " << n << ", kind " << kind);
        AppRun run;
        startWithWork(run);
        const Files old = filesOf(run);
        const qsizetype told = run.prompter->messages.size();
        QString failedName;
        {
            const FaultPlan plan(n, kind);
            saveCase.save(run);
            failedName = QFileInfo(plan.failedPath()).fileName();
        }
        if (failedName.isEmpty()) {
            ASSERT_GT(n, 1) << "the save touched no file";
            ASSERT_TRUE(run.quit());
            EXPECT_EQ(filesOf(run), wanted);
            return;
        }
        for (const QString &name : dataFiles)
            EXPECT_TRUE(isOldOrNew(name, filesOf(run)[name], old.at(name), wanted.at(name)))
                << name.toStdString() << " is neither as it was nor as it should become";
        ASSERT_GT(run.prompter->messages.size(), told) << "the user was not told";
        EXPECT_TRUE(run.prompter->messages.last().contains(failedName))
            << run.prompter->messages.last().toStdString();
        EXPECT_FALSE(run.app->session().hasEnded());
        EXPECT_TRUE(run.app->todoWindow()->isVisible());
        ASSERT_TRUE(run.quit()) << run.prompter->messages.last().toStdString();
        EXPECT_EQ(filesOf(run), wanted) << "the second quit did not finish the job";
    }
}

const SaveCase quitCase{"quit with saving", [](AppRun &run) { run.quit(); }};
const SaveCase shelfCloseCase{"the shelf window's close box", [](AppRun &run) {
                                  run.app->trashWindow().show();
                                  run.app->trashWindow().close();
                              }};
const SaveCase scheduleCloseCase{"the schedule window's close box", [](AppRun &run) {
                                     run.app->scheduleWindow().show();
                                     run.app->scheduleWindow().close();
                                 }};

class FaultSweep : public ::testing::TestWithParam<FaultPlan::Kind> {};

} // namespace

TEST_P(FaultSweep, aFailingQuitLosesNothingAndTheNextQuitFinishes)
{
    sweep(quitCase, GetParam());
}

TEST_P(FaultSweep, aFailingCloseBoxSaveLosesNothing)
{
    sweep(shelfCloseCase, GetParam());
    sweep(scheduleCloseCase, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Kinds, FaultSweep,
                         ::testing::Values(FaultPlan::NoSpace, FaultPlan::IoError,
                                           FaultPlan::Permission));

// A file that cannot be read at start is reported and then left alone by the quit, while
// every other file is saved.
TEST(ReadFaults, aFileThatFailsToLoadIsReportedAndNeverWritten)
{
    for (int n = 1;; ++n) {
        SCOPED_TRACE(testing::Message() << "read " << n);
        AppRun run;
        QString failedName;
        Files old;
        {
            const FaultPlan plan(n, FaultPlan::IoError);
            startWithWork(run);
            if (!plan.failed()) {
                ASSERT_GE(n, 6) << "the start read fewer than the five files there are";
                return;
            }
            failedName = QFileInfo(plan.failedPath()).fileName();
            old = filesOf(run);
        }
        ASSERT_FALSE(run.prompter->messages.isEmpty());
        // The last of the start's messages names the files it could not read.
        EXPECT_TRUE(run.prompter->messages.last().contains(failedName));
        ASSERT_TRUE(run.quit());
        EXPECT_EQ(filesOf(run)[failedName], old[failedName]) << failedName.toStdString();
    }
}

namespace {

// A stand-in editor that notes every start; one path for every run of a sweep, as pim.ini
// keeps it.
struct StandInEditor {
    StandInEditor()
    {
        writeBytes(program, "#!/bin/sh\necho \"$1\" >> \"" + starts.toUtf8() + "\"\n");
        QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    [[nodiscard]] int count() const
    {
        return QFile::exists(starts) ? int(readBytes(starts).count('\n')) : 0;
    }
    // It starts on its own: true once it has been started that often.
    [[nodiscard]] bool waitFor(int starts) const
    {
        return QTest::qWaitFor([&] { return count() >= starts; }, 5000) && count() == starts;
    }
    QTemporaryDir dir;
    QString program = QDir(dir.path()).filePath("ed");
    QString starts = QDir(dir.path()).filePath("starts");
};

void handOff(AppRun &run, const StandInEditor &editor, DataFile file)
{
    run.app->session().settings().editor = editor.program;
    run.app->editInExternalEditor(file);
}

// The save before the editor starts: whatever write fails, nothing is lost, the editor is
// not started, the program goes on, and handing over again finishes the job.
void sweepHandOff(DataFile file, FaultPlan::Kind kind)
{
    const StandInEditor editor;
    Files wanted;
    {
        AppRun reference;
        startWithWork(reference);
        handOff(reference, editor, file);
        ASSERT_TRUE(reference.app->hasEnded());
        ASSERT_TRUE(editor.waitFor(1));
        wanted = filesOf(reference);
    }
    for (int n = 1;; ++n) {
        SCOPED_TRACE(testing::Message() << dataFileName(file).toStdString() << ", operation " << n << ", kind "
                                        << kind);
        AppRun run;
        startWithWork(run);
        const Files old = filesOf(run);
        const int started = editor.count();
        QString failedName;
        {
            const FaultPlan plan(n, kind);
            handOff(run, editor, file);
            failedName = QFileInfo(plan.failedPath()).fileName();
        }
        if (failedName.isEmpty()) {
            ASSERT_GT(n, 1) << "the hand-off saved nothing";
            EXPECT_TRUE(run.app->hasEnded());
            EXPECT_TRUE(editor.waitFor(started + 1));
            EXPECT_EQ(filesOf(run), wanted);
            return;
        }
        for (const QString &name : dataFiles)
            EXPECT_TRUE(isOldOrNew(name, filesOf(run)[name], old.at(name), wanted.at(name)))
                << name.toStdString();
        EXPECT_TRUE(run.prompter->messages.last().contains(failedName));
        EXPECT_FALSE(run.app->hasEnded());
        handOff(run, editor, file);
        EXPECT_TRUE(run.app->hasEnded());
        EXPECT_TRUE(editor.waitFor(started + 1)) << "the editor was started after a failed save";
        EXPECT_EQ(filesOf(run), wanted);
    }
}

} // namespace

TEST_P(FaultSweep, aFailingSaveBeforeTheEditorStartsNothingAndLosesNothing)
{
    sweepHandOff(DataFile::Schedule, GetParam()); // unchanged this run: left alone
    sweepHandOff(DataFile::Closet, GetParam());   // changed: written first
}

// Handing over the schedule it did not change leaves schedule.txt as it is on disk, its
// past appointments included; every other file is saved as a quit saves it.
TEST(EditorHandOff, savesTheRunButLeavesAnUnchangedHandedFileAsItIs)
{
    const StandInEditor editor;
    Files quitFiles;
    {
        AppRun reference;
        startWithWork(reference);
        reference.app->session().settings().editor = editor.program;
        ASSERT_TRUE(reference.quit());
        quitFiles = filesOf(reference);
    }
    AppRun run;
    startWithWork(run);
    const Files old = filesOf(run);
    handOff(run, editor, DataFile::Schedule);
    ASSERT_TRUE(run.app->hasEnded());
    EXPECT_TRUE(editor.waitFor(1));
    const Files now = filesOf(run);
    EXPECT_EQ(now.at("schedule.txt"), old.at("schedule.txt"));
    for (const char *name : {"todo.txt", "closet.txt", "tel.txt", "type.txt", "pim.ini"})
        EXPECT_EQ(now.at(name), quitFiles.at(name)) << name;
    // done.txt has the finished to-do but not the past appointments, still in schedule.txt.
    EXPECT_GT(now.at("done.txt").size(), old.at("done.txt").size());
    EXPECT_LT(now.at("done.txt").size(), quitFiles.at("done.txt").size());
    EXPECT_TRUE(quitFiles.at("done.txt").startsWith(now.at("done.txt")));
}
