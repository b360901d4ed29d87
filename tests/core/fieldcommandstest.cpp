#include "app/fieldcommands.h"
#include "app/editorcontroller.h"
#include "app/settings.h"
#include "model/song.h"
#include "testsupport.h"

using namespace SettingsKeys;
using Control = FieldCommands::Control;
using Command = FieldCommands::Command;

class FieldCommandsTest : public KorvanTest
{
protected:
    void SetUp() override
    {
        KorvanTest::SetUp();
        controller.traverseFiles({makeSongFile(QStringLiteral("a.mp3")),
                                  makeSongFile(QStringLiteral("b.mp3")),
                                  makeSongFile(QStringLiteral("c.mp3"))});
        const char *artists[] = {"Ann", "Bo", "Cy"};
        for (int i = 0; i < 3; ++i) {
            song(i).setArtist(QString::fromLatin1(artists[i]));
            song(i).setAlbumArtist(QStringLiteral("Mix"));
            song(i).setYear(1999);
            song(i).resetModifications();
        }
    }
    Song &song(int row) { return *controller.songAt(row); }
    FieldCommands &commands() { return controller.fieldCommands(); }

    EditorController controller;
};

TEST_F(FieldCommandsTest, WithoutSelectionNothingChangesButTheToggleFlips)
{
    commands().clearArtist();
    commands().clearYear();
    commands().toggleArtistsLink();
    EXPECT_TRUE(Settings::boolForKey(BIND_ALBUM_ARTIST_TO_ARTIST));
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(song(i).isModified());
}

TEST_F(FieldCommandsTest, ClearCommandsFlagOnlyRealChanges)
{
    song(1).setYear(0);
    song(1).setComment(QStringLiteral("x"));
    song(1).resetModifications();
    controller.setSelectionIndexes({0, 1});
    commands().clearYear();
    EXPECT_EQ(song(0).year(), 0);
    EXPECT_TRUE(song(0).isYearModified());
    EXPECT_FALSE(song(1).isYearModified()) << "year already 0";
    commands().clearComment();
    EXPECT_FALSE(song(0).isCommentModified()) << "comment already empty";
    EXPECT_TRUE(song(1).isCommentModified());
    commands().clearAlbum();
    commands().clearGenre();
    EXPECT_FALSE(song(0).isAlbumModified());
    EXPECT_FALSE(song(2).isModified()) << "not selected";

    commands().clearAlbumArtist();
    EXPECT_EQ(song(0).albumArtist(), QStringLiteral(""));
    EXPECT_EQ(song(1).artist(), QStringLiteral("Bo")) << "the link is off";
}

TEST_F(FieldCommandsTest, ClearArtistWithLinkClearsAlbumArtistWhereArtistChanges)
{
    Settings::setBool(BIND_ALBUM_ARTIST_TO_ARTIST, true);
    song(1).setArtist(QStringLiteral(""));
    song(1).setAlbumArtist(QStringLiteral("Mix"));
    song(1).resetModifications();
    controller.setSelectionIndexes({0, 1});
    commands().clearArtist();
    EXPECT_EQ(song(0).artist(), QStringLiteral(""));
    EXPECT_EQ(song(0).albumArtist(), QStringLiteral(""));
    EXPECT_TRUE(song(0).isArtistModified() && song(0).isAlbumArtistModified());
    EXPECT_EQ(song(1).albumArtist(), QStringLiteral("Mix")) << "artist was already empty";
    EXPECT_FALSE(song(1).isModified());
}

TEST_F(FieldCommandsTest, ToggleLinkCopiesArtistsOnlyWhenSwitchedOn)
{
    controller.setSelectionIndexes({0, 1, 2});
    commands().toggleArtistsLink();
    EXPECT_TRUE(Settings::boolForKey(BIND_ALBUM_ARTIST_TO_ARTIST));
    EXPECT_EQ(song(0).albumArtist(), QStringLiteral("Ann"));
    EXPECT_EQ(song(1).albumArtist(), QStringLiteral("Bo"));
    EXPECT_EQ(song(2).albumArtist(), QStringLiteral("Cy"));
    for (int i = 0; i < 3; ++i)
        song(i).resetModifications();
    commands().toggleArtistsLink();
    EXPECT_FALSE(Settings::boolForKey(BIND_ALBUM_ARTIST_TO_ARTIST));
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(song(i).isModified());
}

TEST_F(FieldCommandsTest, ReturnInArtistFieldAlignsAlbumArtistWhenLinked)
{
    controller.setSelectionIndexes({0, 1});
    EXPECT_FALSE(commands().control(Control::Artist, Command::InsertNewline));
    EXPECT_EQ(song(0).albumArtist(), QStringLiteral("Mix")) << "link off: Return changes nothing itself";

    Settings::setBool(BIND_ALBUM_ARTIST_TO_ARTIST, true);
    EXPECT_FALSE(commands().control(Control::Album, Command::InsertNewline));
    EXPECT_FALSE(commands().control(Control::Artist, Command::Other));
    EXPECT_EQ(song(0).albumArtist(), QStringLiteral("Mix"));

    // Return, then the field commits "Bo" to both selected songs.
    EXPECT_FALSE(commands().control(Control::Artist, Command::InsertNewline));
    for (Song *selected : controller.selectedSongs())
        selected->setArtist(QStringLiteral("Bo"));
    EXPECT_EQ(song(0).albumArtist(), QStringLiteral("Bo"));
    EXPECT_EQ(song(1).albumArtist(), QStringLiteral("Bo"));
    EXPECT_EQ(song(2).albumArtist(), QStringLiteral("Mix"));
}
