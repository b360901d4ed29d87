#include "clirunner.h"

#include <QProcess>

#include <gtest/gtest.h>

CliResult runCli(const QStringList &arguments, const QString &configFolder)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configFolder);
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), configFolder + QStringLiteral("/cache"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(KORVAN_CLI_PATH), arguments);
    EXPECT_TRUE(process.waitForFinished(120000));
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}
