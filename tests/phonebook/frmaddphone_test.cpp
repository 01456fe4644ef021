// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/saving.h"
#include "common/typing.h"
#include "phonebook/frmaddphone.h"
#include "phonerig.h"
#include "phonebook/frmtel.h"
#include "phonebook/frmtypeedit.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSignalSpy>

namespace {

class AddPhone : public ::testing::Test, public PhoneRig {
protected:
    void SetUp() override
    {
        QStringList full{"full", "f", ""};
        for (int j = 0; j < 11; ++j)
            full << "t" << QString::number(j);
        writeBytes(path("tel.txt"), sjis(QString::fromUtf8("aoki,青木,営業,電話,03-1111\r\n"))
                                        + full.join(',').toLatin1() + "\r\n");
        writeBytes(path("type.txt"), sjis(QString::fromUtf8("携帯\r\nFAX\r\n電話\r\n")));
        load();
        tel = &telWindow();
        dlg = &tel->addDialog();
        filed = std::make_unique<QSignalSpy>(tel, &frmTel::todoFiled);
    }

    template <typename T = QLineEdit> T *control(const char *name)
    {
        return dlg->findChild<T *>(QLatin1String(name));
    }
    QLineEdit *box(const char *name) { return control(name); }
    QComboBox *typeBox() { return control<QComboBox>("cboType"); }
    void clickAdd() { control<QPushButton>("cmdAdd")->click(); }
    bool telLocked() { return !tel->findChild<QListView *>("lstIndex")->isEnabled(); }
    QString selectedIndex()
    {
        return tel->findChild<QListView *>("lstIndex")->currentIndex().data().toString();
    }
    // A to-do in slot 5 with two numbers, as the board hands it over.
    void fromTodo(const QString &index)
    {
        tel->addFromTodo(5, index + " 03-5555 03-6666", index, QString::fromUtf8("青木二郎"),
                         {"03-5555", "03-6666"}, QString::fromUtf8("新宿"));
    }

    // The to-dos the window let go of: their slot and text.
    QList<std::pair<int, QString>> filedTodos()
    {
        QList<std::pair<int, QString>> r;
        for (const QList<QVariant> &signal : *filed)
            r.append({signal.at(0).toInt(), signal.at(1).toString()});
        return r;
    }

    frmTel *tel = nullptr;
    frmADDphone *dlg = nullptr;
    std::unique_ptr<QSignalSpy> filed;
};

} // namespace

// The three checks run in their order; each refusal keeps the dialog and adds nothing.
TEST_F(AddPhone, newEntryFromThePhoneBookChecksTheIndexAndStoresItAsTyped)
{
    tel->show();
    tel->findChild<QPushButton *>("cmdAdd")->click();
    ASSERT_TRUE(dlg->isVisible());
    EXPECT_EQ(dlg->windowModality(), Qt::ApplicationModal);
    EXPECT_TRUE(telLocked());
    EXPECT_EQ(typeBox()->currentText(), QString::fromUtf8("携帯")); // the first type

    const auto refused = [&](const QString &index) {
        prompter.messages.clear();
        box("txtIndex")->setText(index);
        clickAdd();
        EXPECT_TRUE(dlg->isVisible()) << index.toStdString();
        EXPECT_EQ(book.ntphone(), 2) << index.toStdString();
        return prompter.messages.value(0);
    };
    EXPECT_EQ(refused("  "), QString::fromUtf8("indexを入力して下さい。"));
    for (const char *bad : {"ab c", "a-b", "ｱｲ", "アイ", "ab "}) {
        const QString index = QString::fromUtf8(bad);
        EXPECT_EQ(refused(index), QString::fromUtf8("indexはalphabetと数字のみで構成して下さい。"));
        EXPECT_EQ(box("txtIndex")->selectedText(), index);
    }
    EXPECT_EQ(refused("aoki"),
              QString::fromUtf8("そのindexはすでに使用されています。新規のindexを入力して下さい。"));
    EXPECT_TRUE(telLocked());

    box("txtIndex")->setText(QString::fromUtf8("ＡＢＣ"));
    box("txtName")->setText(QString::fromUtf8("エー"));
    box("txtTel")->setText("06-1");
    box("txtKeyword")->setText(QString::fromUtf8("大阪"));
    clickAdd();
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_FALSE(telLocked());
    const auto pos = book.find(QString::fromUtf8("ＡＢＣ"));
    ASSERT_TRUE(pos.has_value());
    const phoneentry &e = book.at(*pos);
    EXPECT_EQ(e.name, QString::fromUtf8("エー"));
    EXPECT_EQ(e.keys, QString::fromUtf8("大阪"));
    ASSERT_EQ(e.numphone, 1);
    EXPECT_EQ(e.phonetype[0], QString::fromUtf8("携帯"));
    EXPECT_EQ(e.phonenumber[0], QStringLiteral("06-1"));

    // Case counts: Aoki is not aoki.
    tel->findChild<QPushButton *>("cmdAdd")->click();
    box("txtIndex")->setText("Aoki");
    clickAdd();
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(book.ntphone(), 4);

    // Stored full-width, read back narrowed.
    ASSERT_TRUE(saveAsTheQuit(path("tel.txt"), book.fileLines()).ok); // as the quit writes it
    PhoneBook again;
    (void)again.loadPhoneBook(path("tel.txt"));
    EXPECT_TRUE(again.find("ABC").has_value());
}

