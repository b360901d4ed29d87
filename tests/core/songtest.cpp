#include "model/song.h"
#include "app/settings.h"
#include "testsupport.h"

using namespace SettingsKeys;

namespace {

QString text(const char16_t *t)
{
    return QString::fromUtf16(t);
}

} // namespace

class SongTest : public KorvanTest
{
protected:
    void SetUp() override
    {
        KorvanTest::SetUp();
        QObject::connect(&song, &Song::modifiedChanged, [this] { ++announcements; });
    }
    Song song;
    int announcements = 0;
};

TEST_F(SongTest, NewSongHasInitialValues)
{
    EXPECT_EQ(song.track(), QStringLiteral(""));
    EXPECT_FALSE(song.title().isNull());
    EXPECT_EQ(song.year(), 0);
    EXPECT_EQ(song.isCompilation(), 0);
    EXPECT_TRUE(song.fileName().isNull());
    EXPECT_TRUE(song.fileNameWithoutExtension().isNull());
    EXPECT_EQ(song.countOfImages(), 0);
    EXPECT_FALSE(song.isModified());
}

TEST_F(SongTest, TextSettersFlagOnlyRealChanges)
{
    using Setter = void (Song::*)(const QString &);
    const struct
    {
        Setter set;
        const QString &(Song::*get)() const;
        Song::Field field;
    } fields[] = {
        {&Song::setTrack, &Song::track, Song::Track},
        {&Song::setTitle, &Song::title, Song::Title},
        {&Song::setArtist, &Song::artist, Song::Artist},
        {&Song::setAlbumArtist, &Song::albumArtist, Song::AlbumArtist},
        {&Song::setAlbum, &Song::album, Song::Album},
        {&Song::setGenre, &Song::genre, Song::Genre},
        {&Song::setComment, &Song::comment, Song::Comment},
        {&Song::setFileName, &Song::fileName, Song::FileName},
    };
    for (const auto &f : fields) {
        Song s;
        (s.*f.set)(QStringLiteral("abc"));
        s.resetModifications();
        (s.*f.set)(QStringLiteral("abc"));
        EXPECT_FALSE(s.isModified()) << "same text flags field " << int(f.field);
        (s.*f.set)(QString());
        EXPECT_FALSE(s.isModified()) << "absent value flags field " << int(f.field);
        EXPECT_EQ((s.*f.get)(), QStringLiteral("abc"));
        (s.*f.set)(QStringLiteral("ABC"));
        EXPECT_TRUE(s.isModified(f.field));
        EXPECT_EQ(s.modifications(), f.field) << "another field was flagged";
        // Composition counts: precomposed and decomposed "é" differ.
        s.resetModifications();
        (s.*f.set)(text(u"\u00e9"));
        s.resetModifications();
        (s.*f.set)(text(u"e\u0301"));
        EXPECT_TRUE(s.isModified(f.field));
    }
}

TEST_F(SongTest, AnnouncesEachRealChangeAndEveryReset)
{
    song.setTitle(QStringLiteral("x"));
    song.setTitle(QStringLiteral("x"));
    song.setTitle(QString());
    EXPECT_EQ(announcements, 1);
    song.resetModifications();
    song.resetModifications();
    EXPECT_EQ(announcements, 3);
    song.setFilePath(QStringLiteral("/a/b.mp3"));
    EXPECT_EQ(announcements, 3);
    EXPECT_FALSE(song.isModified());
}

TEST_F(SongTest, NumbersTakeTheIntegerValueOfTexts)
{
    song.setYear(2001);
    song.resetModifications();
    song.setYear(QStringLiteral("2001"));
    song.setYear(QStringLiteral("2001abc"));
    EXPECT_FALSE(song.isYearModified());
    song.setYear(QStringLiteral("abc"));
    EXPECT_EQ(song.year(), 0);
    EXPECT_TRUE(song.isYearModified());
    song.resetModifications();
    song.setYear(QStringLiteral("abc"));
    EXPECT_FALSE(song.isYearModified());

    song.setIsCompilation(QStringLiteral("2"));
    EXPECT_EQ(song.isCompilation(), 2);
    EXPECT_TRUE(song.isCompilationModified());
    EXPECT_FALSE(song.isYearModified());
}

TEST_F(SongTest, FirstFileNameAlwaysFlags)
{
    song.setFileName(QStringLiteral(""));
    EXPECT_TRUE(song.isFileNameModified());
    EXPECT_EQ(song.fileName(), QStringLiteral(""));
}

