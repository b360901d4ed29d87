#include "browser/browsercontroller.h"
#include "app/settings.h"
#include "browser/httpclient.h"
#include "model/cover.h"
#include "model/release.h"
#include "releaseserver.h"
#include "scriptedalerts.h"
#include "testsupport.h"

using namespace SettingsKeys;
using Route = ReleaseServer::Route;

class BrowserControllerTest : public KorvanTest
{
protected:
    void SetUp() override
    {
        KorvanTest::SetUp();
        Settings::setString(RELEASE_DATABASE_ROOT, server.root());
        server.serveFixtures();
        browser.setAlerts(&alerts);
        QObject::connect(&browser, &BrowserController::progressChanged,
                         [this] { progress.append(browser.progressMessage()); });
    }

    ReleaseServer server;
    ScriptedAlerts alerts;
    BrowserController browser{std::make_unique<HttpClient>(tempPath(QStringLiteral("cache")))};
    QStringList progress;
};

TEST_F(BrowserControllerTest, SearchBuildsReleasesAndCovers)
{
    browser.setSearchString(QStringLiteral("Simon & Garfunkel"));
    ASSERT_TRUE(browser.searchDiscogs());
    EXPECT_TRUE(alerts.shown.isEmpty());
    EXPECT_EQ(server.requests().first(),
              QStringLiteral("/search?type=all&q=Simon%20%26%20Garfunkel&f=xml&api_key=3b7e19d04f"));
    EXPECT_TRUE(server.requests().contains(QStringLiteral("/release/101?f=xml&api_key=3b7e19d04f")));
    EXPECT_FALSE(server.requests().contains(QStringLiteral("/etc/hostname")));
    EXPECT_EQ(progress,
              (QStringList{QStringLiteral("Searching..."),
                           QStringLiteral("Processing result 1 of 4 (53 filtered)..."),
                           QStringLiteral("Processing result 2 of 4 (53 filtered)..."),
                           QStringLiteral("Processing result 3 of 4 (53 filtered)..."),
                           QStringLiteral("Processing result 4 of 4 (53 filtered)..."), QStringLiteral("")}));

    // The vinyl-only release is left out (CDs only by default).
    ASSERT_EQ(browser.releases().size(), 2u);
    const Release &first = *browser.releases()[0];
    EXPECT_EQ(first.album(), QStringLiteral("Northern Lights"));
    EXPECT_EQ(first.artist(), QStringLiteral("The Examples"));
    EXPECT_EQ(first.genre(), QStringLiteral("Rock"));
    EXPECT_EQ(first.year(), 1999);
    EXPECT_EQ(first.checkedTitles(),
              (QStringList{QStringLiteral("Aurora"), QString::fromUtf8("Über the Fjord & Back"),
                           QStringLiteral("Polar Night")}));
    // Two pictures, one that is missing on the server, one that is no web address.
    ASSERT_EQ(first.countOfCovers(), 4);
    EXPECT_EQ(first.objectInCoversAtIndex(0)->imageData(),
              TestSupport::readBytes(TestSupport::dataPath(QStringLiteral("cover.jpg"))));
    EXPECT_EQ(first.objectInCoversAtIndex(1)->imageUID(), QStringLiteral("R-101-2.png"));
    EXPECT_TRUE(first.objectInCoversAtIndex(1)->hasImage());
    EXPECT_FALSE(first.objectInCoversAtIndex(2)->hasImage());
    EXPECT_FALSE(first.objectInCoversAtIndex(3)->hasImage());

    const Release &bare = *browser.releases()[1];
    EXPECT_EQ(bare.artist(), QStringLiteral(""));
    EXPECT_EQ(bare.year(), 0);
    EXPECT_EQ(bare.countOfTitles(), 0);
    ASSERT_EQ(bare.countOfCovers(), 1);
    EXPECT_TRUE(bare.objectInCoversAtIndex(0)->isPlaceholder());

    ASSERT_EQ(browser.covers().size(), 5u);
    EXPECT_EQ(browser.covers()[0]->rel(), &first);
    EXPECT_EQ(browser.covers()[4]->rel(), &bare);
    EXPECT_EQ(browser.statusMessage(), QStringLiteral("2 search results, 4 covers"));
    EXPECT_EQ(browser.currentRelease(), &first);
}

TEST_F(BrowserControllerTest, CdFilterIsASetting)
{
    Settings::setBool(SEARCH_FOR_CDS_ONLY, false);
    ASSERT_TRUE(browser.searchDiscogs());
    ASSERT_EQ(browser.releases().size(), 3u);
    EXPECT_EQ(browser.releases()[1]->year(), 2001);
    EXPECT_EQ(browser.statusMessage(), QStringLiteral("3 search results, 5 covers"));
}

