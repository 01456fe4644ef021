// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// One search over every place: what a typed word finds where, in the places' order.
#include "board/todoboard.h"
#include "lists/shelflist.h"
#include "phonebook/phonebook.h"
#include "schedule/repeattable.h"
#include "schedule/scheduletable.h"
#include "search/readings.h"
#include "search/searchsources.h"

#include <gtest/gtest.h>

namespace {

const QDate today(2026, 12, 11);

// The found rows as "place|date|line", joined by " / ".
std::string found(SearchModel &model, const char *typed)
{
    model.find(QString::fromUtf8(typed));
    QStringList rows;
    for (int row = 0; row < model.rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < SearchModel::ColumnCount; ++column)
            cells.append(model.index(row, column).data().toString());
        rows.append(cells.join(u'|'));
    }
    return rows.join(QStringLiteral(" / ")).toStdString();
}

class Search : public ::testing::Test {
protected:
    TodoBoard board;
    ShelfList shelf;
    ScheduleTable schedule;
    RepeatTable series;
    PhoneBook book;
    SearchModel model;

    void SetUp() override
    {
        board.setText(2, QStringLiteral("ｶｲｷﾞの資料"));
        shelf.append(QStringLiteral("新聞を止める"));
        schedule.add(QStringLiteral("2026/12/15"), QStringLiteral("10:00"), QStringLiteral("会議 かいぎしつA"), today);
        series.add({QStringLiteral("ヨガ"), QStringLiteral("2026/12/10"), QStringLiteral("19:00"),
                    QStringLiteral("毎週"), {}, {}, QStringLiteral("スタジオ"), {}, {}});
        series.add({QStringLiteral("終わった講座"), QStringLiteral("2026/1/1"), {}, QStringLiteral("毎週"),
                    QStringLiteral("2026/3/1"), {}, {}, {}, {}});
        phoneentry yamada;
        yamada.index = QStringLiteral("yamada");
        yamada.name = QStringLiteral("山田太郎");
        yamada.keys = QStringLiteral("カイギ室の鍵");
        yamada.numphone = 1;
        yamada.phonetype[0] = QStringLiteral("会社");
        yamada.phonenumber[0] = QStringLiteral("03-1234-5678");
        book.add(yamada);
        model.setItems(SearchPlace::Board, searchsources::board(board));
        model.setItems(SearchPlace::Shelf, searchsources::shelf(shelf));
        model.setItems(SearchPlace::Done, searchsources::done({QStringLiteral("26/12/01 ＫＡＩＧＩ準備"),
                                                               QStringLiteral("ﾒﾓなし")},
                                                              today));
        model.setItems(SearchPlace::Schedule, searchsources::schedule(schedule, series, today));
        model.setItems(SearchPlace::PhoneBook, searchsources::phoneBook(book));
    }
};

} // namespace

TEST_F(Search, aWordFindsItsFormsInEveryPlaceInThePlacesOrder)
{
    const std::string kaigi = "ボード||ｶｲｷﾞの資料 / 予定表|2026/12/15|26/12/15  10:00  会議 かいぎしつA"
                              " / 電話帳||yamada  山田太郎";
    EXPECT_EQ(found(model, "かいぎ"), kaigi);
    EXPECT_EQ(found(model, "カイギ"), kaigi);
    EXPECT_EQ(found(model, "ｶｲｷﾞ"), kaigi);
    EXPECT_EQ(found(model, "kaigi"), "ボード||ｶｲｷﾞの資料 / やった事|26/12/01|26/12/01 ＫＡＩＧＩ準備 / "
                                     "予定表|2026/12/15|26/12/15  10:00  会議 かいぎしつA / 電話帳||yamada  山田太郎");
    EXPECT_EQ(found(model, "KAIGISITU"), "予定表|2026/12/15|26/12/15  10:00  会議 かいぎしつA");
    EXPECT_EQ(found(model, "sinnbunn"), "");           // 新聞 is kanji: found by reading only
    EXPECT_EQ(found(model, "新聞"), "たな上げ||新聞を止める");
    EXPECT_EQ(found(model, "0312345678"), "電話帳||yamada  山田太郎");
    EXPECT_EQ(found(model, "1234-5678"), "電話帳||yamada  山田太郎");
    EXPECT_EQ(found(model, "会社"), "電話帳||yamada  山田太郎"); // a pair's type
    EXPECT_EQ(found(model, "すたじお"), "予定表|2026/12/17|26/12/17  19:00  ヨガ（毎週）"); // an extra
    EXPECT_EQ(found(model, "講座"), "");  // a series that ended is shown no more
    EXPECT_EQ(found(model, "26/12"), ""); // the done line's date is no text of it
    EXPECT_EQ(found(model, "  "), "");
}

TEST_F(Search, aPlaceGivenAnewIsSearchedAnewAndNothingIsChanged)
{
    EXPECT_EQ(found(model, "資料"), "ボード||ｶｲｷﾞの資料");
    EXPECT_EQ(model.foundAt(0).position, 2);
    board.setText(2, QString());
    board.setText(5, QStringLiteral("資料を送る"));
    model.setItems(SearchPlace::Board, searchsources::board(board));
    EXPECT_EQ(found(model, "資料"), "ボード||資料を送る");
    EXPECT_EQ(model.foundAt(0).position, 5);
    EXPECT_EQ(book.at(0).keys, QStringLiteral("カイギ室の鍵"));
    EXPECT_EQ(shelf.at(0), QStringLiteral("新聞を止める"));
}

// With Migemo's dictionary a reading finds the kanji words, after what is found as written;
// without it, as written only.
TEST_F(Search, aReadingFindsKanjiWordsAfterWhatIsWrittenWhereTheDictionaryIsThere)
{
    const Readings readings;
    if (!readings.isOn())
        GTEST_SKIP() << "no Migemo dictionary (Debian cmigemo-common)";
    model.setReadings(&readings);
    EXPECT_EQ(found(model, "sinnbunn"), "たな上げ||新聞を止める");
    EXPECT_EQ(found(model, "しんぶん"), "たな上げ||新聞を止める");
    // As written first, in the places' order, nothing twice; then 開業 on the shelf, found
    // by its reading only.
    shelf.append(QStringLiteral("開業祝い"));
    model.setItems(SearchPlace::Shelf, searchsources::shelf(shelf));
    EXPECT_EQ(found(model, "kaigi"), "ボード||ｶｲｷﾞの資料 / やった事|26/12/01|26/12/01 ＫＡＩＧＩ準備 / "
                                     "予定表|2026/12/15|26/12/15  10:00  会議 かいぎしつA / "
                                     "電話帳||yamada  山田太郎 / たな上げ||開業祝い");
    EXPECT_EQ(found(model, "yamada"), "電話帳||yamada  山田太郎");
    EXPECT_EQ(found(model, "やまだ"), "電話帳||yamada  山田太郎");

    const Readings none(QStringLiteral("/nonexistent/migemo-dict"));
    EXPECT_FALSE(none.isOn());
    model.setReadings(&none);
    EXPECT_EQ(found(model, "sinnbunn"), "");
}