TEST_F(AddPhone, fromATodoWhoseIndexExistsAppendsOnePairAfterTheEntrysOwn)
{
    tel->show();
    tel->setSearchText("zzz"); // the last entry selected
    fromTodo("aoki");
    EXPECT_TRUE(tel->isVisible());
    ASSERT_TRUE(dlg->isVisible());
    EXPECT_EQ(dlg->windowModality(), Qt::NonModal);
    EXPECT_EQ(selectedIndex(), QStringLiteral("aoki"));
    EXPECT_EQ(control<QLabel>("lblHint")->text(),
              QString::fromUtf8("既存の aoki にこの項目を追加します。それでよい場合は、追加を押して下さい"));
    EXPECT_EQ(box("txtTel")->text(), QStringLiteral("03-5555")); // the first number only
    EXPECT_EQ(box("txtKeyword")->text(), QString::fromUtf8("新宿"));

    typeBox()->setEditText(QString::fromUtf8("会社"));
    tel->disablechange();
    clickAdd();
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_FALSE(telLocked());
    const phoneentry &e = book.at(*book.find("aoki"));
    EXPECT_EQ(e.name, QString::fromUtf8("青木二郎"));
    EXPECT_EQ(e.keys, QString::fromUtf8("新宿"));
    ASSERT_EQ(e.numphone, 2);
    EXPECT_EQ(e.phonenumber[0], QStringLiteral("03-1111"));
    EXPECT_EQ(e.phonetype[1], QString::fromUtf8("会社"));
    EXPECT_EQ(e.phonenumber[1], QStringLiteral("03-5555"));
    EXPECT_EQ(filedTodos(), (QList<std::pair<int, QString>>{{5, "aoki 03-5555 03-6666"}}));
}

TEST_F(AddPhone, fromATodoWithANewIndexEveryWayOutUnlocksAndOnlyAddEmptiesTheSlot)
{
    const QString todo = QStringLiteral("kato 03-5555 03-6666");
    const auto reopen = [&] {
        fromTodo("kato");
        tel->disablechange();
        ASSERT_TRUE(dlg->isVisible());
    };
    reopen();
    EXPECT_EQ(control<QLabel>("lblHint")->text(),
              QString::fromUtf8("新規のkatoを電話帳に追加します。よければ、追加を押して下さい。"));
    control<QPushButton>("cmdCancel")->click();
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_FALSE(telLocked());

    reopen();
    dlg->close(); // the close box
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_FALSE(telLocked());

    reopen();
    QTest::keyClick(box("txtName"), Qt::Key_Escape);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_FALSE(telLocked());
    EXPECT_TRUE(filedTodos().isEmpty()); // the to-do stays
    EXPECT_FALSE(book.find("kato").has_value());

    reopen();
    clickAdd();
    const phoneentry &e = book.at(*book.find("kato"));
    EXPECT_EQ(e.numphone, 1); // one pair, though the to-do held two numbers
    EXPECT_EQ(filedTodos(), (QList<std::pair<int, QString>>{{5, todo}}));
    EXPECT_FALSE(telLocked());
}

TEST_F(AddPhone, enterAddsOnlyOnceTheIndexBoxHasHeldText)
{
    tel->findChild<QPushButton *>("cmdAdd")->click();
    QTest::keyClick(box("txtName"), Qt::Key_Return);
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_TRUE(prompter.messages.isEmpty());
    QTest::keyClicks(box("txtIndex"), "x1");
    // The boxes follow the rule for typed text: no character CP932 lacks, no comma.
    typeText(box("txtName"), QString::fromUtf8("a,😀b"));
    typeText(typeBox()->lineEdit(), QStringLiteral("T,"));
    EXPECT_EQ(box("txtName")->text(), QString::fromUtf8("a、b")); // as the user sees it
    EXPECT_EQ(typeBox()->currentText(), QString::fromUtf8("携帯T、"));
    QTest::keyClick(box("txtTel"), Qt::Key_Return);
    EXPECT_FALSE(dlg->isVisible());
    ASSERT_TRUE(book.find("x1").has_value());
    const phoneentry &e = book.at(*book.find("x1"));
    EXPECT_EQ(e.name, QString::fromUtf8("a、b"));
    EXPECT_EQ(e.phonetype[0], QString::fromUtf8("携帯T、"));
}

