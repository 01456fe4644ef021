// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A quit with saving killed at any point of its writes leaves no file truncated or
// half-written, and the next start reads every file completely.
#include "childrun.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

// What a plain start and quit write from the files as they stand.
Files resaved(const Files &files)
{
    Folder folder(files);
    const Child child = runChild(folder, {QStringLiteral("plain")});
    EXPECT_EQ(child.exitCode, 0) << child.output.toStdString();
    return folder.files();
}

// The number of file operations the child's quit made, as it printed it.
int operationsOf(const Child &child)
{
    const qsizetype at = child.output.lastIndexOf(QStringLiteral("operations: "));
    return at < 0 ? 0 : child.output.mid(at + 12).section(QLatin1Char('\n'), 0, 0).toInt();
}

} // namespace

TEST(KilledQuit, leavesEveryFileWholeAndReadable)
{
    const Files old = Folder().files();
    Files wanted;
    {
        Folder folder;
        const Child child = runChild(folder, {QStringLiteral("work"), QStringLiteral("0")});
        ASSERT_EQ(child.exitCode, 0) << child.output.toStdString();
        wanted = folder.files();
    }
    const Files resavedOld = resaved(old);
    const Files resavedNew = resaved(wanted);

    for (const char *stage : {"start", "written"}) {
        for (int n = 1;; ++n) {
            SCOPED_TRACE(testing::Message() << "killed at operation " << n << " (" << stage << ")");
            Folder folder;
            const Child child = runChild(folder, {QStringLiteral("work"), QString::number(n),
                                                  QString::fromLatin1(stage)});
            if (!child.killed) {
                // A read has no written stage: nothing to kill there.
                ASSERT_EQ(child.exitCode, 0) << child.output.toStdString();
                EXPECT_EQ(folder.files(), wanted);
                if (n <= operationsOf(child))
                    continue;
                ASSERT_GT(n, 6) << child.output.toStdString();
                break;
            }
            const Files after = folder.files();
            for (const QString &name : dataFiles) {
                EXPECT_TRUE(isOldOrNew(name, after.at(name), old.at(name), wanted.at(name)))
                    << name.toStdString() << " was left half-written";
            }
            // The next start reads each file whole: saving it again gives what saving
            // that version of it gives.
            Folder next(after);
            const Child again = runChild(next, {QStringLiteral("plain")});
            ASSERT_EQ(again.exitCode, 0) << again.output.toStdString();
            // Only the old closet.txt's lone LF is told, until a quit writes it with CR LF.
            QStringList told = again.output.split(QLatin1Char('\n')).filter(QStringLiteral("message:"));
            if (after.at(QStringLiteral("closet.txt")) == old.at(QStringLiteral("closet.txt")))
                told = told.filter(QRegularExpression(QStringLiteral("^(?!.*LF だけ)")));
            EXPECT_TRUE(told.isEmpty()) << again.output.toStdString();
            const Files reread = next.files();
            for (const QString &name : dataFiles) {
                if (name == QLatin1String("done.txt"))
                    continue; // appended to, checked above
                const Files &from = after.at(name) == old.at(name) ? resavedOld : resavedNew;
                EXPECT_EQ(reread.at(name), from.at(name)) << name.toStdString();
            }
        }
    }
}
