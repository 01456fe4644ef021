// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/apphelper.h"
#include "common/testfiles.h"
#include "schedule/frmday.h"
#include "schedule/frmschedule.h"
#include "phonebook/frmtel.h"
#include "phonebook/frmtypeedit.h"
#include "shell/frmabout.h"
#include "shell/frmhelp.h"
#include "ui/windows.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QScrollBar>
#include <QTextBrowser>

namespace {

QByteArray golden(const QString &name)
{
    return readBytes(QStringLiteral(KIBANU_TEST_DATA "/ini/%1").arg(name));
}

// The real start: the settings decide about the start-up window.
class Shell : public AppTest {
protected:
    frmTodo *startAsUsers()
    {
        app->start();
        return app->todoWindow();
    }
    bool ticked(const char *name)
    {
        return app->todoWindow()->findChild<QAction *>(QLatin1String(name))->isChecked();
    }
};

} // namespace

TEST_F(Shell, firstStartShowsTheStartupWindowAndWritesEveryKey)
{
    frmTodo *w = startAsUsers();
    EXPECT_NE(app->startupWindow(), nullptr);
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(w->pos(), QPoint(0, 0));
    EXPECT_EQ(w->width(), 533); // 8000 twips
    EXPECT_TRUE(ticked("mnuInsert"));
    EXPECT_TRUE(quit());
    EXPECT_EQ(readBytes(path("pim.ini")), golden("first.expected.ini"));
}

TEST_F(Shell, theStartupSkipChosenFromTheMenuIsKeptForTheNextStart)
{
    frmTodo *w = startAsUsers();
    ASSERT_NE(app->startupWindow(), nullptr);
    w->findChild<QAction *>("mnuStartup")->trigger();
    EXPECT_TRUE(quit());
    EXPECT_TRUE(readBytes(path("pim.ini")).contains("\r\nskipstartup=-1\r\n"));

    KibanuApp again(dir.path(), std::make_unique<FakeClock>(clock->now()),
                    std::make_unique<ScriptedPrompter>());
    again.start();
    EXPECT_EQ(again.startupWindow(), nullptr);
    EXPECT_TRUE(again.todoWindow()->isVisible());
    EXPECT_TRUE(again.todoWindow()->findChild<QAction *>("mnuStartup")->isChecked());
}

// Wayland tells no program where its windows are: the stored place stays, the width
// is still the window's.
TEST_F(Shell, whereThePlatformCannotTellThePlaceTheStoredOneStays)
{
    writeBytes(path("pim.ini"), "[Pim]\r\nLeft= 1500\r\nTop= 750\r\nWidth= 9000\r\nskipstartup=-1\r\n");
    frmTodo *w = startAsUsers();
    app->setPlatformTellsPlace(false);
    w->move(-3, -30); // what such a platform reports
    w->resize(650, w->height());
    ASSERT_TRUE(quit());
    EXPECT_TRUE(readBytes(path("pim.ini")).startsWith("[Pim]\r\nLeft= 1500\r\nTop= 750\r\nWidth= 9750\r\n"))
        << readBytes(path("pim.ini")).toStdString();
}

