// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/saving.h"
#include "common/testfiles.h"
#include "phonebook/phonebook.h"
#include "phonebook/phonetypes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class PhoneBookFiles : public ::testing::Test {
protected:
    QString path(const char *name) const { return QDir(dir.path()).filePath(name); }
    void load(const QByteArray &bytes)
    {
        writeBytes(path("tel.txt"), bytes);
        ASSERT_EQ(book.loadPhoneBook(path("tel.txt")).status, TextFileRead::Ok);
    }
    QByteArray saved()
    {
        EXPECT_TRUE(QDir(dir.path()).mkpath("out"));
        EXPECT_TRUE(saveAsTheQuit(path("out/tel.txt"), book.fileLines()).ok);
        return readBytes(path("out/tel.txt"));
    }
    void expectAligned()
    {
        ASSERT_EQ(book.list().count(), book.ntphone());
        for (int i = 0; i < book.ntphone(); ++i)
            EXPECT_EQ(book.list().at(i), book.at(i).index) << i;
    }
    phoneentry entry(const QString &index, const QString &name, int pairs = 0)
    {
        phoneentry e{index, name, QString(), qint16(pairs), {}, {}};
        for (int j = 0; j < pairs; ++j) {
            e.phonetype[j] = QStringLiteral("t%1").arg(j);
            e.phonenumber[j] = QStringLiteral("n%1").arg(j);
        }
        return e;
    }
    QTemporaryDir dir;
    PhoneBook book;
};

} // namespace

TEST(PhoneBookPairs, countIsRoundedHalfToEvenAndNeverNegative)
{
    EXPECT_EQ(PhoneBook::pairCount(3), 0);
    EXPECT_EQ(PhoneBook::pairCount(4), 0);
    EXPECT_EQ(PhoneBook::pairCount(5), 1);
    EXPECT_EQ(PhoneBook::pairCount(6), 2);
    EXPECT_EQ(PhoneBook::pairCount(8), 2);
    EXPECT_EQ(PhoneBook::pairCount(10), 4);
    EXPECT_EQ(PhoneBook::pairCount(1), 0);
    EXPECT_EQ(PhoneBook::pairCount(0), 0);
}

TEST_F(PhoneBookFiles, loadsSortedAndSavesWhatItLoaded)
{
    const QByteArray program = sjis(QString::fromUtf8(
        "abc,名前,ｷｰﾜｰﾄﾞ ﾒﾓ,電話,0123-45-6789,電話,0123-45-6780\r\n"
        "Baba,馬場,,携帯,090-1111-2222\r\n"
        "suzuki,鈴木,,\r\n"));
    load(sjis(QString::fromUtf8("suzuki,鈴木,,\r\nBaba,馬場,,携帯,090-1111-2222\r\n"
                                "abc,名前,ｷｰﾜｰﾄﾞ ﾒﾓ,電話,0123-45-6789,電話,0123-45-6780\r\n")));
    expectAligned();
    EXPECT_EQ(book.list().items(), QStringList({"abc", "Baba", "suzuki"}));
    EXPECT_EQ(book.at(0).numphone, 2);
    EXPECT_EQ(book.at(0).phonenumber[1], QStringLiteral("0123-45-6780"));
    EXPECT_EQ(saved().toHex().toStdString(), QByteArray(program).replace("suzuki,\x97\xE9\x96\xD8,,\r\n", "suzuki,\x97\xE9\x96\xD8,\r\n").toHex().toStdString());

    PhoneBook again;
    writeBytes(path("tel.txt"), saved());
    again.loadPhoneBook(path("tel.txt"));
    ASSERT_TRUE(QDir(dir.path()).mkpath("again"));
    ASSERT_TRUE(saveAsTheQuit(path("again/tel.txt"), again.fileLines()).ok);
    EXPECT_EQ(readBytes(path("again/tel.txt")), saved());
}

