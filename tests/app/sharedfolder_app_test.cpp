// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The windows while other programs write the program folder.
#include "app/folderwatch.h"
#include "common/apphelper.h"
#include "common/sharedfolderrig.h"
#include "phonebook/frmaddphone.h"
#include "phonebook/frmtel.h"
#include "schedule/frmschedule.h"
#include "store/backups.h"

#include <QDesktopServices>
#include <QFile>
#include <QLabel>
#include <QListView>
#include <QMenuBar>
#include <QSignalSpy>

namespace {

// QtTest's QTRY macros report to QtTest, not to this test: a wait of our own.
bool eventually(const std::function<bool()> &condition)
{
    return QTest::qWaitFor(condition, 3000);
}

class Folder : public AppTest {
protected:
    Folder()
    {
        write("todo.txt", "電話する\r\n");
        write("schedule.txt", "会議,2026/12/10,10:00,,,\r\n");
        write("tel.txt", "aoki,青木,,携帯,090-1111-2222\r\nueda,上田,,\r\n");
    }
    void write(const char *name, const QString &text) { writeBytes(path(name), sjis(text)); }
    void replaceByRename(const char *name, const QString &text) { ::replaceByRename(path(name), text); }
    void startWatched()
    {
        startBoard();
        ASSERT_NE(app->folderWatch(), nullptr);
        app->folderWatch()->setSettleDelay(20);
    }
    // Until the watch has looked at the folder after what was done before.
    bool looksAgain()
    {
        QSignalSpy looked(app->folderWatch(), &FolderWatch::looked);
        return looked.wait(3000);
    }
    template <typename T> T *in(QWidget &window, const char *name)
    {
        return window.findChild<T *>(QLatin1String(name));
    }
};

} // namespace

TEST_F(Folder, theOpenWindowsFollowFilesAnotherProgramReplaced)
{
    startWatched();
    frmSchedule &schedule = app->scheduleWindow();
    schedule.show();
    frmTel &tel = app->telWindow();
    tel.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&tel)); // activation selects afresh
    // The activations settle first: with both windows the board's, the test platform
    // hands the activation from the schedule to the phone book once more.
    QTest::qWait(100);
    ASSERT_TRUE(tel.isActiveWindow());
    auto *index = in<QListView>(tel, "lstIndex");
    index->setCurrentIndex(index->model()->index(1, 0)); // ueda
    ASSERT_EQ(in<QLabel>(tel, "lblName")->text(), "上田");

    replaceByRename("schedule.txt", "会議,2026/12/10,10:00,,,\r\n歯医者,2026/12/11,15:00,,,\r\n");
    replaceByRename("tel.txt", "aoki,青木,,\r\nsato,佐藤,,\r\nueda,上田 課長,,\r\n");
    replaceByRename("todo.txt", "電話する\r\n別の端末で書いた\r\n");
    auto *list = in<QListView>(schedule, "lstSchedule");
    EXPECT_TRUE(eventually([&] { return list->model()->rowCount() == 2; })) << "list->model()->rowCount()";
    EXPECT_TRUE(eventually([&] { return index->model()->rowCount() == 3; })) << "index->model()->rowCount()";
    EXPECT_TRUE(eventually([&] { return board().text(1) == QStringLiteral("別の端末で書いた"); })) << "board().text(1)";
    // The entry shown before is shown again, as the file now has it.
    EXPECT_EQ(index->currentIndex().row(), 2);
    EXPECT_EQ(in<QLabel>(tel, "lblName")->text(), "上田 課長");
    EXPECT_TRUE(prompter->messages.isEmpty());
}

