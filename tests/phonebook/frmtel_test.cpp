// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/saving.h"
#include "common/typing.h"
#include "phonebook/frmtel.h"
#include "phonerig.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QToolButton>

namespace {

// The phone book window alone, on files written by each test.
class Phone : public ::testing::Test, public PhoneRig {
protected:
    frmTel &shown()
    {
        load();
        frmTel &tel = telWindow();
        tel.show();
        tel.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&tel));
        return tel;
    }
};

class TelWindow : public Phone {
protected:
    void SetUp() override
    {
        writeBytes(path("tel.txt"), sjis(QString::fromUtf8(
            "aoki,青木,営業 東京,電話,03-1111-2222\r\n"
            "baba,馬場,東京,携帯,090-1\r\n"
            "bando,坂東,大阪,電話,06-1,FAX,06-2\r\n"
            "sato,佐藤,,\r\n")));
        w = &shown();
        list = w->findChild<QListView *>("lstIndex");
        search = w->findChild<QLineEdit *>("txtTel");
    }
    QString selected() { return list->currentIndex().data().toString(); }
    QString label(const char *name) { return w->findChild<QLabel *>(name)->text(); }

    frmTel *w = nullptr;
    QListView *list = nullptr;
    QLineEdit *search = nullptr;
};

} // namespace

TEST_F(TelWindow, searchBoxStepsForwardWhileTypingAndRestartsWhenShortened)
{
    EXPECT_EQ(selected(), QStringLiteral("aoki")); // the first repaint
    QTest::keyClicks(search, QStringLiteral("b"));
    EXPECT_EQ(selected(), QStringLiteral("baba"));
    QTest::keyClicks(search, QStringLiteral("an"));
    EXPECT_EQ(selected(), QStringLiteral("bando"));
    EXPECT_EQ(label("lblName"), QString::fromUtf8("坂東"));
    auto *grid = w->findChild<QTableWidget *>("gridTel");
    EXPECT_EQ(grid->item(1, 0)->text(), QStringLiteral("FAX"));
    EXPECT_EQ(grid->item(1, 1)->text(), QStringLiteral("06-2"));
    QTest::keyClick(search, Qt::Key_Backspace);
    QTest::keyClick(search, Qt::Key_Backspace);
    EXPECT_EQ(selected(), QStringLiteral("baba"));
    search->setText(QStringLiteral("zzz")); // after every index
    EXPECT_EQ(selected(), QStringLiteral("sato"));
}

// Every keystroke shows the entry afresh, even when it stays the same one.
TEST_F(TelWindow, typingOnShowsTheSameEntryAfreshWithoutACurrentPair)
{
    QTest::keyClicks(search, QStringLiteral("ban"));
    ASSERT_EQ(selected(), QStringLiteral("bando"));
    auto *grid = w->findChild<QTableWidget *>("gridTel");
    grid->setCurrentCell(1, 1);
    QTest::keyClicks(search, QStringLiteral("d"));
    EXPECT_EQ(selected(), QStringLiteral("bando"));
    EXPECT_FALSE(grid->currentIndex().isValid());
    EXPECT_FALSE(grid->selectionModel()->hasSelection());
    EXPECT_EQ(grid->item(1, 1)->text(), QStringLiteral("06-2"));
}

TEST_F(TelWindow, findWalksNameAndKeywordHitsThenOffersToRestart)
{
    search->setText(QString::fromUtf8("東京"));
    auto *find = w->findChild<QPushButton *>("cmdFind");
    find->click();
    EXPECT_EQ(selected(), QStringLiteral("aoki"));
    find->click();
    EXPECT_EQ(selected(), QStringLiteral("baba"));
    prompter.answers = {true};
    find->click();
    EXPECT_EQ(prompter.messages.last(),
              QString::fromUtf8("このキーワードはこれ以上見つかりませんでした。もう一度最初から探しますか？"));
    EXPECT_EQ(selected(), QStringLiteral("aoki"));
    find->click(); // on from there
    EXPECT_EQ(selected(), QStringLiteral("baba"));

    // A new text goes on from the last hit too: nothing more, so from the start, nothing.
    search->setText(QString::fromUtf8("ＸＹ"));
    prompter.answers = {true};
    find->click();
    EXPECT_EQ(search->text(), QStringLiteral("XY"));
    ASSERT_GE(prompter.messages.size(), 2);
    EXPECT_EQ(prompter.messages.at(prompter.messages.size() - 2),
              QString::fromUtf8("このキーワードはこれ以上見つかりませんでした。もう一度最初から探しますか？"));
    EXPECT_EQ(prompter.messages.last(), QString::fromUtf8("このキーワードは見つかりませんでした"));
}

