// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/testfiles.h"
#include "shell/frmhelp.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTextBrowser>

#include <gtest/gtest.h>

// The help's pictures are found beside the help file, wherever that is.
TEST(HelpWindow, picturesBesideTheHelpFileAreShown)
{
    QTemporaryDir dir;
    const QDir folder(dir.path());
    QImage picture(4, 3, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(folder.filePath(QStringLiteral("Kibanu-print.png"))));
    writeBytes(folder.filePath(QStringLiteral("Kibanu.hlp")), "<p><img src=\"Kibanu-print.png\"></p>");
    frmHelp help;
    ASSERT_TRUE(help.showHelp(folder.filePath(QStringLiteral("Kibanu.hlp")), QString()));
    const QVariant shown = help.findChild<QTextBrowser *>()->document()->resource(
        QTextDocument::ImageResource, QUrl(QStringLiteral("Kibanu-print.png")));
    EXPECT_EQ(shown.value<QImage>().size(), QSize(4, 3));
}
