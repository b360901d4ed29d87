#include "browser/onlinesearch.h"
#include "app/editorcontroller.h"
#include "app/settings.h"
#include "batch/allinonecontroller.h"
#include "batch/capitalizationcontroller.h"
#include "batch/namingcontroller.h"
#include "batch/numberingcontroller.h"
#include "browser/browsercontroller.h"
#include "browser/httpclient.h"
#include "images/imagecontroller.h"
#include "model/cover.h"
#include "model/release.h"
#include "model/song.h"
#include "releaseserver.h"
#include "scriptedalerts.h"
#include "testsupport.h"

#include <QCoreApplication>
#include <QElapsedTimer>

using namespace SettingsKeys;

class OnlineSearchTest : public KorvanTest
{
protected:
    void SetUp() override
    {
        KorvanTest::SetUp();
        Settings::setString(RELEASE_DATABASE_ROOT, server.root());
        server.serveFixtures();
        editor.setAlerts(&alerts);
        browser.setAlerts(&alerts);
        addSongFiles(editor, 5, QStringLiteral("s%1.mp3"));
        ASSERT_TRUE(browser.searchDiscogs());
    }
    Song &song(int row) { return *editor.songAt(row); }
    void select(int n)
    {
        QList<int> rows;
        for (int i = 0; i < n; ++i)
            rows.append(i);
        editor.setSelectionIndexes(rows);
    }
    Cover &firstCover() { return *browser.covers().front(); }

    ReleaseServer server;
    ScriptedAlerts alerts;
    EditorController editor;
    ImageController images{editor};
    BrowserController browser{std::make_unique<HttpClient>(tempPath(QStringLiteral("cache")))};
    NumberingController numbering{editor};
    CapitalizationController capitalization{editor};
    NamingController naming{editor};
    AllInOneController allInOne{numbering, capitalization, naming};
    OnlineSearch search{editor, images, browser, allInOne};
    const QByteArray jpeg = TestSupport::readBytes(TestSupport::dataPath(QStringLiteral("cover.jpg")));
};

TEST_F(OnlineSearchTest, EqualCountsApplyWithoutAsking)
{
    select(3);
    browser.applySearchResultsToSongs();
    EXPECT_TRUE(alerts.shown.isEmpty());
    const char *titles[] = {"Aurora", "Über the Fjord & Back", "Polar Night"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(song(i).title(), QString::fromUtf8(titles[i]));
        EXPECT_EQ(song(i).track(), QString::number(i + 1));
        EXPECT_EQ(song(i).artist(), QStringLiteral("The Examples"));
        EXPECT_EQ(song(i).album(), QStringLiteral("Northern Lights"));
        EXPECT_EQ(song(i).genre(), QStringLiteral("Rock"));
        EXPECT_EQ(song(i).year(), 1999);
        EXPECT_EQ(song(i).images(), QList<QByteArray>{jpeg}) << "the cover's bytes as downloaded";
    }
    EXPECT_FALSE(song(3).isModified());
}

TEST_F(OnlineSearchTest, FewerSongsAskAndUseTheFirstTitles)
{
    select(2);
    alerts.answers = {1};
    search.applyCoverWithReleaseToSelection(firstCover());
    ASSERT_EQ(alerts.shown.size(), 1);
    EXPECT_EQ(alerts.shown[0].title,
              QStringLiteral("Are you sure you want to continue copying the selected album information?"));
    EXPECT_EQ(alerts.shown[0].message,
              QStringLiteral(
                  "The number of songs selected in the editor is less than the number of checked titles."));
    EXPECT_EQ(alerts.shown[0].buttons, (QStringList{QStringLiteral("Cancel"), QStringLiteral("Continue")}));
    EXPECT_FALSE(song(0).isModified()) << "Cancel changes nothing";

    alerts.answers = {0};
    search.applyCoverWithReleaseToSelection(firstCover());
    EXPECT_EQ(song(1).title(), QString::fromUtf8("Über the Fjord & Back"));
    EXPECT_EQ(song(1).track(), QStringLiteral("2"));
}

TEST_F(OnlineSearchTest, MoreSongsGetTheCoverButOnlyCheckedTitles)
{
    select(5);
    browser.toggleFlag(1);
    alerts.answers = {0};
    search.applyCoverWithReleaseToSelection(firstCover());
    EXPECT_EQ(
        alerts.shown[0].message,
        QStringLiteral(
            "The number of songs selected in the editor is greater than the number of checked titles."));
    EXPECT_EQ(song(1).title(), QStringLiteral("Polar Night")) << "the unchecked title is skipped";
    EXPECT_EQ(song(1).track(), QStringLiteral("2"));
    EXPECT_EQ(song(2).title(), QStringLiteral(""));
    EXPECT_EQ(song(4).images(), QList<QByteArray>{jpeg}) << "the cover goes to all selected songs";
    EXPECT_EQ(song(4).artist(), QStringLiteral(""));
}

TEST_F(OnlineSearchTest, PlaceholderCoverAddsNoImageAndAllInOneFollows)
{
    select(1);
    const Cover &placeholder = *browser.covers().back();
    ASSERT_TRUE(placeholder.isPlaceholder());
    // One song and a release without titles: asked, and Continue copies nothing.
    alerts.answers = {0};
    search.applyCoverWithReleaseToSelection(placeholder);
    EXPECT_EQ(alerts.shown.size(), 1);
    EXPECT_FALSE(song(0).isModified());

    Settings::setBool(ALL_IN_ONE_AFTER_APPLY, true);
    alerts.shown.clear();
    select(3);
    browser.applySearchResultsToSongs();
    EXPECT_EQ(song(0).track(), QStringLiteral("01/03")) << "all-in-one renumbered after applying";
    EXPECT_EQ(song(2).fileName(), QStringLiteral("03 - The Examples - Polar Night.mp3"));
}

TEST_F(OnlineSearchTest, QueryTextsAndTheStorePage)
{
    EXPECT_EQ(search.queryString(), QStringLiteral(""));
    EXPECT_TRUE(search.amazonURL().isEmpty());
    song(0).setArtist(QStringLiteral("A B"));
    song(0).setAlbum(QStringLiteral("D & E"));
    select(2);
    EXPECT_EQ(search.queryString(), QStringLiteral("A B D & E"));
    EXPECT_EQ(search.amazonURL().toEncoded(),
              QByteArray("https://www.amazon.com/s?url=search-alias%3Daps&field-keywords=A%20B+D%20%26%20E"));
    QList<QUrl> opened;
    search.setUrlOpener([&](const QUrl &url) { opened.append(url); });
    search.searchInAmazon();
    EXPECT_EQ(opened.size(), 1);

    int browserShown = 0;
    QObject::connect(&search, &OnlineSearch::browserRequested, [&] { ++browserShown; });
    const qsizetype before = server.requests().size();
    search.searchInDiscogs();
    EXPECT_EQ(browserShown, 1);
    EXPECT_EQ(browser.searchString(), QStringLiteral("A B D & E"));
    EXPECT_EQ(server.requests().size(), before) << "the search starts from the timer";
    QElapsedTimer timer;
    timer.start();
    while (server.requests().size() == before && timer.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(server.requests().at(before),
              QStringLiteral("/search?type=all&q=A%20B%20D%20%26%20E&f=xml&api_key=3b7e19d04f"));
}
