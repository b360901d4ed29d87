#include "jsonline.h"

#include <QJsonArray>
#include <QJsonDocument>

QByteArray JsonLine::quoted(const QString &text)
{
    // Let Qt do the escaping: serialise a one-element array and strip the brackets.
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

void JsonLine::addKey(const char *key)
{
    if (!m_body.isEmpty())
        m_body += ',';
    m_body += '"';
    m_body += key;
    m_body += "\":";
}

JsonLine &JsonLine::add(const char *key, const QString &value)
{
    addKey(key);
    m_body += quoted(value);
    return *this;
}

JsonLine &JsonLine::add(const char *key, qint64 value)
{
    addKey(key);
    m_body += QByteArray::number(value);
    return *this;
}

JsonLine &JsonLine::add(const char *key, bool value)
{
    addKey(key);
    m_body += value ? "true" : "false";
    return *this;
}

JsonLine &JsonLine::addRaw(const char *key, const QByteArray &value)
{
    addKey(key);
    m_body += value;
    return *this;
}

QByteArray JsonLine::toJson() const
{
    return '{' + m_body + '}';
}