TEST_F(Folder, aReloadWaitsWhileADialogIsOpenAndNeverTakesDataThisRunChanged)
{
    startWatched();
    frmTel &tel = app->telWindow();
    tel.show();
    in<QListView>(tel, "lstIndex")->setCurrentIndex(phoneBook().list().index(0));
    in<QWidget>(tel, "cmdAdd")->setProperty("focus", true);
    QMetaObject::invokeMethod(&tel, [&tel] { tel.cmdAdd_Click(); }, Qt::QueuedConnection);
    ASSERT_TRUE(eventually([&] { return app->addPhoneDialog().isVisible(); }));
    replaceByRename("tel.txt", "sato,佐藤,,\r\n");
    ASSERT_TRUE(looksAgain());
    EXPECT_EQ(phoneBook().ntphone(), 2) << "read again under an open dialog";
    app->addPhoneDialog().close();
    EXPECT_TRUE(eventually([&] { return phoneBook().ntphone() == 1; })) << "phoneBook().ntphone()";

    // Changed here and there: this run's data stay, and the quit keeps both.
    board().setText(0, QStringLiteral("書き換えた"));
    replaceByRename("todo.txt", "別の端末で書いた\r\n");
    ASSERT_TRUE(looksAgain());
    EXPECT_EQ(board().text(0), "書き換えた");
    ASSERT_TRUE(quit());
    EXPECT_TRUE(readBytes(path("todo.txt")).startsWith(sjis("書き換えた\r\n")));
    EXPECT_EQ(readBytes(path("todo.conflict-20261207-090000.txt")), sjis("別の端末で書いた\r\n"));
    ASSERT_EQ(prompter->messages.size(), 1);
    EXPECT_TRUE(prompter->messages[0].contains(
        "todo.txt は他のプログラムにより変更されていたため、その内容を todo.conflict-20261207-090000.txt に残しました。"));
}

// A change of this run undone again (a mark taken off): the file follows the disk after all.
TEST_F(Folder, aChangeUndoneHereLetsTheFileFollowTheDisk)
{
    startWatched();
    app->folderWatch()->setRecheckDelay(30);
    board().setDone(3, true);
    replaceByRename("todo.txt", "別の端末で書いた\r\n");
    ASSERT_TRUE(looksAgain());
    EXPECT_EQ(board().text(0), "電話する");
    board().setDone(3, false);
    EXPECT_TRUE(eventually([&] { return board().text(0) == QStringLiteral("別の端末で書いた"); }));
}

TEST_F(Folder, conflictCopiesOfSyncToolsAreNamedOnceAtStart)
{
    write("tel (1).txt", "sato,佐藤,,\r\n");
    write("schedule.sync-conflict-20261206-101010-ABCDEFG.txt", "");
    startBoard();
    ASSERT_EQ(prompter->messages.size(), 1);
    EXPECT_TRUE(prompter->messages[0].contains("tel (1).txt"));
    EXPECT_TRUE(prompter->messages[0].contains("schedule.sync-conflict-20261206-101010-ABCDEFG.txt"));
}

TEST_F(Folder, aFailedBackupIsToldOnceAndTheQuitFinishes)
{
    write("closet.txt", "古い\r\n");
    startBoard();
    board().setText(0, QStringLiteral("新しい"));
    shelf().append(QStringLiteral("棚"));
    write("backup", "a file where the folder would be");
    ASSERT_TRUE(quit());
    ASSERT_EQ(prompter->messages.size(), 1);
    EXPECT_TRUE(prompter->messages[0].contains("todo.txt"));
    EXPECT_TRUE(prompter->messages[0].contains("closet.txt"));
    EXPECT_TRUE(readBytes(path("todo.txt")).startsWith(sjis("新しい\r\n")));
}

namespace {

struct UrlCatcher : QObject {
    Q_OBJECT
public slots:
    void open(const QUrl &url) { opened.append(url); }

public:
    QList<QUrl> opened;
};

} // namespace

TEST_F(Folder, theFileMenuOpensTheBackupFolder)
{
    startBoard();
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("file", &catcher, "open");
    auto *action = app->todoWindow()->menuBar()->findChild<QAction *>("mnuBackupFolder");
    ASSERT_NE(action, nullptr);
    action->trigger();
    QDesktopServices::unsetUrlHandler("file");
    ASSERT_EQ(catcher.opened.size(), 1);
    EXPECT_EQ(catcher.opened[0].toLocalFile(), backups::folderPath(dir.path()));
    EXPECT_TRUE(QFileInfo(backups::folderPath(dir.path())).isDir());
}

#include "sharedfolder_app_test.moc"
