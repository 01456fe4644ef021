// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Documents written as PDF and read back with poppler's tools.
#include "board/todoboard.h"
#include "phonebook/phonebook.h"
#include "print/printcontent.h"
#include "schedule/repeattable.h"
#include "schedule/scheduletable.h"
#include "print/printpages.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The output of one of poppler's tools on the file, or nothing when the tool is missing.
std::optional<QString> poppler(const char *tool, QStringList args)
{
    const QString program = QStandardPaths::findExecutable(QLatin1String(tool));
    if (program.isEmpty())
        return std::nullopt;
    QProcess p;
    p.start(program, args);
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

class PrintPages : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            GTEST_SKIP() << "pdftotext (Debian poppler-utils) is not installed";
    }
    QString pdf() const { return QDir(dir.path()).filePath(QStringLiteral("out.pdf")); }
    QString text(int page = 0) const
    {
        QStringList args{QStringLiteral("-layout")};
        if (page > 0)
            args << "-f" << QString::number(page) << "-l" << QString::number(page);
        // Noto's shared glyphs come back as Kangxi radicals (土 as ⼟); NFKC reads them again.
        return poppler("pdftotext", args << pdf() << QStringLiteral("-"))
            .value_or(QString())
            .normalized(QString::NormalizationForm_KC);
    }
    QTemporaryDir dir;
};

PrintBlock entry(int n, int pairs)
{
    PrintBlock block{QStringLiteral("idx%1　名前%1").arg(n, 4, 10, QLatin1Char('0')), {}};
    for (int p = 1; p <= pairs; ++p)
        block.rows.append({QString::fromUtf8("会社"), QStringLiteral("03-%1-%2").arg(n, 4, 10, QLatin1Char('0')).arg(p, 4, 10, QLatin1Char('0')), {}});
    return block;
}

} // namespace

TEST_F(PrintPages, aDocumentsTextTitleAndPageNumberAreInThePdfWithItsFontsEmbedded)
{
    const QString longText = QString::fromUtf8("大事な用件").repeated(60) + QStringLiteral("END");
    const PrintDocument doc{QString::fromUtf8("予定表　2026/12/11(金)～2026/12/24(木)　（2026/12/11 印刷）"),
                            {{QStringLiteral("2026/12/12(土)"),
                              {{QStringLiteral("09:30"), QString::fromUtf8("会議"), {}},
                               {QStringLiteral("19:00"), longText, QString::fromUtf8("繰り返し（毎週）")}}}}};
    ASSERT_EQ(printpages::writePdf(doc, pdf()), 1);
    const QString all = text().simplified().remove(u' ');
    for (const char *wanted : {"予定表", "2026/12/12(土)", "09:30", "会議", "繰り返し（毎週）", "1/1", "END"})
        EXPECT_TRUE(all.contains(QString::fromUtf8(wanted).normalized(QString::NormalizationForm_KC)))
            << wanted << " in " << all.toStdString(); // wrapped, not cut
    const QString fonts = poppler("pdffonts", {pdf()}).value_or(QString());
    EXPECT_TRUE(fonts.contains(QStringLiteral("CJK"))) << fonts.toStdString();
    for (const QString &line : fonts.split(u'\n', Qt::SkipEmptyParts).mid(2))
        EXPECT_TRUE(line.contains(QStringLiteral(" yes "))) << line.toStdString(); // embedded
}

// Each document as the program makes it, from its tables, read back from its PDF.
TEST_F(PrintPages, everyDocumentOfTheDialogReachesItsPdf)
{
    const QDate today(2026, 12, 11);
    ScheduleTable table;
    ASSERT_TRUE(table.add(QStringLiteral("2026/12/12"), QStringLiteral("10:00"), QString::fromUtf8("打合せ"), today));
    RepeatTable series;
    series.add({QString::fromUtf8("ヨガ"), QStringLiteral("2026/12/7"), QStringLiteral("19:00"), QString::fromUtf8("毎週")});
    PhoneBook book;
    phoneentry e{QStringLiteral("yamada"), QString::fromUtf8("山田"), {}, 1, {}, {}};
    e.phonetype[0] = QString::fromUtf8("会社");
    e.phonenumber[0] = QStringLiteral("03-1234-5678");
    ASSERT_TRUE(book.add(e));
    TodoBoard board;
    board.setText(2, QString::fromUtf8("請求書"));
    const std::pair<PrintDocument, QStringList> docs[] = {
        {printcontent::schedule(table, series, today, 14, today), {"2026/12/12(土)", "10:00", "打合せ", "2026/12/14(月)", "ヨガ", "繰り返し（毎週）"}},
        {printcontent::phoneBook(book, -1, today), {"電話帳", "全1件", "山田", "会社", "03-1234-5678"}},
        {printcontent::done({"26/12/10 会議の準備"}, today.addDays(-6), today, today), {"やった事", "2026/12/10(木)", "会議の準備"}},
        {printcontent::board(board, today), {"ボード", "請求書"}}};
    for (const auto &[doc, wanted] : docs) {
        ASSERT_EQ(printpages::writePdf(doc, pdf()), 1);
        const QString all = text().simplified().remove(u' ');
        for (const QString &w : wanted)
            EXPECT_TRUE(all.contains(w.normalized(QString::NormalizationForm_KC))) << w.toStdString();
    }
}

// 1001 entries of 11 pairs: many pages, numbered, and no entry split across two.
TEST_F(PrintPages, aLargePhoneBookRunsOverPagesAndNoEntryIsSplit)
{
    PrintDocument doc{QString::fromUtf8("電話帳　全 1001 件"), {}};
    for (int n = 0; n < 1001; ++n)
        doc.blocks.append(entry(n, 11));
    const int pages = printpages::writePdf(doc, pdf());
    ASSERT_GT(pages, 100);
    const QString info = poppler("pdfinfo", {pdf()}).value_or(QString());
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+%1\\b").arg(pages))));
    for (const int page : {1, pages / 2, pages}) {
        const QString onPage = text(page);
        EXPECT_TRUE(onPage.contains(QStringLiteral("%1 / %2").arg(page).arg(pages)));
        // Every entry whose name is on the page has its first and last pair there too.
        const QRegularExpression names(QStringLiteral("名前(\\d{4})"));
        int seen = 0;
        for (auto m = names.globalMatch(onPage); m.hasNext(); ++seen) {
            const QString n = m.next().captured(1);
            EXPECT_TRUE(onPage.contains(QStringLiteral("03-%1-0001").arg(n))) << page << " " << n.toStdString();
            EXPECT_TRUE(onPage.contains(QStringLiteral("03-%1-0011").arg(n))) << page << " " << n.toStdString();
        }
        EXPECT_GT(seen, 0) << page << onPage.left(300).toStdString();
    }
}

TEST_F(PrintPages, aFileThatCannotBeWrittenGivesNoPagesAndIsNotLeftHalfMade)
{
    const QString blocked = QDir(dir.path()).filePath(QStringLiteral("no/such/folder/out.pdf"));
    EXPECT_EQ(printpages::writePdf({QStringLiteral("t"), {}}, blocked), 0);
    EXPECT_FALSE(QFile::exists(blocked));
}
