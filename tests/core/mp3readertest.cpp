#include "tags/mp3reader.h"
#include "app/settings.h"
#include "model/song.h"
#include "taglibfiles.h"
#include "testsupport.h"

#include <taglib/id3v1tag.h>
#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>

using TagLib::MPEG::File;
using TagLibFiles::addTextFrame;
using TestSupport::dataPath;
using TestSupport::readBytes;

class MP3ReaderTest : public KorvanTest
{
protected:
    std::unique_ptr<Song> read(const QString &path) { return MP3Reader().parseFile(path); }

    // A file whose ID3v2 tag holds the given text frames (id, text) in order.
    std::unique_ptr<Song> readFrames(const std::vector<std::pair<const char *, QString>> &frames)
    {
        const QString path = tempPath(QStringLiteral("frames.mp3"));
        TagLibFiles::writeMp3(
            path,
            [&](File &file) {
                for (const auto &[id, text] : frames)
                    addTextFrame(*file.ID3v2Tag(true), id, text);
            },
            File::ID3v2);
        return read(path);
    }
};

TEST_F(MP3ReaderTest, ReadsFramesOfTheID3v2Fixture)
{
    const auto song = read(dataPath(QStringLiteral("id3v2-frames.mp3")));
    EXPECT_EQ(song->track(), QStringLiteral("3/12"));
    EXPECT_EQ(song->title(), QString::fromUtf8("Пісня про 歌 — ü"));
    EXPECT_EQ(song->artist(), QString::fromUtf8("Ана Петрова"));
    EXPECT_EQ(song->album(), QStringLiteral("Album"));
    EXPECT_EQ(song->genre(), QStringLiteral("Folk"));
    EXPECT_EQ(song->year(), 2001);
    EXPECT_EQ(song->comment(), QStringLiteral("Comment"));
    EXPECT_EQ(song->albumArtist(), QStringLiteral("Y")) << "the last TPE2 frame wins";
    EXPECT_EQ(song->isCompilation(), 1);
    // Front cover JPEG, back cover PNG, artist photo with the JPEG's bytes again.
    const QList<QByteArray> expected = {readBytes(dataPath(QStringLiteral("cover.jpg"))),
                                        readBytes(dataPath(QStringLiteral("cover.png")))};
    EXPECT_EQ(song->images(), expected);
    EXPECT_TRUE(song->fileName().isNull()) << "the dispatch names the song, not the reader";
}

TEST_F(MP3ReaderTest, ID3v1OnlyFileShowsItsValues)
{
    const auto song = read(dataPath(QStringLiteral("id3v1-only.mp3")));
    EXPECT_EQ(song->title(), QStringLiteral("A"));
    EXPECT_EQ(song->artist(), QStringLiteral("B"));
    EXPECT_EQ(song->album(), QStringLiteral("C"));
    EXPECT_EQ(song->year(), 1999);
    EXPECT_EQ(song->genre(), QStringLiteral("Rock"));
    EXPECT_EQ(song->comment(), QStringLiteral("D"));
    EXPECT_EQ(song->track(), QStringLiteral("5"));
}

TEST_F(MP3ReaderTest, ID3v2ValuesWinAndID3v1FillsWhatIsMissing)
{
    const QString path = tempPath(QStringLiteral("both.mp3"));
    TagLibFiles::writeMp3(
        path,
        [](File &file) {
            TagLib::ID3v1::Tag *v1 = file.ID3v1Tag(true);
            v1->setTitle("old title");
            v1->setArtist("old artist");
            v1->setAlbum("v1 album");
            v1->setYear(1980);
            v1->setTrack(7);
            TagLib::ID3v2::Tag *v2 = file.ID3v2Tag(true);
            v2->setTitle("new title");
            v2->setArtist("new artist");
            v2->setYear(2020);
        },
        File::ID3v1 | File::ID3v2);
    const auto song = read(path);
    EXPECT_EQ(song->title(), QStringLiteral("new title"));
    EXPECT_EQ(song->artist(), QStringLiteral("new artist"));
    EXPECT_EQ(song->year(), 2020);
    EXPECT_EQ(song->album(), QStringLiteral("v1 album"));
    EXPECT_EQ(song->track(), QStringLiteral("7")) << "no TRCK frame keeps the ID3v1 track";

    TagLibFiles::writeMp3(
        path,
        [](File &file) {
            file.ID3v1Tag(true)->setTitle("t");
            addTextFrame(*file.ID3v2Tag(true), "TRCK", QStringLiteral("03"));
        },
        File::ID3v1 | File::ID3v2);
    EXPECT_EQ(read(path)->track(), QStringLiteral("03")) << "track text is taken unchanged";
    TagLibFiles::writeMp3(
        path, [](File &file) { file.ID3v1Tag(true)->setTitle("t"); }, File::ID3v1);
    EXPECT_EQ(read(path)->track(), QStringLiteral("")) << "ID3v1 track 0 is no track";
}

TEST_F(MP3ReaderTest, CompilationFrameTakesTheIntegerValue)
{
    const struct
    {
        const char *text;
        int value;
    } cases[] = {{"1", 1}, {"0", 0}, {"", 0}, {"yes", 0}, {"2", 2}};
    for (const auto &c : cases)
        EXPECT_EQ(readFrames({{"TCMP", QString::fromUtf8(c.text)}})->isCompilation(), c.value) << c.text;
    EXPECT_EQ(readFrames({{"TIT2", QStringLiteral("x")}})->isCompilation(), 0);
}

TEST_F(MP3ReaderTest, AlbumArtistDecidesCompilationWhenBound)
{
    Settings::setBool(SettingsKeys::BIND_COMPILATION_FLAG_TO_VARIOUS_ARTISTS, true);
    EXPECT_EQ(
        readFrames({{"TCMP", QStringLiteral("1")}, {"TPE2", QStringLiteral("Someone")}})->isCompilation(), 0);
    EXPECT_EQ(readFrames({{"TPE2", QStringLiteral("Various Artists")}})->isCompilation(), 1);
    Settings::setBool(SettingsKeys::BIND_COMPILATION_FLAG_TO_VARIOUS_ARTISTS, false);
    EXPECT_EQ(
        readFrames({{"TCMP", QStringLiteral("1")}, {"TPE2", QStringLiteral("Someone")}})->isCompilation(), 1);
    EXPECT_EQ(readFrames({{"TPE2", QStringLiteral("Various Artists")}})->isCompilation(), 0);
}

TEST_F(MP3ReaderTest, UnreadableFilesGiveEmptySongs)
{
    TestSupport::writeBytes(tempPath(QStringLiteral("text.mp3")),
                            QByteArray("this is not audio\n").repeated(50));
    TestSupport::writeBytes(tempPath(QStringLiteral("empty.mp3")), QByteArray());
    const QByteArray whole = readBytes(dataPath(QStringLiteral("id3v2-frames.mp3")));
    TestSupport::writeBytes(tempPath(QStringLiteral("cut.mp3")), whole.left(100));
    // A tag cut short is read as far as it goes; it only has to come back.
    ASSERT_TRUE(read(tempPath(QStringLiteral("cut.mp3"))));
    for (const char *name : {"text.mp3", "empty.mp3", "missing.mp3"}) {
        const auto song = read(tempPath(QString::fromLatin1(name)));
        ASSERT_TRUE(song) << name;
        EXPECT_EQ(song->title(), QStringLiteral("")) << name;
        EXPECT_EQ(song->countOfImages(), 0) << name;
        EXPECT_FALSE(song->title().isNull()) << name;
    }
}
