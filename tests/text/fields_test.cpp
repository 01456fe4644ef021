#include "text/fields.h"
#include "text/narrow.h"

#include <gtest/gtest.h>

TEST(SplitFields, cutsAtTheSeparatorKeepingEmptyFields)
{
    EXPECT_EQ(splitFields(QStringLiteral("a,,b"), QStringLiteral(",")).fields,
              QStringList({"a", "", "b"}));
    EXPECT_EQ(splitFields(QString(), QStringLiteral(",")).count(), 0);
    EXPECT_EQ(splitFields(QStringLiteral("no commas here"), QStringLiteral(",")).fields,
              QStringList({"no commas here"}));
    EXPECT_EQ(splitFields(QStringLiteral("a,b,"), QStringLiteral(",")).fields,
              QStringList({"a", "b", ""}));
    EXPECT_EQ(splitFields(QStringLiteral(" a  b "), QStringLiteral(" ")).fields,
              QStringList({"", "a", "", "b", ""}));
}

TEST(SplitFields, narrowsFirstSoFullWidthSeparatorsCountToo)
{
    const SplitFields f = splitFields(QString::fromUtf8("１２/５　ﾃｽﾄ　歯医者，Ｘ"), " ");
    EXPECT_EQ(f.fields, QStringList({"12/5", QString::fromUtf8("ﾃｽﾄ"),
                                      QString::fromUtf8("歯医者,X")}));
    EXPECT_EQ(f.at(7), QString());
}

TEST(SplitFields, keepsEveryFieldOfALineWithManySeparators)
{
    QStringList numbers;
    for (int i = 0; i < 32; ++i)
        numbers.append(QString::number(i));
    // 30 separators: 31 fields, as many as the old limit allowed.
    EXPECT_EQ(splitFields(numbers.mid(0, 31).join(','), ",").count(), 31);
    // 31 separators: nothing after the last one is dropped.
    const SplitFields many = splitFields(numbers.join(','), ",");
    EXPECT_EQ(many.fields, numbers);
}

TEST(Narrow, changesOnlyWhatHasAHalfWidthForm)
{
    EXPECT_EQ(narrow(QString::fromUtf8("ＡＢＣ１２３，　ｚ")), QStringLiteral("ABC123, z"));
    EXPECT_EQ(narrow(QString::fromUtf8("ガー、。「」・")), QString::fromUtf8("ｶﾞｰ､｡｢｣･"));
    const QString kept = QString::fromUtf8("漢字ひらがな→■○│￥￠￡￢");
    EXPECT_EQ(narrow(kept), kept);
}