// Sound behaviour: nothing is lost when the dialog meets a full entry or a full book, the
// index box was changed, or the board was used while the dialog stood open.
TEST_F(AddPhone, twelfthPairAndFullBookAreRefusedAndTheTodoStays)
{
    fromTodo("full");
    clickAdd();
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages[0].contains("11"));
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(book.at(*book.find("full")).numphone, 11);
    EXPECT_EQ(book.at(*book.find("full")).phonenumber[10], QStringLiteral("10"));
    EXPECT_TRUE(filedTodos().isEmpty());

    for (int i = book.ntphone(); i < PhoneBook::Capacity; ++i) {
        phoneentry filler;
        filler.index = QStringLiteral("z%1").arg(i, 4, 10, QLatin1Char('0'));
        ASSERT_TRUE(book.add(filler).has_value());
    }
    prompter.messages.clear();
    fromTodo("kato");
    clickAdd();
    EXPECT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(book.ntphone(), PhoneBook::Capacity);
    EXPECT_TRUE(filedTodos().isEmpty());
}

TEST_F(AddPhone, indexChangedToAnExistingOneAppendsInsteadOfOverwritingItsPairs)
{
    fromTodo("kato");
    box("txtIndex")->setText("aoki");
    clickAdd();
    const phoneentry &e = book.at(*book.find("aoki"));
    ASSERT_EQ(e.numphone, 2);
    EXPECT_EQ(e.phonenumber[0], QStringLiteral("03-1111"));
    EXPECT_EQ(e.phonenumber[1], QStringLiteral("03-5555"));
    EXPECT_FALSE(book.find("kato").has_value());
}

TEST_F(AddPhone, typeBoxShowsTheEditedListAndKeepsItsOwnText)
{
    EXPECT_EQ(typeBox()->currentText(), QString::fromUtf8("電話")); // the design text
    EXPECT_EQ(typeBox()->count(), 3);
    EXPECT_EQ(dlg->whichtype("FAX"), 1);
    EXPECT_EQ(dlg->whichtype("fax"), -1);

    frmTypeEdit editor(types, prompter);
    editor.open();
    auto *list = editor.findChild<QListView *>("lstType");
    list->setCurrentIndex(list->model()->index(1, 0));
    editor.findChild<QPushButton *>("cmdUp")->click();
    editor.findChild<QPushButton *>("cmdClose")->click();
    EXPECT_EQ(typeBox()->currentText(), QString::fromUtf8("電話"));
    EXPECT_EQ(dlg->whichtype("FAX"), 0);

    tel->findChild<QPushButton *>("cmdAdd")->click();
    EXPECT_EQ(typeBox()->currentText(), QStringLiteral("FAX"));
}

TEST_F(AddPhone, withoutTypesTheAddDialogKeepsItsDesignText)
{
    PhoneTypes none;
    frmTel empty(book, none, prompter);
    empty.findChild<QPushButton *>("cmdAdd")->click();
    frmADDphone &add = empty.addDialog();
    auto *designBox = add.findChild<QComboBox *>("cboType");
    EXPECT_TRUE(add.isVisible());
    EXPECT_EQ(designBox->count(), 0);
    EXPECT_EQ(designBox->currentText(), QString::fromUtf8("電話"));
}

// ＡＢＣ is read back as ABC, so typed full-width it is the entry ABC, whichever way it is
// added: two entries sharing an index would leave only the first reachable after a start.
TEST_F(AddPhone, anIndexTypedFullWidthIsTheEntryItNarrowsTo)
{
    const QString wide = QString::fromUtf8("ＡＯＫＩ");
    tel->show();
    tel->findChild<QPushButton *>("cmdAdd")->click();
    box("txtIndex")->setText(QString::fromUtf8("ａｏｋｉ"));
    clickAdd();
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(prompter.messages.value(0),
              QString::fromUtf8("そのindexはすでに使用されています。新規のindexを入力して下さい。"));
    EXPECT_EQ(book.ntphone(), 2);
    control<QPushButton>("cmdCancel")->click();

    // Case still counts: ＡＯＫＩ is not aoki, and is a new entry.
    tel->findChild<QPushButton *>("cmdAdd")->click();
    box("txtIndex")->setText(wide);
    clickAdd();
    ASSERT_EQ(book.ntphone(), 3);

    // From a to-do, aoki typed full-width in the index box is the entry aoki.
    fromTodo("aoki");
    box("txtIndex")->setText(QString::fromUtf8("ａｏｋｉ"));
    clickAdd();
    EXPECT_EQ(book.ntphone(), 3);
    const auto pos = book.find("aoki");
    ASSERT_TRUE(pos.has_value());
    EXPECT_EQ(book.at(*pos).index, QStringLiteral("aoki")); // as the list shows it
    EXPECT_EQ(book.at(*pos).numphone, 2);
    EXPECT_EQ(book.at(*pos).phonenumber[1], QStringLiteral("03-5555"));
    EXPECT_EQ(filedTodos().size(), 1);
    // And the to-do's narrowed AOKI finds the entry stored full-width.
    fromTodo("AOKI");
    EXPECT_TRUE(control<QLabel>("lblHint")->text().startsWith(QString::fromUtf8("既存の AOKI ")));
    control<QPushButton>("cmdCancel")->click();

    ASSERT_TRUE(saveAsTheQuit(path("tel.txt"), book.fileLines()).ok); // as the quit writes it
    PhoneBook again;
    (void)again.loadPhoneBook(path("tel.txt"));
    EXPECT_EQ(again.ntphone(), 3);
}
