#include "batchcommand.h"

#include "app/settings.h"
#include "batch/allinonecontroller.h"
#include "batch/capitalizationcontroller.h"
#include "batch/namingcontroller.h"
#include "batch/numberingcontroller.h"
#include "clisession.h"
#include "commandarguments.h"

#include <functional>

using namespace SettingsKeys;

namespace {

// One option's allowed values and what each sets for this run.
struct Choice
{
    const char *option;
    const char *command; // the single command that takes it; all-in-one takes all
    QList<QPair<QString, std::function<void()>>> values;
};

void choose(std::initializer_list<const char *> keys, int chosen)
{
    int index = 0;
    for (const char *key : keys)
        Settings::overrideForThisRun(key, index++ == chosen);
}

} // namespace

int BatchCommand::run(const QString &command, const QStringList &arguments)
{
    bool leadingZero = Settings::boolForKey(NUMBERING_LEADING_ZERO);
    bool count = Settings::boolForKey(NUMBERING_TRACK_COUNT);
    const auto on = QStringLiteral("on"), off = QStringLiteral("off");
    const std::initializer_list<const char *> styles = {CAPITALIZATION_TITLE_CASE, CAPITALIZATION_UPPER_CASE,
                                                        CAPITALIZATION_LOWER_CASE};
    const std::initializer_list<const char *> schemes = {NAMING_ARTIST_AND_TITLE, NAMING_TRACK_AND_TITLE,
                                                         NAMING_TRACK_ARTIST_AND_TITLE};
    const QList<Choice> choices = {
        {"leading-zero", "number", {{on, [&] { leadingZero = true; }}, {off, [&] { leadingZero = false; }}}},
        {"count", "number", {{on, [&] { count = true; }}, {off, [&] { count = false; }}}},
        {"style",
         "capitalize",
         {{QStringLiteral("title"), [&] { choose(styles, 0); }},
          {QStringLiteral("upper"), [&] { choose(styles, 1); }},
          {QStringLiteral("lower"), [&] { choose(styles, 2); }}}},
        {"scheme",
         "name",
         {{QStringLiteral("artist-title"), [&] { choose(schemes, 0); }},
          {QStringLiteral("track-title"), [&] { choose(schemes, 1); }},
          {QStringLiteral("track-artist-title"), [&] { choose(schemes, 2); }}}},
        {"separator",
         "name",
         {{QStringLiteral("hyphen"), [] { Settings::overrideForThisRun(NAMING_SEPARATE_BY_HYPHEN, true); }},
          {QStringLiteral("space"), [] { Settings::overrideForThisRun(NAMING_SEPARATE_BY_HYPHEN, false); }}}},
    };

    const bool allInOne = command == QLatin1String("all-in-one");
    QStringList valued;
    for (const Choice &choice : choices) {
        if (allInOne || command == QLatin1String(choice.command))
            valued.append(QString::fromLatin1(choice.option));
    }
    CommandArguments parsed;
    QString error;
    if (!parsed.parse(arguments, valued, {QStringLiteral("dry-run")}, error))
        return CliSession::usageError(error);
    for (const Choice &choice : choices) {
        const QString option = QString::fromLatin1(choice.option);
        const QString value = parsed.value(option);
        if (value.isNull())
            continue;
        const auto found = std::find_if(choice.values.begin(), choice.values.end(),
                                        [&](const auto &allowed) { return allowed.first == value; });
        if (found == choice.values.end())
            return CliSession::usageError(QStringLiteral("--%1 does not take %2").arg(option, value));
        found->second();
    }

    CliSession session;
    if (!session.load(parsed.paths(), error))
        return CliSession::usageError(error);
    EditorController &controller = session.controller();
    NumberingController numbering(controller);
    numbering.setLeadingZero(leadingZero);
    numbering.setTrackCount(count);
    CapitalizationController capitalization(controller);
    NamingController naming(controller);
    if (allInOne)
        AllInOneController(numbering, capitalization, naming).doAllInOne();
    else if (command == QLatin1String("number"))
        numbering.applyNumberingToSongs();
    else if (command == QLatin1String("capitalize"))
        capitalization.applyCapitalizationToSongs();
    else
        naming.applyNamingToSongs();
    return session.finish(parsed.isSet(QStringLiteral("dry-run")));
}
