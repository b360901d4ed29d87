// Serves the release fixtures of tests/data/releases on 127.0.0.1 until
// killed, printing the service root: korvan-release-server [SECONDS]
#include "releaseserver.h"

#include <QCoreApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    ReleaseServer server;
    server.serveFixtures();
    std::printf("%s\n", server.root().toUtf8().constData());
    std::fflush(stdout);
    // Bounded: the server stops by itself after the given time (10 minutes by default).
    const int seconds = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 600;
    QTimer::singleShot(seconds * 1000, &app, &QCoreApplication::quit);
    return app.exec();
}
