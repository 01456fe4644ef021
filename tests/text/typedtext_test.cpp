#include "text/typedtext.h"
#include "ui/typedtextvalidator.h"

#include <QLineEdit>

#include <gtest/gtest.h>

TEST(TypedText, storesJisFormsAsTheirCp932Forms)
{
    EXPECT_EQ(typedtext::clean(QString::fromUtf8("10〜12時 −5 ‖ — ¢£¬")),
              QString::fromUtf8("10～12時 －5 ∥ ― ￠￡￢"));
}

TEST(TypedText, dropsWhatCp932CannotHoldAndFlattensLineBreaks)
{
    EXPECT_EQ(typedtext::clean(QString::fromUtf8("会議😀\r\n資料\n準備\r")),
              QString::fromUtf8("会議 資料 準備 "));
}

TEST(TypedText, fieldTextsLoseTheirCommas)
{
    EXPECT_EQ(typedtext::cleanField(QString::fromUtf8("山田,太郎，様")),
              QString::fromUtf8("山田、太郎、様"));
    EXPECT_EQ(typedtext::clean(QStringLiteral("a,b")), QStringLiteral("a,b"));
}

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
