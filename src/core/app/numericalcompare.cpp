#include "numericalcompare.h"

#include <algorithm>

namespace {

inline bool isDecimalDigit(char16_t c)
{
    return c >= 48 && c <= 57;
}

template<typename T> inline int compareUnsigned(T a, T b)
{
    return a < b ? -1 : (a > b ? 1 : 0);
}

// Reads the digit run starting at POS, advancing POS past it.
inline quint64 digitRun(const char16_t *text, qsizetype size, qsizetype &pos)
{
    quint64 value = 0;
    for (; pos < size && isDecimalDigit(text[pos]); ++pos)
        value = value * 10 + quint64(text[pos] - u'0');
    return value;
}

} // namespace

int numericalCompare(const QString &a, const QString &b)
{
    const auto *ca = reinterpret_cast<const char16_t *>(a.constData());
    const auto *cb = reinterpret_cast<const char16_t *>(b.constData());
    const qsizetype na = a.size();
    const qsizetype nb = b.size();
    if (ca == cb && na == nb)
        return 0;
    qsizetype pa = 0;
    qsizetype pb = 0;
    // Each pass compares up to the next pair of digit runs; equal runs go on
    // with the rest of both texts.
    for (;;) {
        const qsizetype la = na - pa;
        const qsizetype lb = nb - pb;
        const qsizetype m = std::min(la, lb);
        qsizetype i = 0;
        for (; i < m; ++i) {
            const char16_t x = ca[pa + i];
            const char16_t y = cb[pb + i];
            if (x != y || isDecimalDigit(x) || isDecimalDigit(y))
                break;
        }
        if (i == m)
            return compareUnsigned(la, lb);
        const char16_t x = ca[pa + i];
        const char16_t y = cb[pb + i];
        if (!isDecimalDigit(x) || !isDecimalDigit(y))
            return compareUnsigned(x, y);
        pa += i;
        pb += i;
        const quint64 va = digitRun(ca, na, pa);
        const quint64 vb = digitRun(cb, nb, pb);
        if (va != vb)
            return compareUnsigned(va, vb);
    }
}
