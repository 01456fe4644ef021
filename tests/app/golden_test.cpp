// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/apphelper.h"
#include "common/testfiles.h"

namespace {

const QStringList dataFiles{"todo.txt", "closet.txt", "done.txt", "schedule.txt", "tel.txt",
                            "type.txt"};

QByteArray golden(const QString &kind, const QString &name)
{
    return readBytes(QStringLiteral(KIBANU_TEST_DATA "/quit/%1/%2").arg(kind, name));
}

} // namespace

// Files of real shape (empty lines, odd field counts, full-width text, last lines without
// their line end, a line ended by LF alone), loaded and written back by a quit with saving
// on 2026/12/07.
TEST_F(AppTest, quitWithSavingWritesTheFilesItLoadedByteForByte)
{
    for (const QString &name : dataFiles) {
        ASSERT_NE(golden("in", name), QByteArray("<missing>")) << name.toStdString();
        writeBytes(path(name.toLatin1()), golden("in", name));
    }
    startBoard();
    // The one lone LF of closet.txt, from a Linux tool, ends its line and is told.
    ASSERT_EQ(prompter->messages.size(), 1);
    EXPECT_TRUE(prompter->messages[0].contains("LF")) << prompter->messages[0].toStdString();
    EXPECT_TRUE(prompter->messages[0].contains("closet.txt"));
    EXPECT_FALSE(prompter->messages[0].contains("todo.txt"));
    ASSERT_TRUE(quit());
    for (const QString &name : dataFiles)
        EXPECT_EQ(readBytes(path(name.toLatin1())), golden("expected", name)) << name.toStdString();
}

TEST_F(AppTest, filesTheProgramWroteComeBackUnchangedFromTheNextRun)
{
    for (const QString &name : dataFiles)
        writeBytes(path(name.toLatin1()), golden("expected", name));
    startBoard();
    ASSERT_TRUE(quit());
    for (const QString &name : dataFiles)
        EXPECT_EQ(readBytes(path(name.toLatin1())), golden("expected", name)) << name.toStdString();
}
