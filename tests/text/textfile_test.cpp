// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/testfiles.h"
#include "text/cp932.h"
#include "text/textfile.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace {

QStringList allLines(const QString &text)
{
    LineReader reader(text);
    QStringList lines;
    while (!reader.atEnd())
        lines.append(reader.readTextLine());
    return lines;
}

// Files of this process cannot grow beyond the limit while it lives: a disk that fills up
// in the middle of a write.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN); // a failed write instead of the end of the process
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit limit{bytes, m_old.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_old); }

private:
    rlimit m_old{};
};

class TextFileTest : public ::testing::Test {
protected:
    QString path(const char *name) const { return QDir(dir.path()).filePath(name); }
    QTemporaryDir dir;
};

} // namespace

TEST(LineReader, endsLinesAtCrLfLoneLfAndLoneCr)
{
    EXPECT_EQ(allLines("a\r\nb\r\n"), QStringList({"a", "b"}));
    EXPECT_EQ(allLines("a\r\n\r\nb"), QStringList({"a", "", "b"}));
    // Files from Linux tools; a lone CR ends a line without eating the next letter.
    EXPECT_EQ(allLines("a\nb\n"), QStringList({"a", "b"}));
    EXPECT_EQ(allLines("a\n\nb"), QStringList({"a", "", "b"}));
    EXPECT_EQ(allLines("a\r\nb\nc\r\n\n"), QStringList({"a", "b", "c", ""}));
    EXPECT_EQ(allLines("ab\rcd\rx"), QStringList({"ab", "cd", "x"}));
    EXPECT_EQ(allLines("a\r\rb"), QStringList({"a", "", "b"}));
    EXPECT_FALSE(hasLoneLineFeeds(u"a\r\nb\r\n"));
    EXPECT_TRUE(hasLoneLineFeeds(u"a\r\nb\n"));
    EXPECT_TRUE(hasLoneLineFeeds(u"\nb"));
    EXPECT_TRUE(allLines("").isEmpty());
    LineReader reader("only\r\n");
    reader.readTextLine();
    EXPECT_EQ(reader.readTextLine(), QString());
}

TEST_F(TextFileTest, readsCp932AndTellsMissingFromUnreadable)
{
    EXPECT_EQ(readTextFile(path("none.txt")).status, TextFileRead::Missing);

    writeBytes(path("ok.txt"), sjis(QString::fromUtf8("予定\r\n")));
    const TextFileRead ok = readTextFile(path("ok.txt"));
    EXPECT_EQ(ok.status, TextFileRead::Ok);
    EXPECT_EQ(ok.text, QString::fromUtf8("予定\r\n"));

    writeBytes(path("bad.txt"), QByteArray("first\r\nsec\x82"));
    const TextFileRead bad = readTextFile(path("bad.txt"));
    EXPECT_EQ(bad.status, TextFileRead::Unreadable);
    EXPECT_EQ(bad.text, QStringLiteral("first\r\nsec"));
    EXPECT_FALSE(bad.error.isEmpty());

    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.txt"));
    EXPECT_EQ(readTextFile(path("folder.txt")).status, TextFileRead::Unreadable);
}

// A desktop editor may have saved the file as UTF-8; some UTF-8 is also valid CP932 and
// some CP932 also valid UTF-8.
TEST(TextFileEncoding, utf8FromADesktopEditorIsReadAsSuchAndCp932StaysCp932)
{
    const QString meeting = QString::fromUtf8("会議,12/31,10:00,,,\r\n");
    ASSERT_TRUE(cp932::decode(meeting.toUtf8()).complete); // the trap: it decodes either way
    TextFileRead read = decodeTextFile(meeting.toUtf8());
    EXPECT_EQ(read.status, TextFileRead::Ok);
    EXPECT_TRUE(read.utf8);
    EXPECT_EQ(read.text, meeting);

    read = decodeTextFile(QByteArray("\xC3\xBD")); // half-width ﾃｽ, also UTF-8 for ý
    EXPECT_FALSE(read.utf8);
    EXPECT_EQ(read.text, QString::fromUtf8("ﾃｽ"));
    read = decodeTextFile(sjis(QString::fromUtf8("会議 ﾃｽﾄ\r\n")));
    EXPECT_FALSE(read.utf8);
    EXPECT_EQ(read.text, QString::fromUtf8("会議 ﾃｽﾄ\r\n"));

    read = decodeTextFile("\xEF\xBB\xBFplain\r\n");
    EXPECT_TRUE(read.utf8);
    EXPECT_EQ(read.text, QStringLiteral("plain\r\n"));
    read = decodeTextFile("\xEF\xBB\xBF\xF0\x9F\x98\x80"); // U+1F600 has no CP932 form
    EXPECT_EQ(read.status, TextFileRead::Unreadable);

    // UTF-8 for U+5218 (no CP932 form) and "b", but whole CP932: the user's CP932 file.
    read = decodeTextFile("\xE5\x88\x98\x62\r\n");
    EXPECT_EQ(read.status, TextFileRead::Ok);
    EXPECT_FALSE(read.utf8);
    EXPECT_EQ(read.text, cp932::decode("\xE5\x88\x98\x62\r\n").text);
    // Invisible characters the encoder would drop at the next save go when read.
    read = decodeTextFile("\xEF\xBB\xBF" "a\xE2\x80\x8B\xEF\xBB\xBF\xE2\x81\xAE" "b");
    EXPECT_EQ(read.text, QStringLiteral("ab"));
}

