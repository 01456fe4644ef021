// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Text still being composed in an input method (typed as romaji, not yet confirmed) is
// what the user sees in the box: every save and hand-over stores it.
#include "common/apphelper.h"
#include "common/testfiles.h"
#include "lists/frmtrash.h"
#include "phonebook/dlgtypeedit.h"
#include "phonebook/frmaddphone.h"
#include "phonebook/frmindexchange.h"
#include "phonebook/frmphonechange.h"
#include "phonebook/frmtel.h"
#include "phonebook/frmtypeedit.h"
#include "schedule/dlgschedule.h"
#include "schedule/frmschedule.h"

#include <QAction>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>

#include <functional>

namespace {

// What an input method sends while the user types kaigi: the composition, not yet text.
void compose(QLineEdit *box, const QString &preedit)
{
    box->setFocus();
    const QString before = box->text();
    QInputMethodEvent event(preedit, {});
    QApplication::sendEvent(box, &event);
    ASSERT_EQ(box->text(), before) << "a composition is not yet the box's text";
}

const QString kaigi = QString::fromUtf8("かいぎ");

QLineEdit *openSlot(frmTodo *w, int slot)
{
    QTest::mouseDClick(w->findChild<QWidget *>(QStringLiteral("lblTodo_%1").arg(slot)),
                       Qt::LeftButton);
    return w->findChild<QLineEdit *>(QStringLiteral("txtTodo_%1").arg(slot));
}

QPushButton *button(QWidget *w, const char *name)
{
    return w->findChild<QPushButton *>(QLatin1String(name));
}

} // namespace

TEST(Composition, everyQuitOfTheBoardStoresTheSlotBeingComposed)
{
    const std::pair<const char *, std::function<void(frmTodo *)>> ways[] = {
        {"閉じる", [](frmTodo *w) {
             QTest::mouseClick(w->findChild<QToolButton *>("cmdClose"), Qt::LeftButton);
         }},
        {"the close box", [](frmTodo *w) { w->close(); }},
        {"保存して終了", [](frmTodo *w) { w->findChild<QAction *>("mnuQuit")->trigger(); }},
        {"the editor hand-off", [](frmTodo *w) { w->mnuEditTel_Click(); }},
    };
    for (const auto &[what, quit] : ways) {
        AppRun run;
        frmTodo *w = run.startBoard();
        run.app->session().settings().editor = QStringLiteral("/bin/true");
        compose(openSlot(w, 0), kaigi);
        quit(w);
        EXPECT_TRUE(run.app->hasEnded() || run.app->session().hasEnded()) << what;
        EXPECT_TRUE(readBytes(run.path("todo.txt")).startsWith(sjis(kaigi + "\r\n"))) << what;
    }
}

TEST_F(AppTest, theCloseBoxesOfTheShelfAndTheScheduleCommitTheComposition)
{
    frmTodo *w = startBoard();
    for (QWidget *window : {static_cast<QWidget *>(&app->trashWindow()),
                            static_cast<QWidget *>(&app->scheduleWindow())}) {
        QLineEdit *slot = openSlot(w, 0);
        slot->clear();
        window->show();
        compose(slot, kaigi);
        window->close();
        EXPECT_EQ(board().editText(0), kaigi) << window->objectName().toStdString();
    }
}

TEST_F(AppTest, dialogsStoreWhatIsBeingComposedInTheirBoxesOnOk)
{
    writeBytes(path("tel.txt"), "aoki,a,k,t,1\r\n");
    startBoard();

    frmSchedule &schedule = app->scheduleWindow();
    schedule.show();
    button(&schedule, "cmdNew")->click();
    auto *entry = schedule.findChild<dlgSchedule *>();
    compose(entry->findChild<QLineEdit *>("txtEvent"), kaigi);
    button(entry, "cmdOK")->click();
    EXPECT_EQ(this->schedule().at(0).eventinfo, kaigi);

    frmTel &tel = app->telWindow();
    tel.show();
    button(&tel, "cmdAdd")->click();
    frmADDphone &add = app->addPhoneDialog();
    add.findChild<QLineEdit *>("txtIndex")->setText(QStringLiteral("ueda"));
    compose(add.findChild<QLineEdit *>("txtName"), kaigi);
    button(&add, "cmdAdd")->click();
    ASSERT_TRUE(phoneBook().find("ueda").has_value());
    EXPECT_EQ(phoneBook().at(*phoneBook().find("ueda")).name, kaigi);

    tel.setSearchText(QStringLiteral("aoki"));
    auto *grid = tel.findChild<QTableWidget *>("gridTel");
    grid->setCurrentCell(0, 1);
    tel.gridTel_DblClick();
    auto *pair = tel.findChild<frmPhoneChange *>();
    ASSERT_NE(pair, nullptr);
    pair->findChild<QLineEdit *>("txtPhonenumber")->clear();
    compose(pair->findChild<QLineEdit *>("txtPhonenumber"), QStringLiteral("03-1234-5678"));
    button(pair, "cmdOK")->click();
    EXPECT_EQ(phoneBook().at(*phoneBook().find("aoki")).phonenumber[0],
              QStringLiteral("03-1234-5678"));

    tel.setSearchText(QStringLiteral("aoki"));
    tel.lstIndex_DblClick();
    auto *index = tel.findChild<frmIndexChange *>();
    ASSERT_NE(index, nullptr);
    index->findChild<QLineEdit *>("txtIndex")->clear();
    compose(index->findChild<QLineEdit *>("txtIndex"), QStringLiteral("aoyama"));
    button(index, "cmdOK")->click();
    EXPECT_TRUE(phoneBook().find("aoyama").has_value());

    frmTypeEdit &types = app->typeEditWindow();
    types.open();
    types.cmdNew_Click();
    compose(types.typeDialog().findChild<QLineEdit *>("txtType"), kaigi);
    button(&types.typeDialog(), "cmdOK")->click();
    button(&types, "cmdClose")->click();
    EXPECT_TRUE(app->session().phoneTypes().stringList().contains(kaigi));
}

// An open name edit of the phone book is stored by the quit, composition and all.
TEST_F(AppTest, theQuitStoresThePhoneBooksOpenEdit)
{
    writeBytes(path("tel.txt"), "aoki,a,k\r\n");
    frmTodo *w = startBoard();
    frmTel &tel = app->telWindow();
    tel.show();
    tel.setSearchText(QStringLiteral("aoki"));
    QTest::mouseDClick(tel.findChild<QLabel *>("lblName"), Qt::LeftButton);
    auto *name = tel.findChild<QLineEdit *>("txtName");
    ASSERT_TRUE(name->isVisible());
    name->setText(QStringLiteral("Aoki "));
    name->setCursorPosition(int(name->text().size()));
    compose(name, QString::fromUtf8("たろう"));
    QTest::mouseClick(w->findChild<QToolButton *>("cmdClose"), Qt::LeftButton);
    ASSERT_TRUE(app->session().hasEnded());
    EXPECT_EQ(readBytes(path("tel.txt")), sjis(QString::fromUtf8("aoki,Aoki たろう,k\r\n")));
}
