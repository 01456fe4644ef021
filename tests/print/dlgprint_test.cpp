// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/dlgprint.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

TEST(PrintChoiceDialog, eachChoiceCarriesWhatItNeedsAndOnlyThat)
{
    const QDate today(2026, 12, 11);
    dlgPrint dialog(today, false, nullptr);
    dialog.show();
    const auto radio = [&](const char *name) { return dialog.findChild<QRadioButton *>(name); };
    PrintChoice c = dialog.choice();
    EXPECT_EQ(c.what, PrintChoice::Schedule);
    EXPECT_EQ(c.from, today);
    EXPECT_EQ(c.days, 14);
    dialog.findChild<QSpinBox *>("spnDays")->setValue(7);
    EXPECT_EQ(dialog.choice().days, 7);

    // No entry selected in the phone book: the whole book, whatever the box says.
    auto *selected = dialog.findChild<QCheckBox *>("chkSelected");
    radio("optPhone")->click();
    EXPECT_FALSE(selected->isEnabled());
    selected->setChecked(true);
    EXPECT_FALSE(dialog.choice().onlySelected);

    radio("optDone")->click();
    EXPECT_FALSE(dialog.findChild<QSpinBox *>("spnDays")->isEnabled());
    c = dialog.choice();
    EXPECT_EQ(c.what, PrintChoice::Done);
    EXPECT_EQ(c.from, QDate(2026, 12, 5));
    EXPECT_EQ(c.to, today);

    radio("optBoard")->click();
    EXPECT_EQ(dialog.choice().what, PrintChoice::Board);

    dlgPrint withEntry(today, true, nullptr);
    withEntry.findChild<QRadioButton *>("optPhone")->click();
    auto *only = withEntry.findChild<QCheckBox *>("chkSelected");
    EXPECT_TRUE(only->isEnabled());
    only->setChecked(true);
    EXPECT_TRUE(withEntry.choice().onlySelected);
}
