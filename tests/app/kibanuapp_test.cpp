#include "lists/shelflist.h"
#include "board/todoboard.h"
#include "common/apphelper.h"
#include "common/testfiles.h"

TEST_F(AppTest, startsOnAnEmptyFolderAndQuitsThroughTheSavingPath)
{
    frmTodo *w = startBoard();
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(prompter->messages.isEmpty());
    EXPECT_TRUE(quit());
    EXPECT_TRUE(app->session().hasEnded());
    EXPECT_EQ(readBytes(path("todo.txt")), QByteArray("\r\n").repeated(14));
    EXPECT_EQ(readBytes(path("closet.txt")), QByteArray());
    EXPECT_FALSE(QFile::exists(path("done.txt")));
}

TEST_F(AppTest, fileThatCannotBeReadIsReportedOnceAndNeverWritten)
{
    const QByteArray damaged("first\r\nbad \x82");
    writeBytes(path("todo.txt"), damaged);
    writeBytes(path("closet.txt"), "shelved\r\n");
    startBoard();
    ASSERT_EQ(prompter->messages.size(), 1);
    EXPECT_TRUE(prompter->messages[0].contains(QStringLiteral("todo.txt")));
    EXPECT_FALSE(prompter->messages[0].contains(QStringLiteral("closet.txt")));
    EXPECT_EQ(board().text(0), QStringLiteral("first"));
    shelf().append(QStringLiteral("more"));
    EXPECT_TRUE(quit());
    EXPECT_EQ(readBytes(path("todo.txt")), damaged);
    EXPECT_EQ(readBytes(path("closet.txt")), QByteArray("shelved\r\nmore\r\n"));
    EXPECT_EQ(prompter->messages.size(), 1);
}

TEST_F(AppTest, failedSaveKeepsTheProgramOpenAndARetryAppendsNothingTwice)
{
    startBoard();
    board().setText(0, QStringLiteral("finished"));
    board().setDone(0, true);
    board().setText(1, QStringLiteral("pending"));
    // todo.txt turns into a folder after the start: it cannot be replaced.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("todo.txt")));
    EXPECT_FALSE(quit());
    EXPECT_FALSE(app->session().hasEnded());
    ASSERT_EQ(prompter->messages.size(), 1);
    EXPECT_TRUE(prompter->messages[0].contains(QStringLiteral("todo.txt")));
    EXPECT_EQ(board().text(1), QStringLiteral("pending"));

    ASSERT_TRUE(QDir(dir.path()).rmdir(QStringLiteral("todo.txt")));
    EXPECT_TRUE(quit());
    EXPECT_EQ(readBytes(path("done.txt")), QByteArray("2026/12/07finished\r\n"));
    EXPECT_EQ(readBytes(path("todo.txt")),
              QByteArray("\r\npending\r\n") + QByteArray("\r\n").repeated(12));
}
