// Whatever file operation fails during a save, no data is lost: every file on disk is
// either as it was or as it should become, the user is told which one failed, the program
// goes on, and saving again once the fault is gone finishes the job.
#include "childrun.h"
#include "faultplan.h"

#include "common/apphelper.h"
#include "common/testfiles.h"
#include "lists/frmtrash.h"
#include "schedule/frmschedule.h"

#include <QFileInfo>

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
        EXPECT_TRUE(run.prompter->messages.first().contains(failedName));
        ASSERT_TRUE(run.quit());
        EXPECT_EQ(filesOf(run)[failedName], old[failedName]) << failedName.toStdString();
    }
}

// Editing a file in the external editor ends the program without touching any file.
TEST(EditorHandOff, touchesNoFile)
{
    AppRun run;
    startWithWork(run);
    const Files old = filesOf(run);
    run.app->session().settings().editor = QStringLiteral("/bin/true");
    run.prompter->answers = {true};
    const FaultPlan plan(1, FaultPlan::Permission);
    run.app->editInExternalEditor(DataFile::Todo);
    EXPECT_TRUE(run.app->hasEnded());
    EXPECT_EQ(plan.operations(), 0);
    EXPECT_EQ(filesOf(run), old);
}
