// korvan-cli: the editor's core without a display, for scripts and checks.

#include "app/settings.h"
#include "batch/titlecase.h"
#include "batchcommand.h"
#include "browsercommands.h"
#include "clisession.h"
#include "editcommand.h"
#include "readcommand.h"

#include <QCoreApplication>
#include <QTextStream>

#include <csignal>
#include <cstdio>

namespace {

const char usage[] = R"(usage: korvan-cli COMMAND [options] PATH...

  read PATH...      print the songs found under PATH... as JSON lines
  edit [options] PATH...
                    change every song found, then save; options:
      --track T --title T --artist A --album-artist A --album A --genre G
      --year Y --comment C --compilation N --file-name NAME
      --clear artist|album-artist|album|genre|year|comment (repeatable)
      --clear-images, then --add-image FILE (repeatable), --remove-image FILE
      --dry-run     print the songs as they would be saved, save nothing
  number [--leading-zero on|off] [--count on|off] PATH...
  capitalize [--style title|upper|lower] PATH...
  name [--scheme artist-title|track-title|track-artist-title]
       [--separator hyphen|space] PATH...
  all-in-one [all of the above options] PATH...
                    run the batch command on every song found, then save
                    (options apply to this run only; --dry-run as for edit)
  titlecase TEXT... print each text in title case
  search [--server ROOT] [--cds-only on|off] QUERY
                    search the release database, print each release found
  apply [--server ROOT] --query Q [--cover N] [--uncheck I,J] [--yes]
        [--all-in-one] PATH...
                    search, take cover N (from 0) of all covers found, uncheck
                    titles I, J (from 0) of its release, copy the release into
                    the songs found and save; --yes goes on when the numbers
                    of songs and checked titles differ

Exit status: 0 done, 1 a file could not be saved, 2 bad usage or a failed search.
)";

} // namespace

int main(int argc, char *argv[])
{
    // A file size limit makes writes fail (and saving report it) instead of killing the process.
    std::signal(SIGXFSZ, SIG_IGN);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("korvan-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KORVAN_VERSION));
    Settings::registerDefaults();

    QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.isEmpty()) {
        std::fputs(usage, stderr);
        return CliSession::ExitUsage;
    }
    const QString command = arguments.takeFirst();
    if (command == QLatin1String("--help") || command == QLatin1String("help")) {
        std::fputs(usage, stdout);
        return CliSession::ExitDone;
    }
    if (command == QLatin1String("read"))
        return ReadCommand::run(arguments);
    if (command == QLatin1String("edit"))
        return EditCommand::run(arguments);
    if (command == QLatin1String("search"))
        return BrowserCommands::search(arguments);
    if (command == QLatin1String("apply"))
        return BrowserCommands::apply(arguments);
    if (command == QLatin1String("titlecase")) {
        QTextStream out(stdout);
        for (const QString &text : arguments)
            out << titlecaseString(text) << '\n';
        return CliSession::ExitDone;
    }
    for (const char *batch : {"number", "capitalize", "name", "all-in-one"}) {
        if (command == QLatin1String(batch))
            return BatchCommand::run(command, arguments);
    }
    return CliSession::usageError(QStringLiteral("unknown command %1").arg(command));
}
