#pragma once

#include <QVariant>
#include <QVariantList>

// The value transformers the editor's fields show the selected songs'
// values through. Pure functions; an invalid QVariant stands for an absent
// value, a list is a QVariantList.

// true when the list is present and holds at least one element.
struct Array2IsNonEmptyTransformer
{
    static bool transformedValue(const QVariant &list);
};

// true when the list holds more than one element.
struct Array2IsMultipleTransformer
{
    static bool transformedValue(const QVariant &list);
};

// false for the "no selection" index 2147483647; an absent index reads as 0.
struct SelectionIndex2IsValidTransformer
{
    static bool transformedValue(const QVariant &index);
};

// true as soon as one song of the list of modified states is modified.
struct Songs2IsDirtyTransformer
{
    static bool transformedValue(const QVariant &modifiedStates);
};

// The distinct values of a list, without those whose text form is "" or "0"
// (a year of 0, an empty field); absent for an absent list. The order is
// that of first appearance.
struct Array2SetAsArrayTransformer
{
    static QVariant transformedValue(const QVariant &list);
};

// A year as a field shows it: "" for absent or 0, the number otherwise.
// Backwards: the integer value of what was typed; absent stays absent.
struct Number2StringTransformer
{
    static QVariant transformedValue(const QVariant &number);
    static QVariant reverseTransformedValue(const QVariant &text);
};

// true when the text holds at least one character (so: "is not empty").
struct String2IsEmptyTransformer
{
    static bool transformedValue(const QVariant &text);
};
