#pragma once

#include <QString>

// Compares texts so that runs of decimal digits compare by value: "track2"
// sorts before "track10", "a01" equals "a1". Everything else compares by UTF-16
// code unit, so the order is case-sensitive ("B" before "a"). Digit runs are
// read as unsigned 64-bit numbers and wrap beyond 2^64 - 1.
// Returns -1 when A sorts first, 0 when they are the same, +1 otherwise.
// Allocates nothing.
int numericalCompare(const QString &a, const QString &b);
