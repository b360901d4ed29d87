#pragma once

#include <QByteArray>
#include <QString>

// Percent escaping of values put into a query, so that they reach the server
// whole: UTF-8, a blank as %20, and "&", "+", "=", "#", "?" and "%" escaped
// like every character not allowed in an address.
namespace QueryEscaping {

QByteArray escaped(const QString &value);

} // namespace QueryEscaping
