#pragma once

#include <QByteArray>
#include <QString>

// Writes one JSON object with its keys in the order they are added (the
// order the command line's readers are told to expect).
class JsonLine
{
public:
    JsonLine &add(const char *key, const QString &value);
    JsonLine &add(const char *key, qint64 value);
    JsonLine &add(const char *key, bool value);
    // VALUE is JSON already (an array or object built elsewhere).
    JsonLine &addRaw(const char *key, const QByteArray &value);
    QByteArray toJson() const;

    static QByteArray quoted(const QString &text);

private:
    void addKey(const char *key);
    QByteArray m_body;
};
