#include "valuetransformers.h"

#include "app/editorcontroller.h"
#include "app/textvalue.h"

#include <QSet>

#include <algorithm>

namespace {

// A value's text form: a text is its own, a number its decimal notation.
QString textForm(const QVariant &value)
{
    return value.toString();
}

} // namespace

bool Array2IsNonEmptyTransformer::transformedValue(const QVariant &list)
{
    return list.isValid() && !list.toList().isEmpty();
}

bool Array2IsMultipleTransformer::transformedValue(const QVariant &list)
{
    return list.isValid() && list.toList().size() > 1;
}

bool SelectionIndex2IsValidTransformer::transformedValue(const QVariant &index)
{
    return index.toUInt() != unsigned(EditorController::NotFound);
}

bool Songs2IsDirtyTransformer::transformedValue(const QVariant &modifiedStates)
{
    const QVariantList states = modifiedStates.toList();
    return std::any_of(states.begin(), states.end(), [](const QVariant &state) { return state.toBool(); });
}

QVariant Array2SetAsArrayTransformer::transformedValue(const QVariant &list)
{
    if (!list.isValid())
        return QVariant();
    // A selection may hold thousands of songs: collapse duplicates through a
    // hash of type and text form, which is equality for texts and for numbers.
    QVariantList distinct;
    QSet<QString> seen;
    for (const QVariant &value : list.toList()) {
        const QString text = textForm(value);
        if (text.isEmpty() || text == QLatin1String("0"))
            continue;
        const QString key = QString::number(value.typeId()) + u':' + text;
        if (seen.contains(key))
            continue;
        seen.insert(key);
        distinct.append(value);
    }
    return distinct;
}

QVariant Number2StringTransformer::transformedValue(const QVariant &number)
{
    if (!number.isValid() || textForm(number) == QLatin1String("0"))
        return QStringLiteral("");
    return number;
}

QVariant Number2StringTransformer::reverseTransformedValue(const QVariant &text)
{
    if (!text.isValid())
        return QVariant();
    return integerValue(textForm(text));
}

bool String2IsEmptyTransformer::transformedValue(const QVariant &text)
{
    return text.isValid() && !text.toString().isEmpty();
}
