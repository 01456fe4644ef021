// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The sync in the running program: the command around the loaders and the quit's writes,
// its failures, its window, the settings dialog and what the user is told.
#include "common/apphelper.h"
#include "common/testfiles.h"
#include "phonebook/phonebook.h"
#include "schedule/scheduletable.h"
#include "shell/dlgsync.h"
#include "shell/frmsyncrun.h"
#include "text/fileops.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace {

class SyncApp : public AppTest {
protected:
    QTemporaryDir vdir;
    QTemporaryDir out;

    void settings(const QString &command)
    {
        writeBytes(path("pim.ini"), sjis("[Pim]\r\nskipstartup=-1\r\nSyncFolder=" + vdir.path()
                                         + "\r\nSyncCommand=" + command + "\r\n"));
    }
    QString script(const QByteArray &body)
    {
        const QString file = QDir(out.path()).filePath("sync.sh");
        writeBytes(file, body);
        return "/bin/sh " + file;
    }
    void clickWhenShown(const char *window, const char *button)
    {
        QTimer::singleShot(200, [=] {
            for (QWidget *w : QApplication::topLevelWidgets())
                if (w->objectName() == QLatin1String(window) && w->isVisible())
                    w->findChild<QPushButton *>(QLatin1String(button))->click();
        });
    }
};

const QByteArray serverEvent = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:x\r\nBEGIN:VEVENT\r\nUID:srv1\r\n"
                               "DTSTAMP:20261201T000000Z\r\nDTSTART;VALUE=DATE:20261220\r\n"
                               "SUMMARY:server\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";

} // namespace

TEST_F(SyncApp, theCommandRunsBeforeTheLoadersAndAgainAfterEveryFileOfTheQuitIsWritten)
{
    writeBytes(QDir(out.path()).filePath("srv1.ics"), serverEvent);
    // First run: brings an item from "the server"; second: sends the folder and the data.
    settings(script("cd " + QFile::encodeName(out.path()) + "\n"
                    "if [ -f ran ]; then cp -r " + QFile::encodeName(vdir.path()) + " sent;"
                    " cp " + QFile::encodeName(dir.path()) + "/schedule.txt sent/; exit 0; fi\n"
                    "touch ran; mkdir -p " + QFile::encodeName(vdir.path()) + "/calendar\n"
                    "cp srv1.ics " + QFile::encodeName(vdir.path()) + "/calendar/\n"));
    startBoard();
    ASSERT_EQ(schedule().ntschedule(), 1);
    EXPECT_EQ(schedule().at(0).eventinfo, "server");
    schedule().add("2026/12/24", "", "local", clock->today());
    ASSERT_TRUE(quit());
    const QString sent = QDir(out.path()).filePath("sent");
    EXPECT_TRUE(readBytes(sent + "/schedule.txt").contains("local"));
    EXPECT_TRUE(readBytes(sent + "/.kibanu-state").contains("srv1"));
    EXPECT_EQ(QDir(sent + "/calendar").entryList(QDir::Files).size(), 2);
    EXPECT_TRUE(prompter->messages.isEmpty()) << prompter->messages.join('\n').toStdString();
}

TEST_F(SyncApp, aFailingCommandIsToldWithItsLastLinesAndTheProgramGoesOnWithItsFiles)
{
    writeBytes(path("schedule.txt"), sjis("mine,2026/12/24,,,,\r\n"));
    settings(script("echo first\necho 'server said no' >&2\nexit 3\n"));
    startBoard();
    ASSERT_FALSE(prompter->messages.isEmpty());
    const QString told = prompter->messages.first();
    EXPECT_TRUE(told.contains("server said no"));
    EXPECT_TRUE(told.contains(QString::fromUtf8("終了コード 3")));
    EXPECT_EQ(schedule().ntschedule(), 1);

    settings("no-such-sync-program --now");
    AppRun second;
    writeBytes(second.path("pim.ini"), readBytes(path("pim.ini")));
    second.startBoard();
    ASSERT_FALSE(second.prompter->messages.isEmpty());
    EXPECT_TRUE(second.prompter->messages.first().contains(QString::fromUtf8("起動できませんでした")));
}

TEST_F(SyncApp, aCommandThatRunsTooLongIsStoppedAndOneCanBeStoppedByHand)
{
    settings("sleep 20");
    app->setSyncTimeLimit(300);
    QElapsedTimer timer;
    timer.start();
    startBoard();
    EXPECT_LT(timer.elapsed(), 5000);
    ASSERT_FALSE(prompter->messages.isEmpty());
    EXPECT_TRUE(prompter->messages.first().contains(QString::fromUtf8("止めました")));

    // The quit's run, stopped with 中止: the program still ends, its files written.
    prompter->messages.clear();
    clickWhenShown("frmSyncRun", "cmdCancel");
    timer.restart();
    EXPECT_TRUE(quit());
    EXPECT_LT(timer.elapsed(), 5000);
    ASSERT_FALSE(prompter->messages.isEmpty());
    EXPECT_TRUE(prompter->messages.last().contains(QString::fromUtf8("中止しました")));
}

