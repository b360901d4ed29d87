#include "app/editorcontroller.h"
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

    EditorController controller;
    SongListWindow window(controller);
    window.show();
    QStringList paths;
    for (const QString &argument : QApplication::arguments().mid(1))
        paths.append(QFileInfo(argument).absoluteFilePath());
    if (!paths.isEmpty())
        controller.traverseFiles(paths);
    return app.exec();
}
