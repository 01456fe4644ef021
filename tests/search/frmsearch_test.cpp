// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The search window by keyboard: typing finds, Enter and the arrows open what is chosen
// without leaving the box, Esc closes.
#include "search/frmsearch.h"

#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTreeView>

#include <gtest/gtest.h>

namespace {

class SearchWindow : public ::testing::Test {
protected:
    SearchModel model;
    std::unique_ptr<frmSearch> window;
    QList<SearchItem> opened;

    void open(bool readingsOn)
    {
        model.setItems(SearchPlace::Board, {{SearchPlace::Board, 3, {}, QStringLiteral("ｶｲｷﾞの資料"),
                                             {QStringLiteral("ｶｲｷﾞの資料")}}});
        model.setItems(SearchPlace::Done, {{SearchPlace::Done, 7, QStringLiteral("26/12/01"),
                                            QStringLiteral("26/12/01 会議 かいぎ準備"),
                                            {QStringLiteral("会議 かいぎ準備")}}});
        window = std::make_unique<frmSearch>(model, readingsOn);
        QObject::connect(window.get(), &frmSearch::openRequested, window.get(),
                         [this](const SearchItem &item) { opened.append(item); });
        window->show();
        box()->setFocus();
    }
    QLineEdit *box() { return window->findChild<QLineEdit *>("txtFind"); }
    QTreeView *list() { return window->findChild<QTreeView *>("lstFound"); }
    QLabel *note() { return window->findChild<QLabel *>("lblNote"); }
};

} // namespace

TEST_F(SearchWindow, enterOpensTheFirstOrTheChosenAndEscCloses)
{
    open(true);
    EXPECT_EQ(box()->accessibleName(), QStringLiteral("探す言葉"));
    EXPECT_EQ(list()->accessibleName(), QStringLiteral("見つかったもの"));
    QTest::keyClicks(box(), QStringLiteral("kaigi"));
    ASSERT_EQ(list()->model()->rowCount(), 2);
    EXPECT_EQ(list()->model()->index(1, SearchModel::DateColumn).data().toString(), QStringLiteral("26/12/01"));
    QTest::keyClick(box(), Qt::Key_Return);
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened.last().place, SearchPlace::Board);
    EXPECT_EQ(opened.last().position, 3);
    QTest::keyClick(box(), Qt::Key_Down); // the list moves, the box keeps the focus
    EXPECT_EQ(window->focusWidget(), box());
    QTest::keyClick(box(), Qt::Key_Enter);
    ASSERT_EQ(opened.size(), 2);
    EXPECT_EQ(opened.last().place, SearchPlace::Done);
    EXPECT_EQ(opened.last().position, 7);
    // In the list itself, Enter opens its row.
    list()->setFocus();
    list()->setCurrentIndex(list()->model()->index(0, 0));
    QTest::keyClick(list(), Qt::Key_Return);
    ASSERT_EQ(opened.size(), 3);
    EXPECT_EQ(opened.last().place, SearchPlace::Board);

    QTest::keyClicks(box(), QStringLiteral("xyz")); // nothing found: Enter opens nothing
    EXPECT_EQ(list()->model()->rowCount(), 0);
    box()->setFocus();
    QTest::keyClick(box(), Qt::Key_Return);
    EXPECT_EQ(opened.size(), 3);
    EXPECT_TRUE(note()->text().isEmpty()); // the readings are on: nothing to say
    QTest::keyClick(box(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(SearchWindow, withoutTheDictionaryItSaysSoOnceAndFindsAsWritten)
{
    open(false);
    EXPECT_TRUE(note()->text().isEmpty());
    box()->insert(QStringLiteral("かいぎ")); // as an input method commits it
    EXPECT_TRUE(note()->text().contains(QStringLiteral("cmigemo-common")));
    EXPECT_EQ(list()->model()->rowCount(), 2);
}
