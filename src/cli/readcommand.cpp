#include "readcommand.h"

#include "clisession.h"
#include "commandarguments.h"

int ReadCommand::run(const QStringList &arguments)
{
    CommandArguments parsed;
    QString error;
    if (!parsed.parse(arguments, {}, {}, error))
        return CliSession::usageError(error);
    CliSession session;
    if (!session.load(parsed.paths(), error))
        return CliSession::usageError(error);
    session.printSongs();
    return CliSession::ExitDone;
}
