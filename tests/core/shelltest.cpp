#include "app/editorcontroller.h"
#include "app/selectionvalues.h"
#include "app/settings.h"
#include "batch/allinonecontroller.h"
#include "batch/capitalizationcontroller.h"
#include "batch/namingcontroller.h"
#include "batch/numberingcontroller.h"
#include "browser/browsercontroller.h"
#include "browser/httpclient.h"
#include "browser/onlinesearch.h"
#include "images/imagecontroller.h"
#include "model/song.h"
#include "scriptedalerts.h"
#include "shell/donationcheck.h"
#include "shell/quicklook.h"
#include "shell/viewcontroller.h"
#include "testsupport.h"

using SettingsKeys::lastReminderVersion;

class DonationCheckTest : public KorvanTest
{
protected:
    ScriptedAlerts alerts;
    QList<QUrl> opened;
    DonationCheck check{alerts, [this](const QUrl &url) { opened.append(url); }};
};

TEST_F(DonationCheckTest, RemindsOncePerNewerVersion)
{
    EXPECT_EQ(DonationCheck::versionNumber(QStringLiteral("1.2.3")), 12);
    EXPECT_EQ(DonationCheck::versionNumber(QStringLiteral("1.10")), 11);
    EXPECT_EQ(DonationCheck::versionNumber(QStringLiteral("0.9")), 9);
    EXPECT_EQ(DonationCheck::versionNumber(QStringLiteral("3")), 3);

    alerts.answers = {-1};
    EXPECT_TRUE(check.checkDonation(QStringLiteral("1.2")));
    EXPECT_EQ(Settings::stringForKey(lastReminderVersion), QStringLiteral("1.2"))
        << "stored at the first start";
    EXPECT_EQ(alerts.shown[0].title, QStringLiteral("Thank you for using Korvan!"));
    EXPECT_EQ(alerts.shown[0].buttons,
              (QStringList{QStringLiteral("Donate!"), QStringLiteral("Not For This Version"),
                           QStringLiteral("Later")}));
    EXPECT_FALSE(check.checkDonation(QStringLiteral("1.2")));

    alerts.answers = {-1, 1};
    EXPECT_TRUE(check.checkDonation(QStringLiteral("1.3")));
    EXPECT_EQ(Settings::stringForKey(lastReminderVersion), QStringLiteral("1.2")) << "Later stores nothing";
    EXPECT_TRUE(check.checkDonation(QStringLiteral("1.3")));
    EXPECT_EQ(Settings::stringForKey(lastReminderVersion), QStringLiteral("1.3"));
    EXPECT_EQ(opened, QList<QUrl>{DonationCheck::DonationPage});

    const struct
    {
        const char *last, *running;
    } quiet[] = {{"1.9", "1.10"}, {"1.2.3", "1.2.9"}, {"2.0", "1.5"}};
    for (const auto &c : quiet) {
        Settings::setString(lastReminderVersion, QString::fromLatin1(c.last));
        EXPECT_FALSE(check.checkDonation(QString::fromLatin1(c.running))) << c.last << " then " << c.running;
    }
}

class ShellTest : public KorvanTest
{
protected:
    void SetUp() override
    {
        KorvanTest::SetUp();
        addSongFiles(editor, 3, QStringLiteral("s%1.mp3"));
        const char *artists[] = {"Ann", "Bo", "Ann"};
        for (int i = 0; i < 3; ++i) {
            editor.songAt(i)->setArtist(QString::fromLatin1(artists[i]));
            editor.songAt(i)->setAlbum(QStringLiteral("Mix"));
        }
    }
    EditorController editor;
    ImageController images{editor};
    BrowserController browser{std::make_unique<HttpClient>(QString())};
    NumberingController numbering{editor};
    CapitalizationController capitalization{editor};
    NamingController naming{editor};
    AllInOneController allInOne{numbering, capitalization, naming};
    OnlineSearch search{editor, images, browser, allInOne};
    ViewController views{browser, search};
    QuickLook quickLook{editor};
};

