#include "app/settings.h"
#include "controllers.h"
#include "mainwindow.h"
#include "messageboxalerts.h"
#include "shell/donationcheck.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QIcon>
#include <QTimer>

#include <csignal>

int main(int argc, char *argv[])
{
    // A file size limit makes writes fail (and saving report it) instead of killing the process.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Korvan"));
    QApplication::setApplicationName(QStringLiteral("Korvan"));
    QApplication::setApplicationVersion(QStringLiteral(KORVAN_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("korvan"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/korvan.png")));
    Settings::registerDefaults();

    Controllers controllers;
    MainWindow window(controllers);
    window.show();

    // Files handed over on the command line, as the desktop opens them with Korvan.
    QStringList paths;
    for (const QString &argument : QApplication::arguments().mid(1))
        paths.append(QFileInfo(argument).absoluteFilePath());
    MessageBoxAlerts alerts(&window);
    DonationCheck donation(alerts, [](const QUrl &url) { QDesktopServices::openUrl(url); });
    QTimer::singleShot(0, &window, [&] {
        if (!paths.isEmpty())
            controllers.editor.traverseFiles(paths);
        donation.checkDonation(QApplication::applicationVersion());
    });
    return app.exec();
}
