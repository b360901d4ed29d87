#include "app/valuetransformers.h"
#include "testsupport.h"

#include <QSet>

TEST(ValueTransformers, DistinctValuesDropEmptyAndZero)
{
    const QVariantList artists = {QStringLiteral("Ann"), QStringLiteral("Bo"), QStringLiteral("Ann"),
                                  QStringLiteral("")};
    EXPECT_EQ(Array2SetAsArrayTransformer::transformedValue(artists).toList(),
              (QVariantList{QStringLiteral("Ann"), QStringLiteral("Bo")}));
    const QVariantList years = {1999, 0, 1999, 2001};
    EXPECT_EQ(Array2SetAsArrayTransformer::transformedValue(years).toList(), (QVariantList{1999, 2001}));
    EXPECT_EQ(Array2SetAsArrayTransformer::transformedValue(QVariantList{QStringLiteral("0")}).toList(),
              QVariantList());
    const QVariant empty = Array2SetAsArrayTransformer::transformedValue(QVariantList());
    EXPECT_TRUE(empty.isValid());
    EXPECT_TRUE(empty.toList().isEmpty());
    EXPECT_FALSE(Array2SetAsArrayTransformer::transformedValue(QVariant()).isValid());
}

TEST(ValueTransformers, YearFieldShowsNothingForZero)
{
    EXPECT_EQ(Number2StringTransformer::transformedValue(0).toString(), QStringLiteral(""));
    EXPECT_EQ(Number2StringTransformer::transformedValue(QVariant()).toString(), QStringLiteral(""));
    EXPECT_EQ(Number2StringTransformer::transformedValue(1999).toString(), QStringLiteral("1999"));
    EXPECT_EQ(Number2StringTransformer::reverseTransformedValue(QStringLiteral("2001")).toInt(), 2001);
    EXPECT_EQ(Number2StringTransformer::reverseTransformedValue(QStringLiteral("abc")).toInt(), 0);
    EXPECT_EQ(Number2StringTransformer::reverseTransformedValue(QStringLiteral("")), QVariant(0));
    EXPECT_FALSE(Number2StringTransformer::reverseTransformedValue(QVariant()).isValid());
}