TEST_F(TelWindow, deleteByButtonAndKeyAsksFirst)
{
    list->clearSelection();
    w->findChild<QPushButton *>("cmdDelete")->click();
    EXPECT_EQ(prompter.messages.last(),
              QString::fromUtf8("項目を削除するには、まずindexを選択して下さい"));
    search->setText(QStringLiteral("bando")); // the list moves on to the last one
    prompter.answers = {false, true};
    w->findChild<QPushButton *>("cmdDelete")->click();
    EXPECT_EQ(prompter.messages.last(), QString::fromUtf8("bando を削除します"));
    EXPECT_EQ(book.ntphone(), 4);
    QTest::keyClick(list, Qt::Key_Delete);
    EXPECT_EQ(book.ntphone(), 3);
    EXPECT_EQ(book.list().items(), QStringList({"aoki", "baba", "sato"}));
    // The Delete key asks too: No keeps the entry.
    search->setText(QStringLiteral("baba"));
    prompter.answers = {false};
    QTest::keyClick(list, Qt::Key_Delete);
    EXPECT_EQ(prompter.messages.last(), QString::fromUtf8("baba を削除します"));
    EXPECT_EQ(book.list().items(), QStringList({"aoki", "baba", "sato"}));
}

TEST_F(TelWindow, nameEditedInPlaceIsStoredIntoTheEntryItStartedOn)
{
    search->setText(QStringLiteral("baba"));
    QTest::mouseDClick(w->findChild<QLabel *>("lblName"), Qt::LeftButton);
    auto *box = w->findChild<QLineEdit *>("txtName");
    ASSERT_TRUE(box->isVisible());
    EXPECT_FALSE(list->isEnabled());
    box->selectAll();
    box->insert(QString::fromUtf8("馬場 花子"));
    search->setText(QStringLiteral("sato")); // a repaint selects another entry meanwhile
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_FALSE(box->isVisible());
    EXPECT_TRUE(list->isEnabled());
    EXPECT_EQ(book.at(1).name, QString::fromUtf8("馬場 花子"));
    EXPECT_EQ(book.at(3).name, QString::fromUtf8("佐藤"));
}

TEST_F(TelWindow, keywordIsNarrowedWhenItsBoxLosesTheFocus)
{
    search->setText(QStringLiteral("aoki"));
    QTest::mouseDClick(w->findChild<QLabel *>("lblKeyword"), Qt::LeftButton);
    auto *box = w->findChild<QLineEdit *>("txtKeyword");
    box->setText(QString::fromUtf8("ＡＢＣ，社"));
    auto *close = w->findChild<QPushButton *>("cmdClose"); // stays usable while editing
    close->setFocus(Qt::MouseFocusReason);
    EXPECT_FALSE(box->isVisible());
    EXPECT_EQ(book.at(0).keys, QString::fromUtf8("ABC､社")); // the touten is narrowed too
    EXPECT_TRUE(list->isEnabled());

    // Leaving the name box by a click unlocks the window too.
    QTest::mouseDClick(w->findChild<QLabel *>("lblName"), Qt::LeftButton);
    EXPECT_FALSE(list->isEnabled());
    close->setFocus(Qt::MouseFocusReason);
    EXPECT_TRUE(list->isEnabled());
}

TEST_F(Phone, elevenPairsAreShownAndSavedBack)
{
    QStringList fields{"full", "n", "k"};
    for (int j = 0; j < 11; ++j)
        fields << "t" << QString::number(j);
    writeBytes(path("tel.txt"), fields.join(',').toUtf8() + "\r\n");
    frmTel &tel = shown();
    auto *grid = tel.findChild<QTableWidget *>("gridTel");
    EXPECT_EQ(grid->rowCount(), 11);
    EXPECT_EQ(grid->item(10, 1)->text(), QStringLiteral("10"));
    ASSERT_TRUE(saveAsTheQuit(path("tel.txt"), book.fileLines()).ok); // as the quit writes it
    EXPECT_EQ(readBytes(path("tel.txt")), fields.join(',').toUtf8() + "\r\n");
}

TEST_F(TelWindow, tabInTheSearchBoxGoesToTheIndexList)
{
    search->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(search, Qt::Key_Tab);
    EXPECT_TRUE(list->hasFocus());
    EXPECT_EQ(search->text(), QString()); // no tab typed into it
}

TEST_F(TelWindow, tabInTheNameBoxStoresItAndOpensTheKeywordBox)
{
    search->setText(QStringLiteral("baba"));
    QTest::mouseDClick(w->findChild<QLabel *>("lblName"), Qt::LeftButton);
    auto *name = w->findChild<QLineEdit *>("txtName");
    auto *keyword = w->findChild<QLineEdit *>("txtKeyword");
    name->setText(QString::fromUtf8("馬場 一郎"));
    QTest::keyClick(name, Qt::Key_Tab);
    EXPECT_FALSE(name->isVisible());
    EXPECT_EQ(book.at(1).name, QString::fromUtf8("馬場 一郎"));
    ASSERT_TRUE(keyword->isVisible());
    EXPECT_TRUE(keyword->hasFocus());
    EXPECT_EQ(keyword->text(), QString::fromUtf8("東京"));
    EXPECT_FALSE(list->isEnabled()); // the keyword edit holds the lock now
}