TEST_F(PhoneBookFiles, oddLinesAndFullWidthText)
{
    load(sjis(QString::fromUtf8("abc\r\n"
                                "four,n,k,電話\r\n"
                                "six,n,k,電話,1,FAX\r\n"
                                "ＦＵＬＬ１,ﾌﾙ,ケータイ,ＴＥＬ,０３\r\n")));
    EXPECT_EQ(book.list().items(), QStringList({"abc", "four", "FULL1", "six"}));
    EXPECT_EQ(book.at(0).numphone, 0);
    EXPECT_EQ(book.at(0).name, QString());
    EXPECT_EQ(book.at(1).numphone, 0);
    EXPECT_EQ(book.at(3).numphone, 2);
    EXPECT_EQ(book.at(3).phonenumber[1], QString());
    EXPECT_EQ(book.at(2).keys, QString::fromUtf8("ｹｰﾀｲ"));
    EXPECT_EQ(book.at(2).phonetype[0], QStringLiteral("TEL"));
    EXPECT_EQ(book.at(2).phonenumber[0], QStringLiteral("03"));
}

TEST_F(PhoneBookFiles, aLineWithTooManyPairsCostsNothing)
{
    QStringList fields{"many", QString::fromUtf8("山田"), "k"};
    for (int j = 0; j < 14; ++j)
        fields << "t" + QString::number(j) << "n" + QString::number(j);
    QStringList commas{"commas", "n", "k"};
    for (int j = 0; j < 33; ++j)
        commas << "x";
    load(sjis(fields.join(',') + "\r\n" + commas.join(',') + "\r\nzz,last,\r\n"));
    ASSERT_EQ(book.ntphone(), 3);
    EXPECT_EQ(book.list().items(), QStringList({"commas", "many", "zz"}));
    EXPECT_EQ(book.at(1).numphone, 11);
    EXPECT_EQ(book.at(1).phonetype[10], QStringLiteral("t10"));
    EXPECT_EQ(saved(), sjis(commas.join(',') + "\r\n" + fields.join(',') + "\r\nzz,last,\r\n"));
}

TEST_F(PhoneBookFiles, operationsKeepListAndTableAligned)
{
    for (const char *index : {"b", "d", "a", "c"})
        book.add(entry(index, QStringLiteral("name ") + index, 1));
    expectAligned();
    // Overwrite in place.
    EXPECT_EQ(book.add(entry("c", "new c", 3)), 2);
    EXPECT_EQ(book.at(2).numphone, 3);
    EXPECT_EQ(book.ntphone(), 4);
    // Lookups that differ only in case find nothing; the list still sorts them together.
    EXPECT_FALSE(book.find("C").has_value());
    EXPECT_EQ(book.add(entry("C", "upper")), 3);
    expectAligned();

    EXPECT_EQ(book.changethis(0, "zz"), 4); // first to last
    EXPECT_EQ(book.at(4).name, QStringLiteral("name a"));
    EXPECT_EQ(book.changethis(1, "bz"), 1);  // the same place
    expectAligned();
    book.deleteIndex(4);
    expectAligned();
    EXPECT_EQ(book.list().items(), QStringList({"b", "bz", "C", "d"}));
}

TEST_F(PhoneBookFiles, typedCommasBecomeToutenAndTheTableHasALimit)
{
    phoneentry e = entry("x", QString::fromUtf8("山田,太郎"), 1);
    e.phonenumber[0] = QString::fromUtf8("03，1234");
    book.add(e);
    EXPECT_EQ(saved(), sjis(QString::fromUtf8("x,山田、太郎,,t0,03、1234\r\n")));

    QByteArray many;
    for (int i = 0; i < 1002; ++i)
        many += "i" + QByteArray::number(i) + ",n,\r\n";
    PhoneBook full;
    writeBytes(path("tel.txt"), many);
    full.loadPhoneBook(path("tel.txt"));
    EXPECT_EQ(full.ntphone(), 1002); // nothing of the file is dropped
    EXPECT_FALSE(full.add(entry("new", "n")).has_value());
    EXPECT_TRUE(full.add(entry("i5", "overwrite")).has_value());
}

TEST_F(PhoneBookFiles, emptyBookSavesAnEmptyFile)
{
    EXPECT_EQ(saved(), QByteArray());
}

