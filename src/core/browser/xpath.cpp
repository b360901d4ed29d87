#include "xpath.h"

#include <new>

namespace XPath {

bool load(pugi::xml_document &document, const QByteArray &bytes)
{
    // pugixml neither loads external entities nor expands DTD entities.
    const unsigned int options = pugi::parse_default & ~pugi::parse_doctype;
    const pugi::xml_parse_result result =
        document.load_buffer(bytes.constData(), size_t(bytes.size()), options);
    return bool(result) && document.document_element();
}

std::optional<pugi::xpath_node_set> nodes(const pugi::xml_node &context, const char *expression)
{
    try {
        return context.select_nodes(expression);
    } catch (const pugi::xpath_exception &) {
        return std::nullopt;
    } catch (const std::bad_alloc &) {
        return std::nullopt;
    }
}

QString stringForXPath(const char *expression, const pugi::xml_node &context, const QString &errorValue)
{
    const std::optional<pugi::xpath_node_set> found = nodes(context, expression);
    if (!found || found->empty())
        return errorValue;
    const pugi::xpath_node first = found->first();
    if (first.attribute())
        return QString::fromUtf8(first.attribute().value());
    static const pugi::xpath_query stringValue(".");
    return QString::fromStdString(stringValue.evaluate_string(first));
}

} // namespace XPath
