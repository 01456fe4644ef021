// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/testfiles.h"
#include "text/fileops.h"
#include "text/readahead.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace {

// Notes every read the fault injector is asked about, and on which thread; fails the ones
// it is told to.
class ReadAheadTest : public ::testing::Test {
protected:
    ReadAheadTest()
    {
        fileops::setInjector([this](fileops::Op, fileops::Stage, const QString &) {
            ++asked;
            if (std::this_thread::get_id() != testThread)
                ++askedElsewhere;
            return failReads ? std::optional(fileops::Fault{QStringLiteral("Permission denied")})
                             : std::nullopt;
        });
    }
    ~ReadAheadTest() override { fileops::setInjector({}); }

    QString path(const char *name) const { return QDir(dir.path()).filePath(name); }
    // Starts a read ahead and waits until it has read.
    void startAndLetRun(const QString &file)
    {
        const int before = made;
        ahead.start(file, [this](const FileBytes &f) {
            ++made;
            return QString::fromLatin1(f.bytes);
        });
        for (int waited = 0; made == before && waited < 5000; ++waited)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        ASSERT_GT(made, before);
    }

    QTemporaryDir dir;
    ReadAhead<QString> ahead;
    const std::thread::id testThread = std::this_thread::get_id();
    std::atomic<int> asked = 0;
    std::atomic<int> askedElsewhere = 0;
    std::atomic<int> made = 0;
    bool failReads = false;
};

} // namespace

TEST_F(ReadAheadTest, theTurnAsksOnceOnItsOwnThreadAndTakesWhatWasMadeOfTheSameBytes)
{
    writeBytes(path("tel.txt"), "abc\r\n");
    startAndLetRun(path("tel.txt"));
    EXPECT_EQ(asked, 0); // the read ahead asks nothing: the turn does, in the loaders' order

    const auto taken = ahead.take(path("tel.txt"));
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(askedElsewhere, 0);
    EXPECT_EQ(taken.file.bytes, QByteArray("abc\r\n"));
    ASSERT_TRUE(taken.made.has_value());
    EXPECT_EQ(*taken.made, QStringLiteral("abc\r\n"));
    EXPECT_EQ(made, 1);

    // Once taken, a second turn reads again.
    EXPECT_FALSE(ahead.take(path("tel.txt")).made.has_value());
}

TEST_F(ReadAheadTest, aFileChangedSinceOrAReadRefusedAtTheTurnIsReadAtTheTurn)
{
    writeBytes(path("tel.txt"), "old\r\n");
    startAndLetRun(path("tel.txt"));
    writeBytes(path("tel.txt"), "newer\r\n");
    const auto changed = ahead.take(path("tel.txt"));
    EXPECT_FALSE(changed.made.has_value());
    EXPECT_EQ(changed.file.bytes, QByteArray("newer\r\n"));

    startAndLetRun(path("tel.txt"));
    failReads = true;
    const auto refused = ahead.take(path("tel.txt"));
    EXPECT_FALSE(refused.made.has_value());
    EXPECT_FALSE(refused.file.ok);
    EXPECT_EQ(refused.file.error, QStringLiteral("Permission denied"));

    failReads = false;
    startAndLetRun(path("tel.txt"));
    const auto other = ahead.take(path("schedule.txt")); // not the file read ahead
    EXPECT_FALSE(other.made.has_value());
    EXPECT_FALSE(other.file.exists);
}