TEST_F(SyncApp, theDialogChecksWhatIsTypedAndPimIniKeepsItForTheNextStart)
{
    startBoard();
    app->todoWindow()->findChild<QAction *>("mnuSync")->trigger();
    dlgSync *dialog = app->syncDialog();
    ASSERT_TRUE(dialog && dialog->isVisible());
    const auto ok = [&] { dialog->findChild<QPushButton *>("cmdOK")->click(); };

    dialog->txtFolder->setText("relative/folder");
    ok();
    EXPECT_TRUE(dialog->isVisible());
    const QString folder = QDir(out.path()).filePath("new vdir");
    dialog->txtFolder->setText(folder);
    dialog->txtCommand->setText("no-such-sync-program sync");
    ok();
    EXPECT_TRUE(dialog->isVisible()); // the folder was made, the command is not there
    EXPECT_TRUE(QFileInfo(folder).isDir());
    dialog->txtCommand->setText("\"/bin/sh\" -c true");
    ok();
    EXPECT_FALSE(dialog->isVisible());
    ASSERT_TRUE(quit());
    const QByteArray ini = readBytes(path("pim.ini"));
    EXPECT_TRUE(ini.contains("SyncFolder=" + QFile::encodeName(folder) + "\r\n"));
    EXPECT_TRUE(ini.contains("SyncCommand=\"/bin/sh\" -c true\r\n"));

    // Cleared: written empty, which is no sync.
    AppRun second;
    writeBytes(second.path("pim.ini"), ini);
    second.startBoard();
    second.app->todoWindow()->findChild<QAction *>("mnuSync")->trigger();
    second.app->syncDialog()->txtFolder->clear();
    second.app->syncDialog()->txtCommand->clear();
    second.app->syncDialog()->findChild<QPushButton *>("cmdOK")->click();
    ASSERT_TRUE(second.quit());
    EXPECT_TRUE(readBytes(second.path("pim.ini")).contains("SyncFolder=\r\nSyncCommand=\r\n"));
}

TEST_F(SyncApp, whatTheFolderCannotGiveIsToldWithTheBoardAndAtTheQuit)
{
    QDir().mkpath(vdir.path() + "/calendar");
    writeBytes(vdir.path() + "/calendar/broken.ics", "BEGIN:VCALENDAR\r\n");
    settings(QString());
    startBoard();
    ASSERT_EQ(prompter->messages.size(), 1);
    EXPECT_TRUE(prompter->messages.first().contains("broken.ics"));

    // A folder that refuses writes: the quit says so and still saves the data files.
    schedule().add("2026/12/24", "", "local", clock->today());
    const QString root = vdir.path();
    fileops::setInjector([root](fileops::Op, fileops::Stage, const QString &p) -> std::optional<fileops::Fault> {
        if (p.startsWith(root))
            return fileops::Fault{"Read-only file system", 0};
        return std::nullopt;
    });
    const bool ended = quit();
    fileops::setInjector({});
    EXPECT_TRUE(ended);
    EXPECT_TRUE(readBytes(path("schedule.txt")).contains("local"));
    EXPECT_TRUE(prompter->messages.last().contains(QString::fromUtf8("書き込めませんでした")));
    EXPECT_TRUE(prompter->messages.last().contains("Read-only file system"));
}

TEST_F(SyncApp, aDataFileThatCannotBeReadTakesNothingFromTheFolderAndDeletesNothingThere)
{
    settings(QString());
    {
        AppRun first;
        writeBytes(first.path("pim.ini"), readBytes(path("pim.ini")));
        first.startBoard();
        phoneentry e;
        e.index = "yamada";
        e.name = "Yamada";
        first.phoneBook().add(e);
        ASSERT_TRUE(first.quit());
        writeBytes(path("tel.txt"), readBytes(first.path("tel.txt")));
    }
    ASSERT_EQ(QDir(vdir.path() + "/contacts").entryList(QDir::Files).size(), 1);
    const QString tel = path("tel.txt");
    fileops::setInjector([tel](fileops::Op op, fileops::Stage, const QString &p) -> std::optional<fileops::Fault> {
        if (p == tel && op == fileops::Op::Read)
            return fileops::Fault{"I/O error", 0};
        return std::nullopt;
    });
    startBoard();
    fileops::setInjector({});
    EXPECT_EQ(phoneBook().ntphone(), 0);
    ASSERT_TRUE(quit());
    EXPECT_EQ(QDir(vdir.path() + "/contacts").entryList(QDir::Files).size(), 1);
}
