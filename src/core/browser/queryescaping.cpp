#include "queryescaping.h"

#include <QUrl>

namespace QueryEscaping {

QByteArray escaped(const QString &value)
{
    // Reserved characters that cannot end or split a query value stay as they are.
    return QUrl::toPercentEncoding(value, "/:@!$'()*,;");
}

} // namespace QueryEscaping
