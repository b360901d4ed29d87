#include "browsercommands.h"

#include "app/settings.h"
#include "batch/allinonecontroller.h"
#include "batch/capitalizationcontroller.h"
#include "batch/namingcontroller.h"
#include "batch/numberingcontroller.h"
#include "browser/browsercontroller.h"
#include "browser/httpclient.h"
#include "browser/onlinesearch.h"
#include "clisession.h"
#include "commandarguments.h"
#include "images/imagecontroller.h"
#include "model/cover.h"
#include "model/release.h"
#include "releasejson.h"

#include <cstdio>

namespace {

// Applies --server and --cds-only for this run; false (with ERROR) on a bad value.
bool applyServerOptions(const CommandArguments &parsed, QString &error)
{
    const QString server = parsed.value(QStringLiteral("server"));
    if (!server.isNull())
        Settings::overrideForThisRun(SettingsKeys::RELEASE_DATABASE_ROOT,
                                     server.endsWith(u'/') ? server : server + u'/');
    const QString cdsOnly = parsed.value(QStringLiteral("cds-only"));
    if (cdsOnly.isNull())
        return true;
    if (cdsOnly != QLatin1String("on") && cdsOnly != QLatin1String("off")) {
        error = QStringLiteral("--cds-only takes on or off");
        return false;
    }
    Settings::overrideForThisRun(SettingsKeys::SEARCH_FOR_CDS_ONLY, cdsOnly == QLatin1String("on"));
    return true;
}

} // namespace

int BrowserCommands::search(const QStringList &arguments)
{
    CommandArguments parsed;
    QString error;
    if (!parsed.parse(arguments, {QStringLiteral("server"), QStringLiteral("cds-only")}, {}, error) ||
        !applyServerOptions(parsed, error))
        return CliSession::usageError(error);
    if (parsed.paths().isEmpty())
        return CliSession::usageError(QStringLiteral("search needs a query"));
    CliAlerts alerts;
    BrowserController browser(std::make_unique<HttpClient>(HttpClient::defaultCacheFolder()));
    browser.setAlerts(&alerts);
    browser.setSearchString(parsed.paths().join(u' '));
    if (!browser.searchDiscogs())
        return CliSession::ExitUsage;
    for (const auto &release : browser.releases()) {
        const QByteArray line = releaseJson(*release) + '\n';
        std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    }
    return CliSession::ExitDone;
}

int BrowserCommands::apply(const QStringList &arguments)
{
    CommandArguments parsed;
    QString error;
    const QStringList valued = {QStringLiteral("server"), QStringLiteral("cds-only"), QStringLiteral("query"),
                                QStringLiteral("cover"), QStringLiteral("uncheck")};
    const QStringList switches = {QStringLiteral("yes"), QStringLiteral("all-in-one"),
                                  QStringLiteral("dry-run")};
    if (!parsed.parse(arguments, valued, switches, error) || !applyServerOptions(parsed, error))
        return CliSession::usageError(error);
    if (parsed.value(QStringLiteral("query")).isNull())
        return CliSession::usageError(QStringLiteral("apply needs --query"));
    bool numeric = true;
    const int coverIndex = parsed.value(QStringLiteral("cover")).isNull()
                               ? 0
                               : parsed.value(QStringLiteral("cover")).toInt(&numeric);
    QList<int> unchecked;
    for (const QString &index : parsed.value(QStringLiteral("uncheck")).split(u',', Qt::SkipEmptyParts)) {
        bool ok = false;
        unchecked.append(index.trimmed().toInt(&ok));
        numeric = numeric && ok;
    }
    if (!numeric)
        return CliSession::usageError(QStringLiteral("--cover and --uncheck take numbers"));
    if (parsed.isSet(QStringLiteral("all-in-one")))
        Settings::overrideForThisRun(SettingsKeys::ALL_IN_ONE_AFTER_APPLY, true);

    CliSession session;
    if (!session.load(parsed.paths(), error))
        return CliSession::usageError(error);
    session.alerts().setGoOn(parsed.isSet(QStringLiteral("yes")));
    EditorController &editor = session.controller();
    ImageController images(editor);
    BrowserController browser(std::make_unique<HttpClient>(HttpClient::defaultCacheFolder()));
    browser.setAlerts(&session.alerts());
    NumberingController numbering(editor);
    CapitalizationController capitalization(editor);
    NamingController naming(editor);
    AllInOneController allInOne(numbering, capitalization, naming);
    OnlineSearch search(editor, images, browser, allInOne);

    browser.setSearchString(parsed.value(QStringLiteral("query")));
    if (!browser.searchDiscogs())
        return CliSession::ExitUsage;
    if (coverIndex < 0 || size_t(coverIndex) >= browser.covers().size())
        return CliSession::usageError(QStringLiteral("the search found %1 covers; there is no cover %2")
                                          .arg(browser.covers().size())
                                          .arg(coverIndex));
    browser.setSelectedIndex(coverIndex);
    for (int row : unchecked) {
        if (browser.flagAt(row) == 1)
            browser.toggleFlag(row);
    }
    browser.applySearchResultsToSongs();
    return session.finish(parsed.isSet(QStringLiteral("dry-run")));
}
