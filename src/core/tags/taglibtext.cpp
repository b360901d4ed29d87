#include "taglibtext.h"

#include <QFile>

namespace TagLibText {

QString toQString(const TagLib::String &string)
{
    if (string.isEmpty())
        return QStringLiteral("");
    const QString text = QString::fromUtf8(string.toCString(true));
    return text.isNull() ? QStringLiteral("") : text;
}

TagLib::String toTagLib(const QString &text)
{
    return TagLib::String(text.toStdString(), TagLib::String::UTF8);
}

QByteArray fileName(const QString &path)
{
    return QFile::encodeName(path);
}

TagLib::ByteVector toByteVector(const QByteArray &bytes)
{
    return TagLib::ByteVector(bytes.constData(), static_cast<unsigned int>(bytes.size()));
}

} // namespace TagLibText
