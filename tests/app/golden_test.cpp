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
// their line end), loaded and written back by a quit with saving on 2026/12/07.
TEST_F(AppTest, quitWithSavingWritesTheFilesItLoadedByteForByte)
{
    for (const QString &name : dataFiles) {
        ASSERT_NE(golden("in", name), QByteArray("<missing>")) << name.toStdString();
        writeBytes(path(name.toLatin1()), golden("in", name));
    }
    startBoard();
    EXPECT_TRUE(prompter->messages.isEmpty());
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
