#include "coverflowview.h"
#include "app/settings.h"
#include "browser/browsercontroller.h"
#include "browser/httpclient.h"
#include "coverflowdocview.h"
#include "imageselector.h"
#include "releaseserver.h"
#include "testsupport.h"

#include <QLabel>
#include <QScrollBar>
#include <QTest>

using Route = ReleaseServer::Route;

class CoverFlowViewTest : public KorvanTest
{
protected:
    // A search that finds one release with COVERS images.
    void search(int covers)
    {
        QByteArray images;
        for (int i = 0; i < covers; ++i)
            images += "<image uri='{root}images/missing-" + QByteArray::number(i) + ".jpeg'/>";
        server.serve(QStringLiteral("search"),
                     Route{200,
                           "<resp><searchresults numResults='1'><result type='release'><uri>{root}release/7"
                           "</uri></result></searchresults></resp>"});
        server.serve(
            QStringLiteral("release/7"),
            Route{200, "<resp><release><title>Seven</title><formats><format name='CD'/></formats><images>" +
                           images + "</images></release></resp>"});
        Settings::setString(SettingsKeys::RELEASE_DATABASE_ROOT, server.root());
        ASSERT_TRUE(browser.searchDiscogs());
    }
    // Makes the strip's content area WIDTH by HEIGHT.
    void showStrip(int width, int height)
    {
        strip.setDataSource(&browser);
        strip.show();
        strip.resize(width, height);
        QCoreApplication::processEvents();
        // Whatever the scroller and frame take, the content area gets the size asked for.
        strip.resize(2 * width - strip.viewport()->width(), 2 * height - strip.viewport()->height());
        QCoreApplication::processEvents();
        ASSERT_EQ(strip.viewport()->height(), height);
        ASSERT_EQ(strip.viewport()->width(), width);
        strip.reloadData();
    }

    ReleaseServer server;
    BrowserController browser{std::make_unique<HttpClient>(QString())};
    CoverFlowView strip;
};

TEST_F(CoverFlowViewTest, ThumbnailsStandInSlotsOfTheirEdgeLength)
{
    search(3);
    showStrip(600, 150);
    EXPECT_EQ(strip.edgeLength(), 110);
    EXPECT_EQ(strip.documentView()->width(), 410);
    EXPECT_EQ(strip.documentView()->height(), 150);
    const int xs[] = {20, 150, 280};
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(strip.thumbnail(i)->geometry(), QRect(xs[i], 20, 110, 110)) << i;
    EXPECT_TRUE(strip.thumbnail(0)->selected());
    EXPECT_EQ(strip.selectedIndex(), 0);

    // A lower strip: thumbnails shrink to nothing but keep their spacing.
    strip.resize(600, 30 + strip.height() - strip.viewport()->height());
    QCoreApplication::processEvents();
    EXPECT_EQ(strip.edgeLength(), 0);
    EXPECT_EQ(strip.thumbnail(2)->geometry(), QRect(60, 20, 0, 0));
}

TEST_F(CoverFlowViewTest, ClickSelectsWithoutScrollingAndTabScrollsIntoView)
{
    search(7);
    showStrip(500, 150);
    int notified = 0;
    QObject::connect(&browser, &BrowserController::selectedIndexChanged, [&] { ++notified; });
    QTest::mouseClick(strip.thumbnail(0), Qt::LeftButton);
    EXPECT_EQ(notified, 0) << "the selected thumbnail again";

    strip.horizontalScrollBar()->setValue(100);
    QTest::mouseClick(strip.thumbnail(3), Qt::LeftButton);
    EXPECT_EQ(strip.selectedIndex(), 3);
    EXPECT_EQ(browser.selectedIndex(), 3);
    EXPECT_FALSE(strip.thumbnail(0)->selected());
    EXPECT_TRUE(strip.thumbnail(3)->selected());
    EXPECT_EQ(strip.horizontalScrollBar()->value(), 100) << "a click does not scroll";
    EXPECT_EQ(notified, 1);

    strip.tabToImageSelector(strip.thumbnail(5));
    EXPECT_EQ(strip.horizontalScrollBar()->value(), 390);
    strip.tabToImageSelector(strip.thumbnail(2));
    EXPECT_EQ(strip.horizontalScrollBar()->value(), 0);
    EXPECT_EQ(browser.selectedIndex(), 2);
}

TEST_F(CoverFlowViewTest, EmptyResultsLeaveAnEmptyStrip)
{
    showStrip(500, 150);
    EXPECT_EQ(strip.documentView()->width(), 20) << "no search yet, no covers";
    EXPECT_EQ(strip.thumbnail(0), nullptr);
    search(0);
    strip.reloadData();
    // The release lists no image: one placeholder cover without picture.
    EXPECT_EQ(strip.documentView()->width(), 150);
    EXPECT_TRUE(strip.thumbnail(0)->imageView()->pixmap().isNull());
    EXPECT_EQ(strip.thumbnail(0)->imageView()->text(), QStringLiteral("No picture"));
}