// Pairs stay packed: a new one goes right after the last, a deleted one closes its gap.
TEST_F(PhoneBookFiles, pairsAreAddedAfterTheLastAndDeletedWithoutGaps)
{
    book.add(entry("full", "f", phoneentry::MaxPairs));
    book.deletePair(0, 0);
    const phoneentry &e = book.at(0);
    EXPECT_EQ(e.numphone, 10);
    EXPECT_EQ(e.phonenumber[9], QStringLiteral("n10"));
    EXPECT_EQ(e.phonenumber[10], QString());
    EXPECT_EQ(e.phonetype[10], QString());
    book.deletePair(0, 10); // beyond the last: nothing
    EXPECT_EQ(e.numphone, 10);

    EXPECT_EQ(book.setPair(0, 40, "FAX", "1,2"), 10);
    EXPECT_EQ(e.phonenumber[10], QString::fromUtf8("1、2"));
    EXPECT_EQ(book.setPair(0, 11, "FAX", "3"), std::nullopt); // every pair in use
    EXPECT_EQ(book.setPair(0, 0, "", ""), 0);
    EXPECT_EQ(e.phonenumber[0], QString());
    EXPECT_EQ(e.numphone, 11);
}

// The add dialog's rules, in their order, each with the first text that breaks it.
TEST_F(PhoneBookFiles, aNewIndexIsCheckedBlankThenLettersThenInUse)
{
    using Mode = PhoneBook::AddMode;
    load("abc,a,\r\n");
    const auto problem = [&](const char *typed, Mode mode) {
        return book.newIndexProblem(QString::fromUtf8(typed), mode);
    };
    EXPECT_EQ(problem("   ", Mode::NewEntry), Refusal::EmptyIndex);
    EXPECT_EQ(problem(" a-", Mode::NewEntry), Refusal::NotLettersAndDigits);
    EXPECT_EQ(problem("ａｂｃ", Mode::NewEntry), Refusal::IndexInUse);
    EXPECT_EQ(problem("ａｂｃ", Mode::FromTodo), Refusal::None); // joins that entry
    EXPECT_EQ(problem("ABC", Mode::NewEntry), Refusal::None);
    EXPECT_EQ(problem("ＡＢ１", Mode::NewEntry), Refusal::None);
}

TEST_F(PhoneBookFiles, aToDosPairJoinsItsEntryUntilItIsFullAndANewEntryNeedsRoom)
{
    using Mode = PhoneBook::AddMode;
    load("full,f,," + QByteArray(",t,n").repeated(10) + "\r\nabc,a,k,t0,n0\r\n");
    ASSERT_EQ(book.addPair({"abc", "b", "kk", "t1", "n1"}, Mode::FromTodo), Refusal::None);
    const phoneentry &abc = book.at(*book.find("abc"));
    EXPECT_EQ(abc.name, QStringLiteral("b"));
    EXPECT_EQ(abc.keys, QStringLiteral("kk"));
    ASSERT_EQ(abc.numphone, 2);
    EXPECT_EQ(abc.phonenumber[0], QStringLiteral("n0"));
    EXPECT_EQ(abc.phonetype[1], QStringLiteral("t1"));

    ASSERT_EQ(book.addPair({"full", "f", "", "t", "x"}, Mode::FromTodo), Refusal::None);
    EXPECT_EQ(book.at(*book.find("full")).numphone, 11);
    EXPECT_EQ(book.addPair({"full", "f", "", "t", "y"}, Mode::FromTodo), Refusal::PairsFull);
    EXPECT_EQ(book.at(*book.find("full")).phonenumber[10], QStringLiteral("x"));

    ASSERT_EQ(book.addPair({"new", "", "", "t", "1"}, Mode::FromTodo), Refusal::None);
    EXPECT_EQ(book.at(*book.find("new")).numphone, 1);
    expectAligned();
    for (int i = book.ntphone(); i < PhoneBook::Capacity; ++i)
        ASSERT_TRUE(book.add(entry(QStringLiteral("x%1").arg(i), "")).has_value());
    EXPECT_EQ(book.addPair({"last", "", "", "t", "1"}, Mode::NewEntry), Refusal::BookFull);
    EXPECT_EQ(book.addPair({"abc", "", "", "t", "2"}, Mode::FromTodo), Refusal::None);
}