TEST_F(SongTest, AlbumArtistFollowsArtistWhenBound)
{
    song.setArtist(QStringLiteral("A"));
    song.setAlbumArtist(QStringLiteral("Other"));
    song.resetModifications();
    Settings::setBool(BIND_ALBUM_ARTIST_TO_ARTIST, true);

    song.setArtist(QStringLiteral("A"));
    EXPECT_EQ(song.albumArtist(), QStringLiteral("Other"));
    EXPECT_FALSE(song.isModified());

    song.setArtist(QStringLiteral("B"));
    EXPECT_EQ(song.albumArtist(), QStringLiteral("B"));
    EXPECT_EQ(song.modifications(), Song::Artist | Song::AlbumArtist);

    Settings::setBool(BIND_ALBUM_ARTIST_TO_ARTIST, false);
    song.setArtist(QStringLiteral("C"));
    EXPECT_EQ(song.albumArtist(), QStringLiteral("B"));
}

TEST_F(SongTest, CompilationFollowsVariousArtistsWhenBound)
{
    Settings::setBool(BIND_ALBUM_ARTIST_TO_ARTIST, true);
    Settings::setBool(BIND_COMPILATION_FLAG_TO_VARIOUS_ARTISTS, true);
    song.setArtist(QStringLiteral("Various Artists"));
    EXPECT_EQ(song.albumArtist(), QStringLiteral("Various Artists"));
    EXPECT_EQ(song.isCompilation(), 1);
    EXPECT_EQ(song.modifications(), Song::Artist | Song::AlbumArtist | Song::Compilation);

    Settings::setBool(BIND_ALBUM_ARTIST_TO_ARTIST, false);
    const struct
    {
        const char *albumArtist;
        int compilation;
    } cases[] = {
        {"VARIOUS", 1}, {"Various Artists ", 0}, {"V.A.", 0}, {"Various Artists & Friends", 0},
        {"various", 1}, {"Someone", 0},
    };
    for (const auto &c : cases) {
        song.setAlbumArtist(QString::fromUtf8(c.albumArtist));
        EXPECT_EQ(song.isCompilation(), c.compilation) << c.albumArtist;
    }

    // From "Various" to "Various Artists": stays 1 without a new flag.
    song.setAlbumArtist(QStringLiteral("Various"));
    song.resetModifications();
    song.setAlbumArtist(QStringLiteral("Various Artists"));
    EXPECT_EQ(song.isCompilation(), 1);
    EXPECT_FALSE(song.isCompilationModified());

    Settings::setBool(BIND_COMPILATION_FLAG_TO_VARIOUS_ARTISTS, false);
    song.setAlbumArtist(QStringLiteral("Someone Else"));
    EXPECT_EQ(song.isCompilation(), 1);
}

TEST_F(SongTest, ImageListRefusesDuplicateBytes)
{
    const QByteArray a("image a"), b("image b"), c("image c");
    song.addImage(a);
    song.addImage(b);
    song.resetModifications();

    song.addImage(QByteArray("image a"));
    song.insertObject(b, 0);
    EXPECT_EQ(song.countOfImages(), 2);
    EXPECT_FALSE(song.isImagesModified());

    song.insertObject(c, 1);
    EXPECT_EQ(song.images(), (QList<QByteArray>{a, c, b}));
    EXPECT_TRUE(song.isImagesModified());

    song.resetModifications();
    song.removeImage(QByteArray("no such image"));
    EXPECT_FALSE(song.isImagesModified());
    song.removeImage(c);
    EXPECT_EQ(song.images(), (QList<QByteArray>{a, b}));
    EXPECT_TRUE(song.isImagesModified());

    song.resetModifications();
    song.removeObjectFromImagesAtIndex(0);
    EXPECT_EQ(song.objectInImagesAtIndex(0), b);
    EXPECT_TRUE(song.isImagesModified());
}

TEST_F(SongTest, DerivedValuesComeFromPathAndName)
{
    song.setFilePath(QStringLiteral("/m/x/a.mp3"));
    song.setFileName(QStringLiteral("a.mp3"));
    song.setFileName(QStringLiteral("b.c.MP3"));
    EXPECT_EQ(song.extension(), QStringLiteral("mp3"));
    EXPECT_EQ(song.folder(), QStringLiteral("/m/x"));
    EXPECT_EQ(song.fileNameWithoutExtension(), QStringLiteral("b.c"));
    EXPECT_EQ(song.previewItemURL().toLocalFile(), QStringLiteral("/m/x/a.mp3"));
    song.setTrack(QStringLiteral("3"));
    song.setTitle(QStringLiteral("T"));
    song.setArtist(QStringLiteral("%1"));
    EXPECT_EQ(song.description(), QStringLiteral("3 | T | %1 | b.c.MP3"));
}
