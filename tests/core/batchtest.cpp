#include "app/editorcontroller.h"
#include "app/settings.h"
#include "batch/allinonecontroller.h"
#include "batch/capitalizationcontroller.h"
#include "batch/namingcontroller.h"
#include "batch/numberingcontroller.h"
#include "model/song.h"
#include "scriptedalerts.h"
#include "testsupport.h"

using namespace SettingsKeys;

class BatchTest : public KorvanTest
{
protected:
    void SetUp() override
    {
        KorvanTest::SetUp();
        controller.setAlerts(&alerts);
    }
    // N songs in "x0.mp3", "x1.mp3"...; all selected when SELECT.
    void add(int n, bool select = true, const QString &extension = QStringLiteral("mp3"))
    {
        QStringList paths;
        for (int i = 0; i < n; ++i)
            paths.append(makeSongFile(QStringLiteral("x%1.%2").arg(i).arg(extension)));
        controller.traverseFiles(paths);
        QList<int> rows;
        for (int i = 0; select && i < controller.count(); ++i)
            rows.append(i);
        controller.setSelectionIndexes(rows);
    }
    Song &song(int row) { return *controller.songAt(row); }
    QStringList tracks()
    {
        QStringList all;
        for (const auto &s : controller.songs())
            all.append(s->track());
        return all;
    }

    EditorController controller;
    ScriptedAlerts alerts;
    NumberingController numbering{controller};
    CapitalizationController capitalization{controller};
    NamingController naming{controller};
};

TEST_F(BatchTest, NumberingFollowsTheOptions)
{
    const struct
    {
        int songs;
        bool zero, count;
        const char *first, *tenth, *last;
    } cases[] = {
        {5, true, true, "01/05", nullptr, "05/05"},  {12, true, true, "01/12", "10/12", "12/12"},
        {12, false, true, "1/12", "10/12", "12/12"}, {3, true, false, "01", nullptr, "03"},
        {3, false, false, "1", nullptr, "3"},        {120, true, true, "01/120", "10/120", "120/120"},
        {1, true, true, "01/01", nullptr, "01/01"},  {1, false, true, "1/1", nullptr, "1/1"},
        {10, true, true, "01/10", "10/10", "10/10"},
    };
    for (const auto &c : cases) {
        controller.clearSongs();
        add(c.songs);
        numbering.setLeadingZero(c.zero);
        numbering.setTrackCount(c.count);
        numbering.applyNumberingToSongs();
        const QStringList written = tracks();
        EXPECT_EQ(written.first(), QString::fromLatin1(c.first));
        EXPECT_EQ(written.last(), QString::fromLatin1(c.last));
        if (c.tenth) {
            EXPECT_EQ(written.at(9), QString::fromLatin1(c.tenth));
        }
    }
    EXPECT_EQ(tracks().at(8), QStringLiteral("09/10"));
}

TEST_F(BatchTest, NumberingUsesListOrderOfTheSelectionOnly)
{
    add(4, false);
    controller.setSelectionIndexes({3, 1});
    numbering.applyNumberingToSongs();
    EXPECT_EQ(tracks(), (QStringList{QStringLiteral(""), QStringLiteral("01/02"), QStringLiteral(""),
                                     QStringLiteral("02/02")}));
    controller.setSelectionIndexes({});
    numbering.applyNumberingToSongs();
    EXPECT_EQ(tracks().at(1), QStringLiteral("01/02"));
}

TEST_F(BatchTest, CapitalizationConvertsFourFieldsInTheChosenStyle)
{
    add(2);
    song(0).setTitle(QStringLiteral("the lord of the rings"));
    song(0).setArtist(QStringLiteral("the night owls"));
    song(0).setAlbumArtist(QStringLiteral("keep me"));
    song(0).setComment(QStringLiteral("keep me too"));
    song(1).setTitle(QStringLiteral("Hello World"));
    for (int i = 0; i < 2; ++i)
        song(i).resetModifications();

    capitalization.applyCapitalizationToSongs();
    EXPECT_EQ(song(0).title(), QStringLiteral("The Lord of the Rings"));
    EXPECT_EQ(song(0).artist(), QStringLiteral("The Night Owls"));
    EXPECT_EQ(song(0).albumArtist(), QStringLiteral("keep me"));
    EXPECT_EQ(song(0).comment(), QStringLiteral("keep me too"));
    EXPECT_FALSE(song(1).isModified()) << "already in title case";

    capitalization.selectUpperCase();
    EXPECT_EQ(CapitalizationController::chosenStyle(), CapitalizationController::Style::UpperCase);
    EXPECT_FALSE(Settings::boolForKey(CAPITALIZATION_TITLE_CASE));
    capitalization.applyCapitalizationToSongs();
    EXPECT_EQ(song(1).title(), QStringLiteral("HELLO WORLD"));
    EXPECT_FALSE(song(1).isAlbumModified()) << "an empty field stays empty";
    song(1).resetModifications();
    capitalization.applyCapitalizationToSongs();
    EXPECT_FALSE(song(1).isModified()) << "the same style twice flags nothing";

    capitalization.selectLowerCase();
    Settings::setBool(CAPITALIZATION_UPPER_CASE, true);
    EXPECT_EQ(CapitalizationController::chosenStyle(), CapitalizationController::Style::UpperCase);
    Settings::setBool(CAPITALIZATION_UPPER_CASE, false);
    capitalization.applyCapitalizationToSongs();
    EXPECT_EQ(song(1).title(), QStringLiteral("hello world"));
    Settings::setBool(CAPITALIZATION_LOWER_CASE, false);
    song(1).setTitle(QStringLiteral("MiXeD"));
    capitalization.applyCapitalizationToSongs();
    EXPECT_EQ(song(1).title(), QStringLiteral("MiXeD")) << "no style chosen";
}

