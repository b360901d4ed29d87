#include "app/numericalcompare.h"
#include "testsupport.h"

TEST(NumericalCompare, OrdersDigitRunsByValue)
{
    const struct
    {
        const char16_t *a, *b;
        int result;
    } cases[] = {
        {u"track2", u"track10", -1},
        {u"3/12", u"10/12", -1},
        {u"a01", u"a1", 0},
        {u"007", u"7", 0},
        {u"a01b", u"a1c", -1},
        {u"x2y", u"x2", 1},
        {u"1.10", u"1.9", 1},
        {u"Zebra", u"apple", -1},
        {u"abc", u"abcd", -1},
        {u"1", u"a", -1},
        {u"", u"", 0},
        {u"", u"a", -1},
        {u"1", u" ", 1},
        {u"1", u"-", 1},
        {u"é", u"f", 1},
        {u"9", u"09", 0},
    };
    for (const auto &c : cases) {
        const QString a = QString::fromUtf16(c.a), b = QString::fromUtf16(c.b);
        EXPECT_EQ(numericalCompare(a, b), c.result) << a.toStdString() << " vs " << b.toStdString();
        EXPECT_EQ(numericalCompare(b, a), -c.result) << b.toStdString() << " vs " << a.toStdString();
    }
}

TEST(NumericalCompare, HugeDigitRunsWrapButStayOrdered)
{
    // 18446744073709551616 is 2^64: it wraps to 0, and so sorts before 1.
    EXPECT_EQ(numericalCompare(QStringLiteral("x18446744073709551616"), QStringLiteral("x1")), -1);
    EXPECT_EQ(numericalCompare(QStringLiteral("x18446744073709551615"), QStringLiteral("x1")), 1);
    EXPECT_EQ(numericalCompare(QStringLiteral("18446744073709551617"), QStringLiteral("1")), 0);
    const QString same = QStringLiteral("track 7");
    EXPECT_EQ(numericalCompare(same, same), 0);
}
