#include "browser/httpclient.h"
#include "releaseserver.h"
#include "testsupport.h"

#include <QElapsedTimer>

using Route = ReleaseServer::Route;

// Every way a server can fail ends in a failed reply, in bounded time.
TEST(HttpClient, HostileRepliesFailCleanly)
{
    ReleaseServer server;
    QByteArray big(300000, 'x');
    server.serve(QStringLiteral("ok"), Route{200, "<resp/>"});
    server.serve(QStringLiteral("slow"), Route{200, "<resp/>", "text/xml", 3000, false, false});
    server.serve(QStringLiteral("stall"), Route{200, QByteArray(1000, 'x'), "text/xml", 0, false, true});
    server.serve(QStringLiteral("reset"), Route{200, "", "text/xml", 0, true, false});
    server.serve(QStringLiteral("error"),
                 Route{500, "<html><body>Internal error</body></html>", "text/html"});
    server.serve(QStringLiteral("big"), Route{200, big});
    const HttpClient client(QString(), 500, 100000);

    const HttpClient::Reply ok = client.get(QUrl(server.root() + QStringLiteral("ok")));
    EXPECT_TRUE(ok.ok);
    EXPECT_EQ(ok.body, QByteArray("<resp/>"));
    EXPECT_EQ(ok.status, 200);

    for (const char *path : {"slow", "stall", "reset", "error", "big", "missing"}) {
        QElapsedTimer timer;
        timer.start();
        const HttpClient::Reply reply = client.get(QUrl(server.root() + QLatin1String(path)));
        EXPECT_FALSE(reply.ok) << path;
        EXPECT_FALSE(reply.error.isEmpty()) << path;
        EXPECT_LT(timer.elapsed(), 2500) << path << " took longer than its timeout";
    }
    EXPECT_TRUE(server.requests().first().startsWith(QStringLiteral("/ok")));
}
