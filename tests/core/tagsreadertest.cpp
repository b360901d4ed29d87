#include "tags/tagsreader.h"
#include "model/song.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <sys/stat.h>

class TagsReaderTest : public KorvanTest
{
};

TEST_F(TagsReaderTest, DispatchesByExtensionInPathOrder)
{
    const QStringList paths = {copyFixture(QStringLiteral("id3v2-frames.mp3"), QStringLiteral("a.MP3")),
                               copyFixture(QStringLiteral("items.m4a"), QStringLiteral("b.m4a")),
                               copyFixture(QStringLiteral("items.m4a"), QStringLiteral("c.MP4")),
                               copyFixture(QStringLiteral("items.m4a"), QStringLiteral("d.ogg")),
                               copyFixture(QStringLiteral("items.m4a"), QStringLiteral("e")),
                               copyFixture(QStringLiteral("items.m4a"), QStringLiteral("f.mp3x"))};
    std::vector<std::unique_ptr<Song>> songs;
    songs.push_back(std::make_unique<Song>());
    TagsReader reader;
    reader.parseFiles(paths, songs);
    ASSERT_EQ(songs.size(), 4u) << "the list's own songs stay, three are appended";
    EXPECT_EQ(songs[1]->fileName(), QStringLiteral("a.MP3"));
    EXPECT_EQ(songs[1]->albumArtist(), QStringLiteral("Y")) << "read as MP3";
    EXPECT_EQ(songs[2]->albumArtist(), QStringLiteral("A B")) << "read as MP4";
    EXPECT_EQ(songs[3]->fileName(), QStringLiteral("c.MP4"));
    EXPECT_EQ(songs[3]->albumArtist(), QStringLiteral("A B"));
    for (size_t i = 1; i < songs.size(); ++i)
        EXPECT_FALSE(songs[i]->isModified());

    reader.parseFiles({}, songs);
    EXPECT_EQ(songs.size(), 4u);
}

TEST_F(TagsReaderTest, FinishedSongKnowsItsPathAndName)
{
    const QString path = copyFixture(QStringLiteral("id3v1-only.mp3"), QStringLiteral("Song.Mp3"));
    const auto song = TagsReader().parseFile(path);
    ASSERT_TRUE(song);
    EXPECT_EQ(song->filePath(), path);
    EXPECT_EQ(song->fileName(), QStringLiteral("Song.Mp3"));
    EXPECT_EQ(song->extension(), QStringLiteral("Mp3"));
    EXPECT_FALSE(song->isModified());
    EXPECT_EQ(song->title(), QStringLiteral("A"));
}

TEST_F(TagsReaderTest, MissingFilesAndFifosBecomeEmptySongsWithoutBlocking)
{
    const QString fifo = tempPath(QStringLiteral("pipe.mp3"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QDir().mkpath(tempPath(QStringLiteral("folder.m4a")));
    for (const QString &path :
         {fifo, tempPath(QStringLiteral("folder.m4a")), tempPath(QStringLiteral("gone.mp3"))}) {
        const auto song = TagsReader().parseFile(path);
        ASSERT_TRUE(song) << path.toStdString();
        EXPECT_EQ(song->title(), QStringLiteral(""));
        EXPECT_EQ(song->filePath(), path);
    }
}

// Real files written by other tools, some broken on purpose: each is read as
// MP3 and as MP4, and reading must come back.
TEST_F(TagsReaderTest, EveryCorpusFileIsReadWithoutCrashing)
{
    const QDir corpus(QStringLiteral(KORVAN_CORPUS_DIR "/taglib"));
    if (!corpus.exists())
        GTEST_SKIP() << "no corpus at " << corpus.path().toStdString();
    const QFileInfoList files = corpus.entryInfoList(QDir::Files, QDir::Name);
    ASSERT_FALSE(files.isEmpty());
    TagsReader reader;
    int withTitle = 0;
    for (const QFileInfo &file : files) {
        for (const char *extension : {"mp3", "m4a"}) {
            const QString copy = tempPath(QStringLiteral("corpus.") + QLatin1String(extension));
            QFile::remove(copy);
            ASSERT_TRUE(QFile::copy(file.filePath(), copy));
            const auto song = reader.parseFile(copy);
            ASSERT_TRUE(song) << file.fileName().toStdString();
            if (!song->title().isEmpty())
                ++withTitle;
        }
    }
    EXPECT_GT(withTitle, 0) << "no corpus file gave a title: the readers read nothing";
}

// Reading on several threads must look exactly like reading one by one.
TEST_F(TagsReaderTest, ParallelReadingKeepsOrderAndSharesEqualPictures)
{
    QStringList paths;
    for (int i = 0; i < 40; ++i) {
        const char *fixture = i % 3 == 0 ? "items.m4a" : (i % 3 == 1 ? "id3v2-frames.mp3" : "id3v1-only.mp3");
        const QString extension = i % 3 == 0 ? QStringLiteral("m4a") : QStringLiteral("mp3");
        paths.append(
            copyFixture(QString::fromLatin1(fixture), QStringLiteral("album/%1.%2").arg(i).arg(extension)));
        if (i == 7)
            paths.append(tempPath(QStringLiteral("album/missing.ogg")));
    }
    std::vector<std::unique_ptr<Song>> songs;
    QList<int> progress;
    TagsReader reader;
    reader.parseFiles(paths, songs, [&](int done, int total) {
        EXPECT_EQ(total, 41);
        progress.append(done);
    });
    ASSERT_EQ(songs.size(), 40u);
    EXPECT_EQ(progress.last(), 41);
    EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
    for (int i = 0; i < 40; ++i) {
        const auto alone = reader.parseFile(paths.at(i < 8 ? i : i + 1));
        EXPECT_EQ(songs[size_t(i)]->filePath(), alone->filePath());
        EXPECT_EQ(songs[size_t(i)]->description(), alone->description());
        EXPECT_EQ(songs[size_t(i)]->images(), alone->images());
        EXPECT_EQ(songs[size_t(i)]->thread(), QThread::currentThread());
    }
    // The PNG cover of the MP4 songs and the one of the MP3 songs are one buffer.
    const QByteArray &png = songs[0]->objectInImagesAtIndex(0);
    EXPECT_EQ(songs[3]->objectInImagesAtIndex(0).constData(), png.constData());
    EXPECT_EQ(songs[1]->objectInImagesAtIndex(1).constData(), png.constData());
}
