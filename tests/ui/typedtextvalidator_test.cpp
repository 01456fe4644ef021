// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/typedtextvalidator.h"

#include <QLineEdit>

#include <gtest/gtest.h>

TEST(TypedTextValidator, cleansWhatIsTypedOrPastedAndKeepsTheCursor)
{
    QLineEdit edit;
    TypedTextValidator::install(&edit, TypedTextValidator::Field);
    edit.insert(QString::fromUtf8("ab😀c,d"));
    EXPECT_EQ(edit.text(), QString::fromUtf8("abc、d"));
    EXPECT_EQ(edit.cursorPosition(), 5);
    edit.setCursorPosition(1);
    edit.insert(QStringLiteral("x\ny"));
    EXPECT_EQ(edit.text(), QString::fromUtf8("ax ybc、d"));
    EXPECT_EQ(edit.cursorPosition(), 4);
}
