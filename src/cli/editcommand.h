#pragma once

#include <QStringList>

// korvan-cli edit [options] PATH...: sets fields and images of every
// gathered song through the same operations as the editor, then saves.
class EditCommand
{
public:
    static int run(const QStringList &arguments);
};
