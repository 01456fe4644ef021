// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A full disk and a read-only program folder at quit, as a user meets them: the program
// runs in a mount namespace of its own over a small tmpfs or a read-only bind mount.
#include "childrun.h"

#include <gtest/gtest.h>

namespace {

bool mountsAllowed()
{
    return runProgram(QStringLiteral("unshare"),
                      {"--mount", "--map-root-user", "true"}).exitCode == 0;
}

// Runs the shell script as root of a new mount namespace: $1 is the folder, $2 the child,
// the child's arguments follow.
Child runMounted(const Folder &folder, const QString &script, const QStringList &childArgs)
{
    return runProgram(QStringLiteral("unshare"),
                      QStringList{"--mount", "--map-root-user", "sh", "-c", script, "sh",
                                  folder.dir.path(), QStringLiteral(KIBANU_QUITCHILD)}
                          + childArgs);
}

Files wantedFiles()
{
    Folder folder;
    const Child child = runChild(folder, {QStringLiteral("work"), QStringLiteral("0")});
    EXPECT_EQ(child.exitCode, 0) << child.output.toStdString();
    return folder.files();
}

} // namespace

// The disk fills up before the quit; the user is told, makes room, and quits again.
TEST(FullDisk, theQuitStopsWithTheReasonAndFinishesOnceThereIsRoom)
{
    if (!mountsAllowed())
        GTEST_SKIP() << "this machine does not allow a mount namespace (unshare --mount "
                        "--map-root-user), so no small tmpfs can be made";
    const Files wanted = wantedFiles();
    Folder folder;
    // The files move onto a small tmpfs that a filler then fills; what is left is copied
    // back once the child is done.
    const QString script = QStringLiteral(
        "set -e; dir=$1; child=$2; shift 2; mkdir \"$dir/disk\"; "
        "mount -t tmpfs -o size=64k tmpfs \"$dir/disk\"; "
        "find \"$dir\" -maxdepth 1 -type f -exec cp {} \"$dir/disk/\" \\; ; "
        "dd if=/dev/zero of=\"$dir/disk/filler\" bs=1024 2>/dev/null || true; "
        "set +e; \"$child\" \"$dir/disk\" \"$@\"; rc=$?; "
        "find \"$dir/disk\" -maxdepth 1 -type f ! -name filler -exec cp {} \"$dir/\" \\; ; "
        "exit $rc");
    const Child child = runMounted(folder, script, {"work", "0", "start", "retry", "filler"});
    ASSERT_EQ(child.exitCode, 0) << child.output.toStdString();
    EXPECT_TRUE(child.output.contains(QStringLiteral("を保存できませんでした")))
        << "the full disk went unnoticed: " << child.output.toStdString();
    EXPECT_TRUE(child.output.contains(QStringLiteral("No space left on device")))
        << child.output.toStdString();
    EXPECT_EQ(folder.files(), wanted);
}

// The folder became read-only: nothing changes, the user is told, the program goes on.
TEST(ReadOnlyFolder, theQuitChangesNothingAndTheProgramGoesOn)
{
    if (!mountsAllowed())
        GTEST_SKIP() << "this machine does not allow a mount namespace (unshare --mount "
                        "--map-root-user), so the folder cannot be made read-only";
    Folder folder;
    const Files old = folder.files();
    const QString script = QStringLiteral(
        "set -e; mount --bind \"$1\" \"$1\"; mount -o remount,bind,ro \"$1\"; "
        "set +e; \"$2\" \"$1\" work 0");
    const Child child = runMounted(folder, script, {});
    EXPECT_EQ(child.exitCode, 2) << "the program ended: " << child.output.toStdString();
    EXPECT_TRUE(child.output.contains(QStringLiteral("done.txt を保存できませんでした")))
        << child.output.toStdString();
    EXPECT_EQ(folder.files(), old);
}
