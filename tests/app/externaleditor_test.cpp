// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/externaleditor.h"
#include "common/testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

TEST(ExternalEditor, theDefaultMeansTheDesktopsEditorAndAnyOtherPathIsStartedAsIs)
{
    const EditorCommand desktop = editorCommand("C:\\WINDOWS\\notepad.exe", "/p/done.txt");
    EXPECT_EQ(desktop.program, QStringLiteral("xdg-open"));
    EXPECT_EQ(desktop.arguments, QStringList({"/p/done.txt"}));

    // A stand-in editor in a folder with blanks records what it was given.
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("my editor"));
    const QString editor = QDir(dir.path()).filePath("my editor/edit it");
    const QString record = QDir(dir.path()).filePath("args");
    writeBytes(editor, "#!/bin/sh\nprintf '%s|' \"$@\" > \"" + record.toUtf8() + ".tmp\"\n"
                       "mv \"" + record.toUtf8() + ".tmp\" \"" + record.toUtf8() + "\"\n");
    QFile::setPermissions(editor, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString data = QDir(dir.path()).filePath("a b;c.txt"); // nothing a shell would split
    QString error;
    ASSERT_TRUE(startEditor(editorCommand(editor, data), error)) << error.toStdString();
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(record); }, 5000));
    EXPECT_EQ(readBytes(record), data.toUtf8() + "|");

    EXPECT_FALSE(startEditor(editorCommand(QDir(dir.path()).filePath("missing"), data), error));
    EXPECT_FALSE(error.isEmpty());
}
