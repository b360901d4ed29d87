#include "app/settings.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    // Keep every test away from the user's own settings, whatever a test forgets.
    QTemporaryDir configHome;
    qputenv("XDG_CONFIG_HOME", configHome.path().toUtf8());
    qputenv("XDG_CACHE_HOME", (configHome.path() + QStringLiteral("/cache")).toUtf8());
    QCoreApplication app(argc, argv);
    Settings::registerDefaults();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
