#pragma once

#include <QByteArray>
#include <QString>

#include <taglib/tbytevector.h>
#include <taglib/tstring.h>

// Conversions at the border to TagLib: all text crosses as UTF-8.
namespace TagLibText {

// A TagLib string as text: "" (never null) for an empty string, otherwise its
// UTF-8 form read up to the first zero byte.
QString toQString(const TagLib::String &string);
// A text as a UTF-8 TagLib string.
TagLib::String toTagLib(const QString &text);
// A path as the bytes TagLib opens (UTF-8 on Linux, with the file system's own
// bytes kept for names that are not valid UTF-8).
QByteArray fileName(const QString &path);
TagLib::ByteVector toByteVector(const QByteArray &bytes);

} // namespace TagLibText
