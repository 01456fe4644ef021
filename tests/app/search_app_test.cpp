// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// 編集 → 検索 on the whole program: one word found in every place, each opened with its
// item selected, and an item gone since the search said so.
#include "app/appwindows.h"
#include "common/apphelper.h"
#include "common/testfiles.h"
#include "lists/frmdone.h"
#include "lists/frmtrash.h"
#include "phonebook/frmtel.h"
#include "schedule/frmschedule.h"
#include "search/frmsearch.h"

#include <QAction>
#include <QLineEdit>
#include <QTableView>
#include <QTreeView>

namespace {

class SearchApp : public AppTest {
protected:
    frmSearch *search = nullptr;

    void SetUp() override
    {
        writeBytes(path("todo.txt"), sjis(QStringLiteral("\r\n\r\n\r\nｶｲｷﾞの資料\r\n")));
        writeBytes(path("closet.txt"), sjis(QStringLiteral("本\r\nかいぎ室の予約\r\n")));
        writeBytes(path("done.txt"), sjis(QStringLiteral("26/12/01 カイギの準備\r\n26/12/02 ほか\r\n")));
        writeBytes(path("schedule.txt"), sjis(QStringLiteral("歯医者,2026/12/20,9:00\r\nカイギ,2026/12/21,10:00\r\n")));
        writeBytes(path("repeat.txt"), sjis(QStringLiteral("かいぎ定例,2026/12/14,9:00,毎週,,,,,\r\n")));
        writeBytes(path("tel.txt"), sjis(QStringLiteral("sato,佐藤,,自宅,045-111-2222\r\nyamada,山田,カイギ室,会社,03-1234-5678\r\n")));
        frmTodo *board = startBoard();
        board->findChild<QAction *>(QStringLiteral("mnuFind"))->trigger();
        search = &app->windows().searchWindow();
        ASSERT_TRUE(search->isVisible());
    }
    // Types the word, chooses the found row of that place, and presses Enter on it.
    void open(const QString &word, SearchPlace place)
    {
        search->findChild<QLineEdit *>(QStringLiteral("txtFind"))->setText(word);
        auto *list = search->findChild<QTreeView *>(QStringLiteral("lstFound"));
        for (int row = 0; row < list->model()->rowCount(); ++row)
            if (list->model()->index(row, 0).data().toString() == SearchModel::placeName(place)) {
                list->setCurrentIndex(list->model()->index(row, 0));
                QTest::keyClick(list, Qt::Key_Return);
                return;
            }
        ADD_FAILURE() << "nothing found in " << SearchModel::placeName(place).toStdString();
    }
};

} // namespace

TEST_F(SearchApp, eachPlaceOpensWithTheFoundItemSelected)
{
    open(QStringLiteral("kaigi"), SearchPlace::Board);
    EXPECT_EQ(app->todoWindow()->focusWidget()->objectName(), QStringLiteral("chkTodo_3"));

    open(QStringLiteral("kaigi"), SearchPlace::Shelf);
    EXPECT_TRUE(app->windows().trashWindow().isVisible());
    EXPECT_EQ(app->windows().trashWindow().selectedIndex(), 1);

    open(QStringLiteral("kaigi"), SearchPlace::Done);
    frmDone &done = app->windows().doneWindow();
    EXPECT_TRUE(done.isVisible());
    auto *doneList = done.findChild<QTableView *>(QStringLiteral("lstDone"));
    EXPECT_EQ(doneList->currentIndex().row(), 0); // not the newest line, which it shows otherwise

    open(QStringLiteral("歯医者"), SearchPlace::Schedule);
    EXPECT_TRUE(app->windows().scheduleWindow().isVisible());
    EXPECT_EQ(app->windows().scheduleWindow().selectedIndex(), 0);

    open(QStringLiteral("03 1234"), SearchPlace::PhoneBook); // the number without its hyphens
    EXPECT_TRUE(app->windows().telWindow().isVisible());
    EXPECT_EQ(app->windows().telWindow().selectedIndex(), 1);
    EXPECT_TRUE(prompter->messages.isEmpty());
}

TEST_F(SearchApp, anItemGoneSinceTheSearchIsSaidAndTheListTakenAnew)
{
    search->findChild<QLineEdit *>(QStringLiteral("txtFind"))->setText(QStringLiteral("資料"));
    board().setText(3, QStringLiteral("別の用事")); // changed while the search stayed open
    auto *list = search->findChild<QTreeView *>(QStringLiteral("lstFound"));
    ASSERT_EQ(list->model()->rowCount(), 1);
    list->setCurrentIndex(list->model()->index(0, 0));
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(prompter->messages.value(0), QStringLiteral("この項目はもうありません"));
    EXPECT_EQ(list->model()->rowCount(), 0);
    EXPECT_EQ(board().text(3), QStringLiteral("別の用事")); // nothing changed by the search
}

// What changed while the window stayed open is searched when it comes to the front again:
// done.txt read again only when it changed, the list's row kept when nothing did.
TEST_F(SearchApp, thePlacesAreTakenAnewWhenTheWindowComesToTheFront)
{
    auto *box = search->findChild<QLineEdit *>(QStringLiteral("txtFind"));
    auto *list = search->findChild<QTreeView *>(QStringLiteral("lstFound"));
    box->setText(QStringLiteral("kaigi"));
    ASSERT_EQ(list->model()->rowCount(), 6);
    list->setCurrentIndex(list->model()->index(2, 0));
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(search, &activate);
    EXPECT_EQ(list->currentIndex().row(), 2); // nothing changed: the row stays

    shelf().append(QStringLiteral("ｶｲｷﾞの後片付け"));
    writeBytes(path("done.txt"), sjis(QStringLiteral("26/12/01 カイギの準備\r\n26/12/02 ほか\r\n"
                                                     "26/12/07 かいぎ報告\r\n")));
    QCoreApplication::sendEvent(search, &activate);
    EXPECT_EQ(list->model()->rowCount(), 8);
}
