#pragma once

#include <QString>

// The integer value of a text, the one rule used wherever a text becomes a
// number: leading white space and an optional sign are skipped and the decimal
// digits that follow are read up to the first other character. A text without
// such digits gives 0; values beyond the range of int are clamped to it.
int integerValue(const QString &text);
