#pragma once

#include <QStringList>

// korvan-cli read PATH...: prints the gathered songs as JSON lines.
class ReadCommand
{
public:
    static int run(const QStringList &arguments);
};
