// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the program tells of data files other programs made, from the start to the quit.
#include "common/apphelper.h"
#include "common/testfiles.h"

#include <QCoreApplication>

// A phone book an editor saved as UTF-8 with characters CP932 lacks: named with their lines
// at start, the first change said not to reach the file, the run's version saved beside it.
TEST_F(AppTest, aTelThatCannotBeSavedSaysWhyAndKeepsTheRunsChangesBesideIt)
{
    const QByteArray utf8 =
        QString::fromUtf8("aoki,青木,取引先,携帯,090\r\n\r\nyoshi,𠮷田,,携帯,080\r\n").toUtf8();
    writeBytes(path("tel.txt"), utf8);
    startBoard();
    ASSERT_EQ(prompter->messages.size(), 1);
    EXPECT_TRUE(prompter->messages[0].contains(
        QString::fromUtf8("tel.txt の 3 行目の「𠮷」は Shift-JIS で保存できません")))
        << prompter->messages[0].toStdString();

    phoneentry added;
    added.index = "ueda";
    added.name = QString::fromUtf8("上田");
    ASSERT_TRUE(phoneBook().add(added).has_value());
    QCoreApplication::processEvents();
    ASSERT_EQ(prompter->messages.size(), 2);
    EXPECT_TRUE(prompter->messages[1].startsWith(
        QString::fromUtf8("tel.txt は読み込めなかったため、この変更は tel.txt に保存されません。")));
    added.index = "kato";
    ASSERT_TRUE(phoneBook().add(added).has_value());
    QCoreApplication::processEvents();
    EXPECT_EQ(prompter->messages.size(), 2); // once a run

    ASSERT_TRUE(quit());
    EXPECT_EQ(readBytes(path("tel.txt")), utf8);
    const QString aside = QStringLiteral("tel.unsaved-20261207-090000.txt");
    EXPECT_TRUE(QString::fromUtf8(readBytes(path(aside.toLatin1()))).contains(QString::fromUtf8("上田")));
    ASSERT_EQ(prompter->messages.size(), 3);
    EXPECT_TRUE(prompter->messages[2].contains(QStringLiteral("tel.txt → ") + aside));
    EXPECT_TRUE(prompter->messages[2].contains(QStringLiteral("UTF-8")));
}

TEST_F(AppTest, theStartSaysHowManyLinesOfTodoWentToTheShelf)
{
    writeBytes(path("todo.txt"), QByteArray("a\r\n").repeated(14) + "b\r\nc\r\n");
    startBoard();
    EXPECT_EQ(prompter->messages,
              QStringList{QString::fromUtf8("todo.txt の 15 行目以降の 2 件をたな上げに移しました。")});
    EXPECT_EQ(shelf().stringList(), QStringList({"b", "c"}));
}
