#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>

class QThread;

// A real HTTP server on 127.0.0.1 (a free port), running on a thread of its
// own, that plays the release database: it serves configured replies by
// path and records every request target it receives.
class ReleaseServer
{
public:
    // How the server answers one path.
    struct Route
    {
        int status = 200;
        QByteArray body;
        QByteArray contentType = "text/xml; charset=utf-8";
        int delayMilliseconds = 0;
        // Reset the connection instead of answering.
        bool closeConnection = false;
        // Send the headers and half the body, then nothing more.
        bool stallHalfWay = false;
    };

    ReleaseServer();
    ~ReleaseServer();

    // "http://127.0.0.1:PORT/"
    QString root() const;
    // Answers requests for PATH (the target without its query, without the
    // leading "/") with ROUTE; a PATH ending in "*" answers every path that
    // begins like it. "{root}" in the body becomes root().
    void serve(const QString &path, const Route &route);
    // Serves tests/data/releases/NAME, or tests/data/NAME for pictures.
    void serveFixture(const QString &path, const QString &name);
    // The search, releases 101 to 103 and the pictures of tests/data/releases.
    void serveFixtures();
    // The request targets received so far, in order ("/search?type=...").
    QStringList requests() const;

private:
    class Handler;
    std::unique_ptr<QThread> m_thread;
    Handler *m_handler;
};
