#include "app/settings.h"
#include "songlistwindow.h"

#include <QApplication>
#include <QFileInfo>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Korvan"));
    QApplication::setApplicationName(QStringLiteral("Korvan"));
    QApplication::setApplicationVersion(QStringLiteral(KORVAN_VERSION));
    Settings::registerDefaults();

    SongListWindow window;
    window.show();
    QStringList paths;
    for (const QString &argument : QApplication::arguments().mid(1))
        paths.append(QFileInfo(argument).absoluteFilePath());
    if (!paths.isEmpty())
        window.addPaths(paths);
    return app.exec();
}
