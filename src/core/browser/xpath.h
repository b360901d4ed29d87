#pragma once

#include <QByteArray>
#include <QString>

#include <pugixml.hpp>

#include <optional>

// XPath over pugixml documents, the way the release database's replies are read.
namespace XPath {

// Parses BYTES into DOCUMENT; false when they are no well-formed XML.
// Document type declarations are skipped and no entity is ever resolved.
bool load(pugi::xml_document &document, const QByteArray &bytes);
// The nodes EXPRESSION selects from CONTEXT, in document order, or nothing
// when the evaluation fails.
std::optional<pugi::xpath_node_set> nodes(const pugi::xml_node &context, const char *expression);
// The string value of the first node EXPRESSION selects from CONTEXT (all the
// text inside an element, an attribute's value), or ERROR_VALUE when it
// selects none or fails.
QString stringForXPath(const char *expression, const pugi::xml_node &context, const QString &errorValue);

} // namespace XPath
