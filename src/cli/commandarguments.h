#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// The options and paths of one command: "--name value" for options that take
// a value, "--name" alone for switches, everything else a path. Any argument
// after "--" is a path.
class CommandArguments
{
public:
    // Parses ARGUMENTS; on an unknown option or a missing value returns false
    // and says why in ERROR.
    bool parse(const QStringList &arguments, const QStringList &valued, const QStringList &switches,
               QString &error);

    bool isSet(const QString &name) const;
    // The last value given for NAME, or a null QString.
    QString value(const QString &name) const;
    // Every value given for NAME, in order.
    QStringList values(const QString &name) const;
    const QStringList &paths() const { return m_paths; }

private:
    QList<QPair<QString, QString>> m_options;
    QStringList m_paths;
};