TEST_F(TelWindow, enterAndTabInTheKeywordBoxStoreItAndTabGoesToTheSearchBox)
{
    search->setText(QStringLiteral("bando"));
    auto *label = w->findChild<QLabel *>("lblKeyword");
    auto *keyword = w->findChild<QLineEdit *>("txtKeyword");
    QTest::mouseDClick(label, Qt::LeftButton);
    keyword->setText(QString::fromUtf8("大阪 本社"));
    QTest::keyClick(keyword, Qt::Key_Return);
    EXPECT_FALSE(keyword->isVisible());
    EXPECT_TRUE(label->isVisible());
    EXPECT_EQ(book.at(2).keys, QString::fromUtf8("大阪 本社"));
    EXPECT_TRUE(list->isEnabled());

    QTest::mouseDClick(label, Qt::LeftButton);
    keyword->setText(QStringLiteral("osaka"));
    QTest::keyClick(keyword, Qt::Key_Tab);
    EXPECT_FALSE(keyword->isVisible());
    EXPECT_EQ(book.at(2).keys, QStringLiteral("osaka"));
    EXPECT_TRUE(search->hasFocus());
    EXPECT_TRUE(list->isEnabled());
}

TEST_F(Phone, searchBoxComparesByCodeUnitsNotByTheListOrder)
{
    writeBytes(path("tel.txt"), "abc,1,\r\nAbe,2,\r\nbaba,3,\r\nBando,4,\r\n");
    frmTel &tel = shown();
    auto *list = tel.findChild<QListView *>("lstIndex");
    EXPECT_EQ(book.list().items(), QStringList({"abc", "Abe", "baba", "Bando"}));
    // By code units "abc" does not come before "B", so it stays; the collator would
    // have stepped on to "baba".
    tel.findChild<QLineEdit *>("txtTel")->setText(QStringLiteral("B"));
    EXPECT_EQ(list->currentIndex().data().toString(), QStringLiteral("abc"));
    tel.findChild<QLineEdit *>("txtTel")->setText(QStringLiteral("a"));
    tel.findChild<QLineEdit *>("txtTel")->setText(QStringLiteral("ab"));
    EXPECT_EQ(list->currentIndex().data().toString(), QStringLiteral("abc"));
    tel.findChild<QLineEdit *>("txtTel")->setText(QStringLiteral("abd"));
    EXPECT_EQ(list->currentIndex().data().toString(), QStringLiteral("baba")); // "Abe" < "abd"
}

TEST_F(TelWindow, nameAndKeywordBoxesTakeOnlyWhatTelTxtCanHoldAndNeverCutALongText)
{
    search->setText(QStringLiteral("sato"));
    for (const char *name : {"Name", "Keyword"}) {
        QTest::mouseDClick(w->findChild<QLabel *>(QStringLiteral("lbl%1").arg(name)), Qt::LeftButton);
        auto *box = w->findChild<QLineEdit *>(QStringLiteral("txt%1").arg(name));
        box->clear();
        typeText(box, QString::fromUtf8("a,b😀"));
        EXPECT_EQ(box->text(), QString::fromUtf8("a、b")) << name;
        QTest::keyClick(box, Qt::Key_Return);
    }
    const QString longName(33000, QChar(u'名'));
    book.setName(3, longName);
    search->setText(QString());
    search->setText(QStringLiteral("sato"));
    QTest::mouseDClick(w->findChild<QLabel *>("lblName"), Qt::LeftButton);
    QTest::keyClick(w->findChild<QLineEdit *>("txtName"), Qt::Key_Return);
    EXPECT_EQ(book.at(3).name, longName);
}

// The search box steps row by row; however it gets there, the list must end up scrolled
// as a view stepping through every row does, also when the user had scrolled the
// selected row out of sight.
TEST_F(Phone, searchBoxScrollsTheListAsStepping)
{
    QByteArray lines;
    for (int i = 0; i < 300; ++i)
        lines += QStringLiteral("a%1,n,\r\n").arg(i, 3, 10, QLatin1Char('0')).toLatin1();
    writeBytes(path("tel.txt"), lines);
    frmTel &tel = shown();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&tel));
    auto *list = tel.findChild<QListView *>("lstIndex");
    auto *search = tel.findChild<QLineEdit *>("txtTel");
    QListView stepping;
    stepping.setModel(list->model());
    stepping.setFont(list->font());
    stepping.setUniformItemSizes(true);
    stepping.resize(list->size());
    stepping.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&stepping));

    QTest::keyClicks(search, QStringLiteral("a05"));
    ASSERT_EQ(list->currentIndex().row(), 50);
    list->verticalScrollBar()->setValue(list->verticalScrollBar()->maximum());
    stepping.setCurrentIndex(list->currentIndex());
    stepping.verticalScrollBar()->setValue(list->verticalScrollBar()->value());
    QTest::keyClicks(search, QStringLiteral("7"));
    ASSERT_EQ(list->currentIndex().row(), 57);
    for (int row = 51; row <= 57; ++row)
        stepping.setCurrentIndex(list->model()->index(row, 0));
    EXPECT_EQ(list->verticalScrollBar()->value(), stepping.verticalScrollBar()->value());
    EXPECT_NE(list->verticalScrollBar()->value(), list->verticalScrollBar()->maximum());
}