TEST_F(Shell, storedOptionsAreAppliedAndWrittenBackAsTheProgramKnowsThem)
{
    writeBytes(path("pim.ini"), "[Pim]\r\nLeft= 1500\r\nTop= 750\r\nWidth= 9000\r\n"
                                "EditMode=2\r\nskipstartup=5\r\n");
    frmTodo *w = startAsUsers();
    EXPECT_EQ(app->startupWindow(), nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(ticked("mnuStartup"));
    EXPECT_TRUE(ticked("mnuOverwrite"));
    EXPECT_EQ(w->width(), 600);
    w->mnuInsert_click();
    w->move(200, 100);
    EXPECT_TRUE(quit());
    EXPECT_EQ(readBytes(path("pim.ini")),
              QByteArray("[Pim]\r\nLeft= 3000\r\nTop= 1500\r\nWidth= 9000\r\nEditMode= 1\r\n"
                         "skipstartup=-1\r\neditor=c:\\windows\\notepad.exe\r\n"
                         "Notify= 1\r\nNotifyBefore= 10\r\nNaturalDates= 1\r\nTray= 1\r\nCloseToTray= 0\r\n"));
}

// A second monitor on the left puts the board at negative coordinates: each start places
// it on the same pixel and each quit writes the same twips back.
TEST_F(Shell, aPlaceLeftOfAndAboveThePrimaryScreenStaysPutOverManyRuns)
{
    writeBytes(path("pim.ini"), "[Pim]\r\nLeft=-1500\r\nTop=-752\r\nWidth= 9000\r\n");
    for (int run = 0; run < 3; ++run) {
        AppRun again;
        writeBytes(again.path("pim.ini"), readBytes(path("pim.ini")));
        frmTodo *w = again.startBoard();
        EXPECT_EQ(w->pos(), QPoint(-100, -50)) << "run " << run;
        ASSERT_TRUE(again.quit());
        writeBytes(path("pim.ini"), readBytes(again.path("pim.ini")));
    }
    EXPECT_TRUE(readBytes(path("pim.ini")).startsWith("[Pim]\r\nLeft=-1500\r\nTop=-752\r\n"));
    // A window moved by the user to a pixel of its own is stored as that pixel's twips.
    frmTodo *w = startBoard();
    w->move(-37, -8);
    EXPECT_TRUE(quit());
    EXPECT_TRUE(readBytes(path("pim.ini")).startsWith("[Pim]\r\nLeft=-555\r\nTop=-120\r\n"));
}

TEST_F(Shell, aMaximizedWindowKeepsItsStoredPlace)
{
    writeBytes(path("pim.ini"), "[Pim]\r\nLeft= 1500\r\nTop= 750\r\nWidth= 9000\r\n");
    frmTodo *w = startBoard();
    w->showMaximized();
    EXPECT_TRUE(quit());
    EXPECT_TRUE(readBytes(path("pim.ini")).startsWith("[Pim]\r\nLeft= 1500\r\nTop= 750\r\nWidth= 9000\r\n"));
}

TEST_F(Shell, quitWithoutSavingWritesNothing)
{
    writeBytes(path("todo.txt"), "old\r\n");
    frmTodo *w = startBoard();
    board().setText(0, QStringLiteral("moved"));
    prompter->answers = {true};
    w->mnuJustQuit_Click();
    EXPECT_TRUE(app->hasEnded());
    EXPECT_EQ(readBytes(path("todo.txt")), QByteArray("old\r\n"));
    EXPECT_FALSE(QFile::exists(path("pim.ini")));
}

// The run's work is saved before the editor starts: the open slot, the ticked one, and the
// handed-over schedule with this run's new appointment, which the editor then shows; no
// tomorrow window stands in the way.
TEST_F(Shell, editorGetsTheFileAfterTheRunIsSavedOrNothingHappensWhenItCannotStart)
{
    QTemporaryDir place(QStringLiteral("/tmp/ke-XXXXXX")); // the path must fit the 29 bytes
    ASSERT_TRUE(QDir(place.path()).mkdir("my ed"));
    const QString editor = QDir(place.path()).filePath("my ed/e");
    const QString record = QDir(place.path()).filePath("args");
    writeBytes(editor, "#!/bin/sh\nprintf '%s|' \"$@\" > \"" + record.toUtf8() + "\"\n");
    QFile::setPermissions(editor, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    writeBytes(path("pim.ini"), "[Pim]\r\nEditor=" + editor.toUtf8() + "x\r\n");
    writeBytes(path("todo.txt"), "old\r\nticked\r\n");
    writeBytes(path("schedule.txt"), "tomorrow,12/8,9:00\r\n");
    frmTodo *w = startBoard();
    QTest::mouseDClick(w->findChild<QWidget *>("lblTodo_0"), Qt::LeftButton);
    w->findChild<QLineEdit *>("txtTodo_0")->setText(QStringLiteral("typed")); // still open
    w->findChild<QCheckBox *>("chkTodo_1")->setChecked(true);
    ASSERT_TRUE(app->scheduleWindow().additemdatetime("12/24", "18:00", "party"));

    prompter->answers = {true};
    w->mnuEditSche_Click(); // "...ex" does not exist: nothing is saved
    EXPECT_FALSE(app->hasEnded());
    EXPECT_TRUE(prompter->messages.last().contains(editor + "x"));
    EXPECT_EQ(readBytes(path("todo.txt")), QByteArray("old\r\nticked\r\n"));
    EXPECT_FALSE(readBytes(path("pim.ini")).contains("Left"));

    app->session().settings().editor = editor;
    prompter->answers = {true};
    w->mnuEditSche_Click();
    EXPECT_TRUE(app->hasEnded());
    EXPECT_FALSE(app->tomorrowWindow().isVisible());
    EXPECT_TRUE(readBytes(path("todo.txt")).startsWith("typed\r\n\r\n"));
    EXPECT_TRUE(readBytes(path("done.txt")).endsWith("2026/12/07ticked\r\n"));
    EXPECT_EQ(readBytes(path("schedule.txt")),
              QByteArray("tomorrow,12/8,9:00,,,\r\nparty,2026/12/24,18:00,,,\r\n"));
    EXPECT_TRUE(readBytes(path("pim.ini")).contains("Left"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(record) && QFile(record).size() > 0; }));
    EXPECT_EQ(readBytes(record), path("schedule.txt").toUtf8() + "|");
}

TEST_F(Shell, f1InAnyWindowOpensTheHelpWhereThatWindowIsDescribed)
{
    frmTodo *w = startBoard();
    QTest::keyClick(w, Qt::Key_F1);
    EXPECT_TRUE(!app->helpWindow() || !app->helpWindow()->isVisible());
    EXPECT_TRUE(prompter->messages.value(0).contains("Kibanu.hlp"));

    QByteArray help = "<html><body><a name=\"frmTodo\">board</a>";
    for (int i = 0; i < 300; ++i)
        help += "<p>filler</p>";
    help += "<a name=\"frmTel\">phone book</a><p>電話帳の説明</p></body></html>";
    writeBytes(path("Kibanu.hlp"), help);
    QWidget &tel = app->telWindow();
    tel.show();
    QTest::keyClick(&tel, Qt::Key_F1);
    ASSERT_NE(app->helpWindow(), nullptr);
    EXPECT_TRUE(app->helpWindow()->isVisible());
    auto *browser = app->helpWindow()->findChild<QTextBrowser *>();
    EXPECT_TRUE(browser->toPlainText().contains(QString::fromUtf8("電話帳の説明")));
    EXPECT_GT(browser->verticalScrollBar()->value(), 0); // at the phone book's part
}

// The traced event: typed on the board, filed in the schedule, shown on its day.
TEST_F(Shell, aTypedAppointmentReachesTheScheduleAndIsShownOnItsDay)
{
    clock->set(QDateTime(QDate(2026, 9, 1), QTime(9, 0)));
    startBoard();
    prompter->answers = {true};
    commitSlot(0, QString::fromUtf8("9/20 10:00 歯医者"));
    EXPECT_TRUE(quit());
    EXPECT_TRUE(readBytes(path("schedule.txt")).startsWith(sjis(QString::fromUtf8("歯医者,2026/9/20,10:00"))));

    auto clock2 = std::make_unique<FakeClock>(QDateTime(QDate(2026, 9, 20), QTime(8, 0)));
    KibanuApp again(dir.path(), std::move(clock2), std::make_unique<ScriptedPrompter>());
    again.setSkipStartup(true);
    again.start();
    auto *today = again.todayWindow().findChild<QListView *>("lstSchedule");
    ASSERT_TRUE(again.todayWindow().isVisible());
    EXPECT_EQ(today->model()->index(0, 0).data().toString(), QString::fromUtf8("10:00  歯医者"));
}

TEST_F(Shell, aPlaceOffEveryScreenBecomesTheCornerAndMenusOpenTheirWindows)
{
    writeBytes(path("pim.ini"), "[Pim]\r\nLeft= 900000\r\nTop= 900000\r\n");
    frmTodo *w = startBoard();
    EXPECT_EQ(w->pos(), QPoint(0, 0));
    w->findChild<QAction *>("mnuTypeEdit")->trigger();
    EXPECT_TRUE(app->typeEditWindow().isVisible());
    w->findChild<QAction *>("mnuAbout")->trigger();
    ASSERT_NE(app->aboutWindow(), nullptr);
    EXPECT_TRUE(app->aboutWindow()->isVisible());
}

TEST_F(Shell, aFileSavedAsUtf8IsToldOnceAndSavedInCp932)
{
    writeBytes(path("todo.txt"), QString::fromUtf8("会議の準備\r\n").toUtf8());
    startBoard();
    EXPECT_EQ(board().text(0), QString::fromUtf8("会議の準備"));
    ASSERT_EQ(prompter->messages.size(), 1);
    EXPECT_TRUE(prompter->messages.at(0).contains("todo.txt"));
    EXPECT_TRUE(quit());
    EXPECT_TRUE(readBytes(path("todo.txt")).startsWith(sjis(QString::fromUtf8("会議の準備\r\n"))));
}
