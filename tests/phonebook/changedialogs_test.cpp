// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/typing.h"
#include "phonebook/frmindexchange.h"
#include "phonebook/frmphonechange.h"
#include "phonebook/frmtel.h"
#include "phonerig.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTableWidget>
#include <QUndoStack>

namespace {

class ChangeDialogs : public ::testing::Test, public PhoneRig {
protected:
    void SetUp() override
    {
        writeBytes(path("type.txt"), sjis(QString::fromUtf8("携帯\r\nFAX\r\n電話\r\n")));
        writeBytes(path("tel.txt"), sjis(QString::fromUtf8(
            "aoki,青木,営業,電話,03-1111-2222,pager,123\r\n"
            "baba,馬場,東京,携帯,090-1234-5678\r\n"
            "sato,佐藤,大阪,電話,06-1111-2222,FAX,06-3333-4444,携帯,090-1111-2222\r\n")));
        load();
        tel = &telWindow();
        tel->show();
        tel->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(tel));
        list = tel->findChild<QListView *>("lstIndex");
        grid = tel->findChild<QTableWidget *>("gridTel");
    }

    void selectEntry(const char *index) { tel->setSearchText(QLatin1String(index)); }
    const phoneentry &entry(const char *index)
    {
        return book.at(book.find(QLatin1String(index)).value());
    }
    QString selected() const { return list->currentIndex().data().toString(); }
    bool telUsable() const { return list->isEnabled() && grid->isEnabled(); }

    // A real double click on a grid row, as the user opens the pair dialog.
    frmPhoneChange *openPair(int row)
    {
        const QRect cell = grid->visualItemRect(grid->item(row, 0) ? grid->item(row, 0) : nullptr);
        const QPoint at = cell.isValid() ? cell.center()
                                         : QPoint(10, grid->rowViewportPosition(row) + 5);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, at);
        return tel->findChild<frmPhoneChange *>();
    }
    QLineEdit *number(QDialog *d) { return d->findChild<QLineEdit *>("txtPhonenumber"); }
    QComboBox *type(QDialog *d) { return d->findChild<QComboBox *>("cboType"); }
    void press(QDialog *d, const char *button) { d->findChild<QPushButton *>(button)->click(); }

    frmIndexChange *openIndex()
    {
        const QRect item = list->visualRect(list->currentIndex());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, item.center());
        return tel->findChild<frmIndexChange *>();
    }

    frmTel *tel = nullptr;
    QListView *list = nullptr;
    QTableWidget *grid = nullptr;
};

} // namespace

TEST_F(ChangeDialogs, emptyRowAddsThePairRightAfterTheLastOne)
{
    selectEntry("baba");
    frmPhoneChange *d = openPair(5);
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(d->isVisible());
    EXPECT_TRUE(d->isModal());
    EXPECT_FALSE(telUsable());
    EXPECT_EQ(number(d)->text(), QString());
    number(d)->setText(QString::fromUtf8("０３－５５５５－６６６６")); // recognised once narrowed
    type(d)->setCurrentIndex(1);
    press(d, "cmdOK");
    EXPECT_TRUE(prompter.messages.isEmpty());
    EXPECT_FALSE(d->isVisible());
    EXPECT_TRUE(telUsable());
    EXPECT_EQ(entry("baba").numphone, 2);
    EXPECT_EQ(entry("baba").phonenumber[1], QString::fromUtf8("０３－５５５５－６６６６"));
    EXPECT_EQ(entry("baba").phonetype[1], QStringLiteral("FAX"));
    EXPECT_EQ(grid->item(1, 1)->text(), QString::fromUtf8("０３－５５５５－６６６６"));
    EXPECT_EQ(grid->currentRow(), 1);
}

TEST_F(ChangeDialogs, unknownNumberIsStoredOnlyAfterTheUserAgrees)
{
    selectEntry("aoki");
    frmPhoneChange *d = openPair(6);
    number(d)->setText(QStringLiteral("mail@example"));
    prompter.answers = {false};
    press(d, "cmdOK");
    EXPECT_EQ(prompter.messages.value(0),
              QString::fromUtf8("よくわからない電話番号ですがこれでよろしいですか？"));
    EXPECT_TRUE(d->isVisible());
    press(d, "cmdCancel");
    EXPECT_EQ(entry("aoki").numphone, 2);
    EXPECT_TRUE(telUsable());

    openPair(6);
    number(d)->setText(QStringLiteral("mail@example"));
    prompter.answers = {true};
    press(d, "cmdOK");
    EXPECT_EQ(entry("aoki").numphone, 3);
    EXPECT_EQ(entry("aoki").phonenumber[2], QStringLiteral("mail@example"));
}

