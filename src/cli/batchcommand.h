#pragma once

#include <QString>
#include <QStringList>

// korvan-cli number | capitalize | name | all-in-one [options] PATH...: runs
// a batch command on every gathered song, then saves. Options override the
// stored settings for this run only.
class BatchCommand
{
public:
    static int run(const QString &command, const QStringList &arguments);
};
