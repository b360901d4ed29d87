#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

// Runs korvan-cli with ARGUMENTS and a settings folder of its own.
struct CliResult
{
    int exitCode = -1;
    QByteArray out, err;
    // The standard output's lines, without the final line end.
    QList<QByteArray> lines() const
    {
        return out.isEmpty() ? QList<QByteArray>() : out.trimmed().split('\n');
    }
};

CliResult runCli(const QStringList &arguments, const QString &configFolder);