TEST_F(BrowserControllerTest, StatusCountsRealCoversOnly)
{
    EXPECT_EQ(browser.statusMessage(), QStringLiteral("No search results available"));
    server.serve(
        QStringLiteral("search"),
        Route{200, "<resp><searchresults numResults='1'><result type='release'><uri>{root}release/103</uri>"
                   "</result></searchresults></resp>"});
    ASSERT_TRUE(browser.searchDiscogs());
    EXPECT_EQ(browser.statusMessage(), QStringLiteral("1 search result, no covers"));
    server.serve(QStringLiteral("search"), Route{200, "<resp><searchresults numResults='0'/></resp>"});
    browser.setSearchString(QStringLiteral("again"));
    ASSERT_TRUE(browser.searchDiscogs());
    EXPECT_TRUE(browser.releases().empty());
    EXPECT_EQ(browser.statusMessage(), QStringLiteral("No search results available"));
}

TEST_F(BrowserControllerTest, FailedSearchAlertsOnceAndKeepsTheResults)
{
    ASSERT_TRUE(browser.searchDiscogs());
    const Release *before = browser.releases()[0].get();
    const QList<Route> failures = {
        Route{500, "<resp><error>down</error></resp>"},
        Route{200, "this is not <xml"},
        Route{200, "", "text/xml", 0, true, false},
    };
    int query = 0;
    for (const Route &failure : failures) {
        server.serve(QStringLiteral("search"), failure);
        browser.setSearchString(QStringLiteral("query %1").arg(++query));
        alerts.shown.clear();
        progress.clear();
        alerts.answers = {0};
        EXPECT_FALSE(browser.searchDiscogs());
        ASSERT_EQ(alerts.shown.size(), 2) << "the alert and its details, once";
        EXPECT_EQ(alerts.shown[0].title, QStringLiteral("Korvan could not query Discogs."));
        EXPECT_EQ(alerts.shown[0].message, QStringLiteral("Make sure you are connected to the Internet."));
        EXPECT_EQ(alerts.shown[1].title, QStringLiteral("Error Details:"));
        EXPECT_EQ(browser.releases()[0].get(), before);
        EXPECT_EQ(browser.progressMessage(), QStringLiteral("Searching..."));
        EXPECT_FALSE(browser.isBusy());
    }
}

TEST_F(BrowserControllerTest, FailedReleaseIsSkippedAfterItsAlert)
{
    server.serve(QStringLiteral("release/101"), Route{200, "<<not xml"});
    ASSERT_TRUE(browser.searchDiscogs());
    EXPECT_EQ(alerts.shown.size(), 1);
    ASSERT_EQ(browser.releases().size(), 1u);
    EXPECT_EQ(browser.releases()[0]->album(), QStringLiteral("Bare"));
}

TEST_F(BrowserControllerTest, RepeatedSearchIsServedFromTheCache)
{
    ASSERT_TRUE(browser.searchDiscogs());
    ASSERT_TRUE(browser.searchDiscogs());
    // Only the picture the server does not have is asked for again.
    const QStringList requests = server.requests();
    EXPECT_EQ(requests.filter(QStringLiteral("/search?")).size(), 1);
    EXPECT_EQ(requests.filter(QStringLiteral("/release/101?")).size(), 1);
    EXPECT_EQ(requests.filter(QStringLiteral("R-101-1.jpeg")).size(), 1);
    EXPECT_EQ(requests.filter(QStringLiteral("R-101-missing")).size(), 2);
    EXPECT_EQ(browser.releases().size(), 2u);
}

TEST_F(BrowserControllerTest, ResultsTableFollowsTheSelectedCover)
{
    EXPECT_EQ(browser.numberOfRows(), 0);
    browser.checkAll();
    browser.applySearchResultsToSongs();
    ASSERT_TRUE(browser.searchDiscogs());
    int applied = 0;
    QObject::connect(&browser, &BrowserController::applyCoverRequested, [&](Cover *cover) {
        ++applied;
        EXPECT_EQ(cover, browser.covers()[1].get());
    });
    EXPECT_EQ(browser.numberOfRows(), 3);
    EXPECT_EQ(browser.trackText(2), QStringLiteral("3"));
    EXPECT_EQ(browser.artistText(), QStringLiteral("The Examples"));
    browser.toggleFlag(2);
    EXPECT_EQ(browser.flagAt(2), 0);
    browser.setSelectedIndex(1);
    EXPECT_EQ(browser.flagAt(2), 0) << "another cover of the same release shows the same checks";
    browser.toggleFlag(2);
    EXPECT_EQ(browser.flagAt(2), 1);
    browser.uncheckAll();
    EXPECT_TRUE(browser.currentRelease()->checkedTitles().isEmpty());
    browser.checkAll();
    EXPECT_EQ(browser.currentRelease()->checkedTitles().size(), 3);
    browser.applySearchResultsToSongs();
    EXPECT_EQ(applied, 1);
    browser.setSelectedIndex(4);
    EXPECT_EQ(browser.numberOfRows(), 0);
    EXPECT_EQ(browser.titleText(0), QStringLiteral(""));
}