TEST_F(TextFileTest, writesWholeFilesWithCrLf)
{
    ASSERT_TRUE(writeTextLines(path("out.txt"), {QString::fromUtf8("ｶﾅ漢字"), "", "x"}).ok);
    EXPECT_EQ(readBytes(path("out.txt")), QByteArray("\xB6\xC5\x8A\xBF\x8E\x9A\r\n\r\nx\r\n"));
    ASSERT_TRUE(writeTextLines(path("out.txt"), {}).ok);
    EXPECT_EQ(readBytes(path("out.txt")), QByteArray());
}

TEST_F(TextFileTest, failedWriteLeavesTheOldFileWhole)
{
    writeBytes(path("keep.txt"), "old\r\n");
    const WriteResult emoji = writeTextLines(path("keep.txt"), {QString::fromUtf8("new 😀")});
    EXPECT_FALSE(emoji.ok);
    EXPECT_TRUE(emoji.error.contains(QString::fromUtf8("😀")));
    EXPECT_EQ(readBytes(path("keep.txt")), QByteArray("old\r\n"));

    EXPECT_FALSE(writeTextLines(path("no/such/dir.txt"), {"x"}).ok);
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files) == QStringList({"keep.txt"}));
}

TEST_F(TextFileTest, appendsOneLineAtATime)
{
    ASSERT_TRUE(appendTextLine(path("done.txt"), QString::fromUtf8("2026/12/07済")).ok);
    ASSERT_TRUE(appendTextLine(path("done.txt"), QStringLiteral("2026/12/07")).ok);
    EXPECT_EQ(readBytes(path("done.txt")),
              QByteArray("2026/12/07\x8D\xCF\r\n2026/12/07\r\n"));
    EXPECT_FALSE(appendTextLine(path("done.txt"), QString::fromUtf8("😀")).ok);
    EXPECT_EQ(readBytes(path("done.txt")).size(), 26);
}

TEST_F(TextFileTest, writeThatRunsOutOfSpaceLeavesTheOldFileWholeAndSaysSo)
{
    writeBytes(path("todo.txt"), "old\r\n");
    const QStringList lines(20, QStringLiteral("a line that is long enough to fill the space"));
    WriteResult written;
    {
        FileSizeLimit full(256);
        written = writeTextLines(path("todo.txt"), lines);
    }
    EXPECT_FALSE(written.ok);
    EXPECT_FALSE(written.error.isEmpty());
    EXPECT_EQ(readBytes(path("todo.txt")), QByteArray("old\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"todo.txt"})); // no leftovers
}

TEST_F(TextFileTest, appendAfterALastLineWithoutLineEndKeepsTwoLines)
{
    writeBytes(path("done.txt"), "2026/12/01hand-edited");
    ASSERT_TRUE(appendTextLine(path("done.txt"), QStringLiteral("2026/12/07new")).ok);
    EXPECT_EQ(readBytes(path("done.txt")), QByteArray("2026/12/01hand-edited\r\n2026/12/07new\r\n"));
    writeBytes(path("cr.txt"), "ends in cr\r");
    ASSERT_TRUE(appendTextLine(path("cr.txt"), QStringLiteral("x")).ok);
    EXPECT_EQ(readBytes(path("cr.txt")), QByteArray("ends in cr\rx\r\n"));
    // A lone LF ends its line as CR LF does.
    writeBytes(path("lf.txt"), "2026/12/01a\nb\n");
    ASSERT_TRUE(appendTextLine(path("lf.txt"), QStringLiteral("x")).ok);
    EXPECT_EQ(readBytes(path("lf.txt")), QByteArray("2026/12/01a\nb\nx\r\n"));
}
