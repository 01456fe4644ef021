// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// ﾌｧｲﾙ → PDFに書き出す: the choice, the file, the pages; nothing else is written.
#include "common/apphelper.h"
#include "common/testfiles.h"
#include "print/dlgprint.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTimer>

namespace {

// Chooses in the dialog once it is open, then OK.
void chooseWhenOpen(const char *option)
{
    QTimer::singleShot(0, [option] {
        auto *dialog = qobject_cast<dlgPrint *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QRadioButton *>(option)->click();
        dialog->accept();
    });
}

} // namespace

TEST_F(AppTest, theBoardAsPdfHoldsItsSlotsAndTheDataFilesStayAsTheyWere)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (Debian poppler-utils) is not installed";
    frmTodo *w = startBoard();
    board().setText(3, QString::fromUtf8("請求書を送る"));
    const QString pdf = QDir(dir.path()).filePath(QStringLiteral("board.pdf"));
    const auto files = [this] {
        QStringList bytes;
        for (const QString &name : QDir(dir.path()).entryList(QDir::Files))
            bytes << name + u':' + QString::fromLatin1(readBytes(path(name.toUtf8().constData())).toHex());
        return bytes;
    };
    const QStringList before = files();
    prompter->files = {pdf};
    chooseWhenOpen("optBoard");
    w->findChild<QAction *>(QStringLiteral("mnuPdf"))->trigger();
    QProcess text;
    text.start(QStandardPaths::findExecutable(QStringLiteral("pdftotext")), {pdf, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(30000));
    const QString out = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_TRUE(out.contains(QString::fromUtf8("ボード"))) << out.toStdString();
    EXPECT_TRUE(out.contains(QString::fromUtf8("請求書を送る"))) << out.toStdString();
    QStringList after = files();
    after.removeIf([](const QString &f) { return f.startsWith(QStringLiteral("board.pdf:")); });
    EXPECT_EQ(after, before);
    EXPECT_EQ(prompter->messages, QStringList{QString::fromUtf8("PDFに書き出す")}); // the file's title
}

// A PDF that cannot be written is said, with its name.
TEST_F(AppTest, aPdfThatCannotBeWrittenIsSaid)
{
    frmTodo *w = startBoard();
    const QString pdf = QDir(dir.path()).filePath(QStringLiteral("no/folder/x.pdf"));
    prompter->files = {pdf};
    chooseWhenOpen("optSchedule");
    w->findChild<QAction *>(QStringLiteral("mnuPdf"))->trigger();
    EXPECT_EQ(prompter->messages.value(1), pdf + QString::fromUtf8(" に書き出せませんでした。"));
}
