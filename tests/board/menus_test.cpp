// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/frmregedit.h"
#include "boardrig.h"

#include <QAction>
#include <QPushButton>
#include <QSignalSpy>

namespace {

class BoardMenus : public ::testing::Test, public BoardRig {
protected:
    QAction *action(const char *name) { return w->findChild<QAction *>(QLatin1String(name)); }
};

} // namespace

TEST_F(BoardMenus, checkItemsFollowTheOptions)
{
    EXPECT_TRUE(action("mnuInsert")->isChecked());
    action("mnuOverwrite")->trigger();
    EXPECT_EQ(options.editMode, EditMode::Overwrite);
    EXPECT_FALSE(action("mnuInsert")->isChecked());
    EXPECT_TRUE(action("mnuOverwrite")->isChecked());
    action("mnuInsert")->trigger();
    EXPECT_EQ(options.editMode, EditMode::Insert);
    EXPECT_FALSE(action("mnuOverwrite")->isChecked());

    action("mnuStartup")->trigger();
    EXPECT_TRUE(action("mnuStartup")->isChecked());
    EXPECT_TRUE(options.skipStartup);
    action("mnuStartup")->trigger();
    EXPECT_FALSE(options.skipStartup);
    EXPECT_FALSE(action("mnuStartup")->isChecked());
    EXPECT_FALSE(action("mnuRegEdit")->isEnabled());
}

TEST_F(BoardMenus, endingEntriesAskFirst)
{
    QSignalSpy justQuit(w.get(), &frmTodo::quitWithoutSavingRequested);
    QSignalSpy edit(w.get(), &frmTodo::editFileRequested);
    prompter.answers = {false, true, false, true};
    action("mnuJustQuit")->trigger();
    action("mnuJustQuit")->trigger();
    EXPECT_EQ(justQuit.count(), 1);
    EXPECT_EQ(prompter.messages.value(0), QString::fromUtf8("Todoを保存せずに終了して良いですか？"));
    action("mnuEditSche")->trigger();
    action("mnuEditTel")->trigger();
    ASSERT_EQ(edit.count(), 1);
    EXPECT_EQ(edit.at(0).at(0).value<DataFile>(), DataFile::Tel);
    EXPECT_EQ(prompter.messages.value(2),
              QString::fromUtf8("todoは一旦終了します。編集終了後に再起動して下さい。"));
}

TEST_F(BoardMenus, editorEntryHandsOverItsOwnFile)
{
    const std::pair<const char *, const char *> entries[] = {
        {"mnuEditDone", "done.txt"},
        {"mnuEditTrash", "closet.txt"},
        {"mnuEditSche", "schedule.txt"},
        {"mnuEditTel", "tel.txt"},
    };
    QSignalSpy edit(w.get(), &frmTodo::editFileRequested);
    for (const auto &[entry, file] : entries) {
        action(entry)->trigger();
        ASSERT_EQ(edit.count(), 1) << entry;
        EXPECT_EQ(dataFileName(edit.takeFirst().at(0).value<DataFile>()), QLatin1String(file))
            << entry;
    }
}

TEST_F(BoardMenus, registrationDialogOnlyCloses)
{
    w->mnuRegEdit_Click();
    auto *dialog = w->findChild<frmRegEdit *>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(dialog->findChild<QPushButton *>("cmdCancel")->isDefault());
    dialog->findChild<QPushButton *>("cmdOK")->click();
    EXPECT_FALSE(dialog->isVisible());
}