TEST_F(ShellTest, SwitchingToTheBrowserFillsTheSearchText)
{
    QList<bool> announced;
    QObject::connect(&views, &ViewController::isEditorVisibleChanged,
                     [&](bool visible) { announced.append(visible); });
    editor.setSelectionIndexes({1, 2});
    views.changeView(ViewController::BrowserSegment);
    EXPECT_EQ(browser.searchString(), QStringLiteral("Bo Mix"));
    EXPECT_FALSE(views.isEditorVisible());
    EXPECT_EQ(announced, QList<bool>{false});

    browser.setSearchString(QStringLiteral("typed"));
    editor.setSelectionIndexes({});
    views.changeView(ViewController::EditorSegment);
    views.changeView(7);
    views.showBrowser();
    EXPECT_EQ(browser.searchString(), QStringLiteral("")) << "each switch overwrites the search text";
    EXPECT_TRUE(views.isEditorVisible()) << "only the segmented control changes the flag";
    EXPECT_EQ(announced, (QList<bool>{false, true}));
}

TEST_F(ShellTest, SpaceOpensAndClosesThePreview)
{
    quickLook.toggleQuickLook();
    EXPECT_FALSE(quickLook.isVisible()) << "nothing selected";
    editor.setSelectionIndexes({2, 0});
    EXPECT_FALSE(quickLook.isVisible()) << "a selection change does not open it";
    quickLook.toggleQuickLook();
    ASSERT_TRUE(quickLook.isVisible());
    EXPECT_EQ(quickLook.items(), (QList<Song *>{editor.songAt(0), editor.songAt(2)}));
    int updates = 0;
    QObject::connect(&quickLook, &QuickLook::itemsChanged, [&] { ++updates; });
    editor.setSelectionIndexes({});
    EXPECT_EQ(updates, 1) << "it follows the selection";
    quickLook.toggleQuickLook();
    EXPECT_FALSE(quickLook.isVisible()) << "closes even with an empty selection";
}

TEST_F(ShellTest, FieldEditorsShowCommonOrMultipleValues)
{
    const QList<Song *> songs = {editor.songAt(0), editor.songAt(1), editor.songAt(2)};
    editor.songAt(1)->setYear(1999);
    SelectionValues::FieldState artist = SelectionValues::state(songs, Song::Artist);
    EXPECT_TRUE(artist.multiple);
    EXPECT_EQ(artist.text, QStringLiteral(""));
    EXPECT_EQ(artist.choices, (QStringList{QStringLiteral("Ann"), QStringLiteral("Bo")}));
    const SelectionValues::FieldState album = SelectionValues::state(songs, Song::Album);
    EXPECT_FALSE(album.multiple);
    EXPECT_EQ(album.text, QStringLiteral("Mix"));
    const SelectionValues::FieldState year = SelectionValues::state(songs, Song::Year);
    EXPECT_TRUE(year.multiple);
    EXPECT_EQ(year.choices, QStringList{QStringLiteral("1999")});
    EXPECT_FALSE(SelectionValues::state(songs, Song::FileName).enabled) << "one file name per song";
    EXPECT_FALSE(SelectionValues::state({}, Song::Title).enabled);

    SelectionValues::commit(songs, Song::Year, QStringLiteral("2001x"));
    SelectionValues::commit(songs, Song::Title, QStringLiteral("Same"));
    for (Song *song : songs) {
        EXPECT_EQ(song->year(), 2001);
        EXPECT_EQ(song->title(), QStringLiteral("Same"));
    }
    SelectionValues::commit(songs, Song::Year, QStringLiteral(""));
    EXPECT_EQ(SelectionValues::state(songs, Song::Year).text, QStringLiteral(""));
    EXPECT_EQ(songs[0]->year(), 0);
}