// A type that is no longer one of the list is shown as text and kept by OK.
TEST_F(ChangeDialogs, pairOpensWithItsTypeAndNumberAndKeepsAnUnlistedType)
{
    selectEntry("aoki");
    frmPhoneChange *d = openPair(0);
    EXPECT_EQ(type(d)->currentIndex(), 2);
    EXPECT_EQ(number(d)->text(), QStringLiteral("03-1111-2222"));
    press(d, "cmdCancel");

    openPair(1);
    EXPECT_EQ(type(d)->currentIndex(), -1);
    EXPECT_EQ(type(d)->currentText(), QString::fromUtf8("pager"));
    EXPECT_EQ(type(d)->count(), 3);
    prompter.answers = {true}; // "123" is no number it knows
    press(d, "cmdOK");
    EXPECT_EQ(entry("aoki").phonetype[1], QString::fromUtf8("pager"));
    EXPECT_EQ(entry("aoki").phonenumber[1], QStringLiteral("123"));
}

TEST_F(ChangeDialogs, deleteAsksThenShiftsTheLaterPairsUp)
{
    selectEntry("sato");
    frmPhoneChange *d = openPair(0);
    prompter.answers = {false};
    press(d, "cmdDelete");
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(entry("sato").numphone, 3);

    prompter.answers = {true};
    press(d, "cmdDelete");
    EXPECT_FALSE(d->isVisible());
    EXPECT_TRUE(telUsable());
    const phoneentry &e = entry("sato");
    EXPECT_EQ(e.numphone, 2);
    EXPECT_EQ(e.phonenumber[0], QStringLiteral("06-3333-4444"));
    EXPECT_EQ(e.phonetype[1], QString::fromUtf8("携帯"));
    EXPECT_EQ(e.phonenumber[2], QString());
    EXPECT_EQ(grid->item(2, 1), nullptr); // the grid shows the entry afresh

    openPair(7);
    prompter.answers = {true};
    press(d, "cmdDelete");
    EXPECT_EQ(entry("sato").numphone, 2);
    openPair(0);
    QTest::keyClick(d, Qt::Key_Escape);
    EXPECT_FALSE(d->isVisible());
    EXPECT_TRUE(telUsable());
}

TEST_F(ChangeDialogs, withoutASelectedEntryNeitherDialogOpens)
{
    QTest::keyClicks(tel->findChild<QLineEdit *>("txtTel"), QStringLiteral("a"));
    list->setCurrentIndex({});
    tel->gridTel_DblClick();
    tel->lstIndex_DblClick();
    EXPECT_EQ(tel->findChild<frmPhoneChange *>(), nullptr);
    EXPECT_EQ(tel->findChild<frmIndexChange *>(), nullptr);
    EXPECT_TRUE(telUsable());
}

TEST_F(ChangeDialogs, renameMovesTheWholeEntryAndKeepsItSelected)
{
    selectEntry("aoki");
    frmIndexChange *d = openIndex();
    ASSERT_NE(d, nullptr);
    auto *box = d->findChild<QLineEdit *>("txtIndex");
    EXPECT_TRUE(d->isModal());
    EXPECT_EQ(box->selectedText(), QStringLiteral("aoki"));
    QTest::keyClicks(box, QStringLiteral("zz"));
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_FALSE(d->isVisible());
    EXPECT_TRUE(telUsable());
    ASSERT_EQ(book.ntphone(), 3);
    const phoneentry &moved = book.at(2);
    EXPECT_EQ(moved.index, QStringLiteral("zz"));
    EXPECT_EQ(moved.name, QString::fromUtf8("青木"));
    EXPECT_EQ(moved.phonenumber[1], QStringLiteral("123"));
    EXPECT_EQ(book.at(0).index, QStringLiteral("baba"));
    EXPECT_EQ(book.list().at(2), QStringLiteral("zz"));
    EXPECT_EQ(selected(), QStringLiteral("zz"));

    // To the same place: only the index changes; a full-width index is kept as typed.
    selectEntry("baba");
    openIndex();
    EXPECT_EQ(box->selectedText(), QStringLiteral("baba"));
    box->setText(QString::fromUtf8("ｂＢ"));
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(book.at(0).index, QString::fromUtf8("ｂＢ"));
    EXPECT_EQ(book.at(0).name, QString::fromUtf8("馬場"));
}

