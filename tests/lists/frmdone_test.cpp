// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/windowrig.h"
#include "common/testfiles.h"
#include "lists/donelist.h"
#include "lists/frmdone.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QTest>


namespace {

class DoneWindow : public ::testing::Test, public WindowRig {
protected:
    frmDone *open()
    {
        w = std::make_unique<frmDone>(lines, path("done.txt"), prompter);
        w->show();
        list = w->findChild<QAbstractItemView *>("lstDone");
        return w.get();
    }
    QStringList items() { return static_cast<DoneList *>(list->model())->stringList(); }
    int selectedRow() { return list->selectionModel()->selectedRows().value(0).row(); }
    DoneList lines;
    std::unique_ptr<frmDone> w;
    QAbstractItemView *list = nullptr;
};

} // namespace

TEST_F(DoneWindow, listsTheFileOldestFirstWithTheNewestSelectedAgainOnEveryRepaint)
{
    writeBytes(path("done.txt"), sjis(QString::fromUtf8("2026/12/01一\r\n2026/12/02二\r\n2026/12/03三\r\n")));
    frmDone *w = open();
    EXPECT_EQ(w->windowTitle(), QString::fromUtf8("何をしたか"));
    EXPECT_EQ(items(), QStringList({QString::fromUtf8("2026/12/01一"), QString::fromUtf8("2026/12/02二"),
                                    QString::fromUtf8("2026/12/03三")}));
    EXPECT_EQ(selectedRow(), 2);
    list->setCurrentIndex(list->model()->index(0, 0));
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(w, &activate);
    EXPECT_EQ(selectedRow(), 2);
}

// Years of lines: the window still opens at the newest one, not only with it current.
TEST_F(DoneWindow, opensScrolledToTheNewestLineOfALongLog)
{
    QByteArray bytes;
    for (int i = 0; i < 3000; ++i)
        bytes += "2026/12/01 line " + QByteArray::number(i) + "\r\n";
    writeBytes(path("done.txt"), bytes);
    open();
    QApplication::processEvents();
    const QModelIndex last = list->model()->index(2999, 0);
    EXPECT_EQ(list->currentIndex(), last);
    EXPECT_TRUE(list->viewport()->rect().contains(list->visualRect(last)));

    // The keys of a list: Home and End go to its ends, Up and Down by a line.
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Home);
    EXPECT_EQ(selectedRow(), 0);
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(selectedRow(), 1);
    QTest::keyClick(list, Qt::Key_End);
    EXPECT_EQ(selectedRow(), 2999);
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_EQ(selectedRow(), 2998);
}

TEST_F(DoneWindow, deleteRemovesFromTheListOnlyForThisRun)
{
    const QByteArray done("2026/12/01a\r\n2026/12/02b\r\n");
    writeBytes(path("done.txt"), done);
    open();
    prompter.answers = {false, true};
    QTest::keyClick(list, Qt::Key_Delete);
    EXPECT_EQ(prompter.messages.last(), QString::fromUtf8("2026/12/02bを削除します"));
    EXPECT_EQ(items().size(), 2);
    QTest::keyClick(list, Qt::Key_Delete);
    EXPECT_EQ(items(), QStringList({"2026/12/01a"}));
    EXPECT_EQ(readBytes(path("done.txt")), done);
}

TEST_F(DoneWindow, emptyOrMissingFileGivesAnEmptyListAndDeleteDoesNothing)
{
    open();
    EXPECT_TRUE(items().isEmpty());
    QTest::keyClick(list, Qt::Key_Delete);
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST(DoneWindowAlone, doneFileThatCannotBeReadIsToldWhenTheWindowOpens)
{
    QTemporaryDir dir;
    const QString file = QDir(dir.path()).filePath("done.txt");
    ASSERT_TRUE(QDir(dir.path()).mkdir("done.txt")); // exists, but no file can be read there
    DoneList lines;
    ScriptedPrompter prompter;
    frmDone w(lines, file, prompter);
    w.show();
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages[0].startsWith(QStringLiteral("done.txt")));
    w.hide();
    w.show(); // read once per run, told once
    EXPECT_EQ(prompter.messages.size(), 1);

    DoneList missing;
    frmDone quiet(missing, QDir(dir.path()).filePath("none.txt"), prompter);
    quiet.show();
    EXPECT_EQ(prompter.messages.size(), 1); // a missing file is no fault
}

// A CP932 done log is cut into lines on its bytes and each line decoded on its own: the
// lines must be those of the whole decoded text, whatever the line ends, trail bytes and
// faults, also a lead byte or an unassigned pair just before a line end.
