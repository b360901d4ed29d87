#include "app/settings.h"
#include "browser/browsercontroller.h"
#include "browser/httpclient.h"
#include "model/release.h"
#include "releaseserver.h"
#include "scriptedalerts.h"
#include "testsupport.h"

#include <QElapsedTimer>

using Route = ReleaseServer::Route;

// A release database that misbehaves: every search ends in the failure alert
// or in a correct result, within the timeout, and nothing crashes.
class HostileServerTest : public KorvanTest
{
protected:
    static constexpr int Timeout = 700;

    void SetUp() override
    {
        KorvanTest::SetUp();
        Settings::setString(SettingsKeys::RELEASE_DATABASE_ROOT, server.root());
        Settings::setBool(SettingsKeys::SEARCH_FOR_CDS_ONLY, false);
        browser.setAlerts(&alerts);
    }
    // Runs a search; true when it succeeded. Fails the test when it took far longer than the timeout allows.
    bool search(int requests = 1)
    {
        alerts.shown.clear();
        QElapsedTimer clock;
        clock.start();
        browser.setSearchString(QStringLiteral("query %1").arg(++m_searches));
        const bool ok = browser.searchDiscogs();
        EXPECT_LT(clock.elapsed(), qint64(requests) * (Timeout + 1500));
        return ok;
    }
    QByteArray searchFor(int releases) const
    {
        QByteArray body = "<resp><searchresults numResults='" + QByteArray::number(releases) + "'>";
        for (int i = 0; i < releases; ++i)
            body += "<result type='release'><uri>{root}release/" + QByteArray::number(i) + "</uri></result>";
        return body + "</searchresults></resp>";
    }

    ReleaseServer server;
    ScriptedAlerts alerts;
    BrowserController browser{std::make_unique<HttpClient>(QString(), Timeout)};
    int m_searches = 0;
};

TEST_F(HostileServerTest, BrokenSearchRepliesEndInTheAlert)
{
    const QByteArray valid = searchFor(1);
    const QList<Route> hostile = {
        Route{200, valid, "text/xml", 3000, false, false}, // no answer until the timeout
        Route{200, valid, "text/xml", 0, false, true},     // stalls half-way
        Route{200, valid, "text/xml", 0, true, false},     // connection reset
        Route{500, "<html><h1>Internal Server Error</h1></html>", "text/html"},
        Route{200, valid.left(valid.size() / 2)}, // truncated XML
    };
    for (const Route &route : hostile) {
        server.serve(QStringLiteral("search"), route);
        EXPECT_FALSE(search());
        ASSERT_EQ(alerts.shown.size(), 1);
        EXPECT_EQ(alerts.shown[0].title, QStringLiteral("Korvan could not query Discogs."));
    }
}

TEST_F(HostileServerTest, HugeAndDeepRepliesAreRefusedOrReadSafely)
{
    // Far more than the reply limit: refused, not held in memory.
    server.serve(QStringLiteral("search"), Route{200, QByteArray(50 * 1024 * 1024, ' ')});
    EXPECT_FALSE(search());
    EXPECT_EQ(alerts.shown.size(), 1);

    // A release nested a hundred thousand levels deep inside its title.
    const int depth = 100000;
    const QByteArray deep = "<resp><release><title>Deep" + QByteArray("<a>").repeated(depth) + "end" +
                            QByteArray("</a>").repeated(depth) + "</title></release></resp>";
    server.serve(QStringLiteral("search"), Route{200, searchFor(1)});
    server.serve(QStringLiteral("release/*"), Route{200, deep});
    EXPECT_TRUE(search());
    ASSERT_EQ(browser.releases().size(), 1u);
    EXPECT_EQ(browser.releases()[0]->album(), QStringLiteral("Deepend"));
}

TEST_F(HostileServerTest, TenThousandResultsAreAllRead)
{
    const int results = 10000;
    server.serve(QStringLiteral("search"), Route{200, searchFor(results)});
    server.serve(QStringLiteral("release/*"),
                 Route{200, "<resp><release><title>T</title><tracklist><track><title>One</title></track>"
                            "</tracklist></release></resp>"});
    EXPECT_TRUE(search(results));
    EXPECT_TRUE(alerts.shown.isEmpty());
    EXPECT_EQ(browser.releases().size(), size_t(results));
    EXPECT_EQ(browser.covers().size(), size_t(results)) << "a placeholder cover each";
}