TEST_F(ChangeDialogs, renameRefusesBadEmptyAndTakenIndexesButNotItsOwn)
{
    selectEntry("baba");
    frmIndexChange *d = openIndex();
    auto *box = d->findChild<QLineEdit *>("txtIndex");
    const auto tryIndex = [&](const QString &text) {
        box->setText(text);
        d->findChild<QPushButton *>("cmdOK")->click();
        return prompter.messages.isEmpty() ? QString() : prompter.messages.takeLast();
    };
    EXPECT_EQ(tryIndex(QStringLiteral("ba-ba")),
              QString::fromUtf8("indexはalphabetと数字のみで構成して下さい。"));
    EXPECT_EQ(box->selectedText(), QStringLiteral("ba-ba"));
    EXPECT_EQ(tryIndex(QString()), QString::fromUtf8("indexを入力して下さい。"));
    EXPECT_EQ(tryIndex(QString::fromUtf8("ＳＡＴＯ").toLower()),
              QString::fromUtf8("そのindexはすでに使用されています。新規のindexを入力して下さい。"));
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(entry("baba").name, QString::fromUtf8("馬場"));
    EXPECT_EQ(tryIndex(QStringLiteral("baba")), QString());
    EXPECT_FALSE(d->isVisible());
    EXPECT_TRUE(telUsable());

    openIndex();
    box->setText(QStringLiteral("new"));
    QTest::keyClick(box, Qt::Key_Escape);
    EXPECT_FALSE(d->isVisible());
    EXPECT_TRUE(book.find(QStringLiteral("baba")).has_value());
    EXPECT_TRUE(telUsable());
}

// Activating the window again re-runs the search box; what 検索 found must stay.
TEST_F(ChangeDialogs, findHitSurvivesTheWindowBeingActivatedAgain)
{
    auto *search = tel->findChild<QLineEdit *>("txtTel");
    search->setText(QString::fromUtf8("東京")); // the search box selects the last index
    EXPECT_EQ(selected(), QStringLiteral("sato"));
    tel->findChild<QPushButton *>("cmdFind")->click();
    EXPECT_EQ(selected(), QStringLiteral("baba"));

    QWidget board; // another window of the program
    board.show();
    board.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&board));
    tel->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(tel));
    EXPECT_EQ(selected(), QStringLiteral("baba"));
    EXPECT_EQ(tel->findChild<QLabel *>("lblName")->text(), QString::fromUtf8("馬場"));

    QTest::keyClick(search, Qt::Key_Backspace); // typing selects by the text again
    EXPECT_EQ(selected(), QStringLiteral("sato"));
}

// Each kind of change in the phone book window is one step of the history: undone, the
// book is as before; redone, as after. A step whose entry changed since is not applied.
TEST_F(ChangeDialogs, eachChangeOfAnEntryIsUndoneAndRedone)
{
    QUndoStack history;
    tel->setHistory(&history);
    const auto lines = [this] { return book.fileLines(); };
    struct Case {
        const char *name;
        std::function<void()> act;
    };
    const Case cases[] = {
        {"index の変更",
         [&] {
             selectEntry("aoki");
             openIndex()->findChild<QLineEdit *>("txtIndex")->setText(QStringLiteral("zz"));
             press(tel->findChild<frmIndexChange *>(), "cmdOK");
         }},
        {"電話番号の変更",
         [&] {
             selectEntry("baba");
             frmPhoneChange *d = openPair(0);
             number(d)->setText(QStringLiteral("090-9999-9999"));
             press(d, "cmdOK");
         }},
        {"電話番号の削除",
         [&] {
             selectEntry("sato");
             prompter.answers = {true};
             press(openPair(1), "cmdDelete");
         }},
        {"名前の変更",
         [&] {
             selectEntry("baba");
             QTest::mouseDClick(tel->findChild<QLabel *>("lblName"), Qt::LeftButton);
             auto *box = tel->findChild<QLineEdit *>("txtName");
             box->setText(QString::fromUtf8("馬場 花子"));
             QTest::keyClick(box, Qt::Key_Return);
         }},
        {"キーワードの変更",
         [&] {
             selectEntry("aoki");
             QTest::mouseDClick(tel->findChild<QLabel *>("lblKeyword"), Qt::LeftButton);
             auto *box = tel->findChild<QLineEdit *>("txtKeyword");
             box->setText(QString::fromUtf8("本社"));
             QTest::keyClick(box, Qt::Key_Return);
         }},
        {"電話帳の項目の削除",
         [&] {
             selectEntry("sato");
             prompter.answers = {true};
             QTest::keyClick(list, Qt::Key_Delete);
         }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const QStringList before = lines();
        c.act();
        const QStringList after = lines();
        ASSERT_NE(after, before);
        EXPECT_EQ(history.undoText(), QString::fromUtf8(c.name));
        history.undo();
        EXPECT_EQ(lines(), before);
        history.redo();
        EXPECT_EQ(lines(), after);
        history.undo();
    }

    // Deleted, then another entry took its index: the delete is not undone over it.
    selectEntry("aoki");
    prompter.answers = {true};
    QTest::keyClick(list, Qt::Key_Delete);
    ASSERT_TRUE(book.add({QStringLiteral("aoki"), QString::fromUtf8("別人"), {}, 0, {}, {}}));
    const QStringList now = lines();
    history.undo();
    EXPECT_EQ(lines(), now);
    EXPECT_TRUE(prompter.messages.last().contains(QString::fromUtf8("電話帳の項目の削除")));
}