TEST_F(BatchTest, NamingComposesNamesFromTags)
{
    const struct
    {
        void (NamingController::*select)();
        const char *track, *artist, *title;
        bool hyphen, upper;
        const char *name;
    } cases[] = {
        {&NamingController::selectArtistAndTitle, "9", "Night Owls", "Moonrise", true, false,
         "Night Owls - Moonrise.mp3"},
        {&NamingController::selectArtistAndTitle, "9", "Night Owls", "Moonrise", false, false,
         "Night Owls Moonrise.mp3"},
        {&NamingController::selectTrackAndTitle, "3/12", "x", "Moonrise", true, false, "3 - Moonrise.mp3"},
        {&NamingController::selectTrackArtistAndTitle, "03/12", "Night Owls", "Moonrise", true, true,
         "03 - Night Owls - Moonrise.MP3"},
        {&NamingController::selectTrackAndTitle, "/12", "x", "A: b/c", true, false, "/ - A: b/c.mp3"},
        {&NamingController::selectArtistAndTitle, "", " ", "T", true, false, "  - T.mp3"},
    };
    add(1, true, QStringLiteral("MP3"));
    for (const auto &c : cases) {
        (naming.*c.select)();
        Settings::setBool(NAMING_SEPARATE_BY_HYPHEN, c.hyphen);
        Settings::setBool(CAPITALIZATION_UPPER_CASE, c.upper);
        song(0).setTrack(QString::fromUtf8(c.track));
        song(0).setArtist(QString::fromUtf8(c.artist));
        song(0).setTitle(QString::fromUtf8(c.title));
        EXPECT_EQ(naming.applyNamingToSongs(), QStringLiteral(""));
        EXPECT_EQ(song(0).fileName(), QString::fromUtf8(c.name));
    }
    EXPECT_TRUE(alerts.shown.isEmpty());
}

TEST_F(BatchTest, NamingSkipsAndReportsSongsMissingFields)
{
    add(3);
    song(0).setArtist(QStringLiteral("Night Owls"));
    song(0).setTitle(QStringLiteral("Moonrise"));
    song(1).setTitle(QStringLiteral("Moonrise"));
    song(2).setTrack(QStringLiteral("5"));
    song(2).setTitle(QStringLiteral("Moonrise"));
    for (int i = 0; i < 3; ++i)
        song(i).resetModifications();
    alerts.answers = {0};
    const QString report = naming.applyNamingToSongs();
    EXPECT_EQ(report, QString::fromUtf8("• x0.mp3 missed track information \n"
                                        "• x1.mp3 missed track and artist information \n"
                                        "• x2.mp3 missed artist information \n"));
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(song(i).isModified());
    ASSERT_EQ(alerts.shown.size(), 2);
    EXPECT_EQ(alerts.shown[0].title,
              QStringLiteral("Korvan could not change file names of one or more songs."));
    EXPECT_EQ(alerts.shown[0].message,
              QStringLiteral("Make sure relevant song information is correctly set."));
    EXPECT_EQ(alerts.shown[1].message, report);

    // The artist-and-title scheme does not need the track.
    naming.selectArtistAndTitle();
    EXPECT_TRUE(naming.applyNamingToSongs().startsWith(QString::fromUtf8("• x1.mp3 missed artist")));
    EXPECT_EQ(song(0).fileName(), QStringLiteral("Night Owls - Moonrise.mp3"));
}

TEST_F(BatchTest, AllInOneNumbersCapitalizesThenNames)
{
    add(2, false);
    song(0).setArtist(QStringLiteral("the night owls"));
    song(0).setTitle(QStringLiteral("moonrise"));
    song(1).setArtist(QStringLiteral("the night owls"));
    song(1).setTitle(QStringLiteral("the end of it"));
    AllInOneController allInOne(numbering, capitalization, naming);
    allInOne.doAllInOne();
    EXPECT_EQ(song(0).track(), QStringLiteral("")) << "nothing selected, nothing changed";

    controller.setSelectionIndexes({0, 1});
    allInOne.doAllInOne();
    EXPECT_EQ(tracks(), (QStringList{QStringLiteral("01/02"), QStringLiteral("02/02")}));
    EXPECT_EQ(song(0).fileName(), QStringLiteral("01 - The Night Owls - Moonrise.mp3"));
    EXPECT_EQ(song(1).fileName(), QStringLiteral("02 - The Night Owls - The End of It.mp3"));
}