// A to-do's number that the entry has already, however it is written, is not added again;
// its name and keyword still are, even to a full entry.
TEST_F(PhoneBookFiles, aToDosNumberTheEntryHasIsNotAddedTwice)
{
    using Mode = PhoneBook::AddMode;
    const struct {
        const char *number;
        int pairs;
    } cases[] = {
        {"090-1234-5678", 2}, {"090 1234 5678", 2}, {"０９０－１２３４－５６７８", 2}, {"09012345678", 2},
        {"TARO@Example.jp", 2}, {"090-1234-5679", 3}, {"", 3},
    };
    writeBytes(path("tel.txt"), "abc,a,k,cell,090-1234-5678,mail,taro@example.jp\r\n"
                                "full,f,," + QByteArray(",t,n").repeated(10) + "\r\n");
    for (const auto &c : cases) {
        PhoneBook fresh;
        ASSERT_EQ(fresh.loadPhoneBook(path("tel.txt")).status, TextFileRead::Ok);
        ASSERT_EQ(fresh.addPair({"abc", "b", "kk", "t", QString::fromUtf8(c.number)}, Mode::FromTodo),
                  Refusal::None)
            << c.number;
        const phoneentry &abc = fresh.at(*fresh.find("abc"));
        EXPECT_EQ(abc.numphone, c.pairs) << c.number;
        EXPECT_EQ(abc.name, QStringLiteral("b")) << c.number;
        ASSERT_EQ(fresh.addPair({"full", "f", "", "t", "x"}, Mode::FromTodo), Refusal::None);
        EXPECT_EQ(fresh.addPair({"full", "g", "", "t", "x"}, Mode::FromTodo), Refusal::None);
        EXPECT_EQ(fresh.at(*fresh.find("full")).name, QStringLiteral("g"));
    }
}

TEST_F(PhoneBookFiles, aRenameIsCheckedLettersThenEmptyThenAnotherEntrysIndex)
{
    load("abc,a,\r\nbcd,b,\r\n");
    EXPECT_EQ(book.renameProblem(0, " "), Refusal::NotLettersAndDigits);
    EXPECT_EQ(book.renameProblem(0, ""), Refusal::EmptyIndex);
    EXPECT_EQ(book.renameProblem(0, QString::fromUtf8("ｂｃｄ")), Refusal::IndexInUse);
    EXPECT_EQ(book.renameProblem(0, QString::fromUtf8("ａｂｃ")), Refusal::None); // its own
    EXPECT_EQ(book.renameProblem(0, "BCD"), Refusal::None);
}

TEST_F(PhoneBookFiles, theTextSearchLooksInNamesAndKeywordsFromAPosition)
{
    load(QString::fromUtf8("a,青木,東京\r\nb,東京太郎,\r\nc,c,大阪\r\n").toUtf8());
    EXPECT_EQ(book.findText(QString::fromUtf8("東京"), 0), 0);
    EXPECT_EQ(book.findText(QString::fromUtf8("東京"), 1), 1);
    EXPECT_EQ(book.findText(QString::fromUtf8("東京"), 2), std::nullopt);
    EXPECT_EQ(book.findText(QString::fromUtf8("大阪"), 0), 2);
}

TEST(PhoneTypeFile, everyLineIsATypeAndOnlyAFinalLineEndAddsNone)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("type.txt");
    PhoneTypes types;
    const auto load = [&](const QByteArray &bytes) {
        writeBytes(file, bytes);
        (void)types.loadPhoneTypes(file);
        return types.stringList();
    };
    EXPECT_EQ(load("A\r\n\r\nB"), QStringList({"A", "", "B"}));
    EXPECT_EQ(load("A\r\n\r\n"), QStringList({"A", ""}));
    EXPECT_EQ(load(""), QStringList());
    QFile::remove(file);
    (void)types.loadPhoneTypes(file);
    EXPECT_EQ(types.stringList(), QStringList()); // a missing file empties the list
    ASSERT_TRUE(saveAsTheQuit(file, types.stringList()).ok);
    EXPECT_EQ(readBytes(file), QByteArray()); // and writes an empty one
}
