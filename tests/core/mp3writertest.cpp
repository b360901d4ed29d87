#include "tags/mp3writer.h"
#include "model/song.h"
#include "taglibfiles.h"
#include "tags/mp3reader.h"
#include "tags/tagsreader.h"
#include "testsupport.h"

#include <taglib/attachedpictureframe.h>
#include <taglib/id3v1tag.h>
#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>

using TagLib::MPEG::File;
using TestSupport::dataPath;
using TestSupport::readBytes;

namespace {

// The texts of every frame ID of the file's ID3v2 tag, in frame order.
QStringList frames(const QString &path, const char *id)
{
    File file(QFile::encodeName(path).constData());
    QStringList texts;
    if (!file.hasID3v2Tag())
        return texts;
    for (const TagLib::ID3v2::Frame *frame : file.ID3v2Tag()->frameList(id))
        texts.append(QString::fromStdString(frame->toString().to8Bit(true)));
    return texts;
}

struct Picture
{
    QString mime;
    int type;
    QByteArray bytes;
    bool operator==(const Picture &other) const
    {
        return mime == other.mime && type == other.type && bytes == other.bytes;
    }
};

QList<Picture> pictures(const QString &path)
{
    File file(QFile::encodeName(path).constData());
    QList<Picture> found;
    for (TagLib::ID3v2::Frame *frame : file.ID3v2Tag(true)->frameList("APIC")) {
        auto *picture = static_cast<TagLib::ID3v2::AttachedPictureFrame *>(frame);
        found.append({QString::fromStdString(picture->mimeType().to8Bit()), int(picture->type()),
                      QByteArray(picture->picture().data(), int(picture->picture().size()))});
    }
    return found;
}

} // namespace

class MP3WriterTest : public KorvanTest
{
protected:
    std::unique_ptr<Song> load(const QString &path) { return TagsReader().parseFile(path); }
    void save(const Song &song)
    {
        const MP3Writer writer;
        std::unique_ptr<TagLib::File> file = writer.writeFile(song);
        ASSERT_TRUE(file);
        ASSERT_TRUE(writer.save(*file));
    }
    QString richFile()
    {
        const QString path = copyFixture(QStringLiteral("id3v2-frames.mp3"), QStringLiteral("rich.mp3"));
        File file(QFile::encodeName(path).constData());
        TagLibFiles::addTextFrame(*file.ID3v2Tag(), "TPOS", QStringLiteral("1/2"));
        TagLibFiles::addTextFrame(*file.ID3v2Tag(), "TCOM", QStringLiteral("Composer"));
        EXPECT_TRUE(file.save(File::ID3v2, TagLib::File::StripOthers));
        return path;
    }
    const QByteArray jpeg = readBytes(dataPath(QStringLiteral("cover.jpg")));
    const QByteArray png = readBytes(dataPath(QStringLiteral("cover.png")));
};

TEST_F(MP3WriterTest, TitleChangeLeavesEveryOtherFrameAlone)
{
    const QString path = richFile();
    const QList<Picture> picturesBefore = pictures(path);
    const auto song = load(path);
    song->setTitle(QString::fromUtf8("Новая 新しい"));
    save(*song);

    EXPECT_EQ(frames(path, "TIT2"), QStringList{QString::fromUtf8("Новая 新しい")});
    EXPECT_EQ(frames(path, "TRCK"), QStringList{QStringLiteral("3/12")});
    EXPECT_EQ(frames(path, "TPE2"), (QStringList{QStringLiteral("X"), QStringLiteral("Y")}));
    EXPECT_EQ(frames(path, "TCMP"), QStringList{QStringLiteral("1")});
    EXPECT_EQ(frames(path, "TPOS"), QStringList{QStringLiteral("1/2")});
    EXPECT_EQ(frames(path, "TCOM"), QStringList{QStringLiteral("Composer")});
    EXPECT_EQ(frames(path, "TPE1"), QStringList{QString::fromUtf8("Ана Петрова")});
    EXPECT_EQ(pictures(path), picturesBefore);
    EXPECT_EQ(load(path)->title(), QString::fromUtf8("Новая 新しい"));
}

TEST_F(MP3WriterTest, OwnFramesAreReplacedByOneFrameEach)
{
    const QString path = richFile();
    auto song = load(path);
    song->setTrack(QStringLiteral(""));
    song->setAlbumArtist(QStringLiteral("Z"));
    song->setIsCompilation(0);
    save(*song);
    EXPECT_TRUE(frames(path, "TRCK").isEmpty());
    EXPECT_EQ(frames(path, "TPE2"), QStringList{QStringLiteral("Z")});
    EXPECT_EQ(frames(path, "TCMP"), QStringList{QStringLiteral("0")});

    song = load(path);
    song->setTrack(QStringLiteral("03"));
    song->setIsCompilation(2);
    song->setAlbumArtist(QStringLiteral(""));
    save(*song);
    EXPECT_EQ(frames(path, "TRCK"), QStringList{QStringLiteral("03")});
    EXPECT_EQ(frames(path, "TCMP"), QStringList{QStringLiteral("1")});
    EXPECT_EQ(frames(path, "TPE2"), QStringList{QStringLiteral("")});
    const auto back = load(path);
    EXPECT_EQ(back->track(), QStringLiteral("03"));
    EXPECT_EQ(back->isCompilation(), 1);
    EXPECT_EQ(back->albumArtist(), QStringLiteral(""));
}

TEST_F(MP3WriterTest, ImageChangeRewritesPicturesAndEveryField)
{
    const QString path = richFile();
    // Change the file behind the song's back: an image change writes every field again.
    auto song = load(path);
    {
        File file(QFile::encodeName(path).constData());
        file.ID3v2Tag()->setAlbum("Changed on disk");
        file.ID3v2Tag()->removeFrames("TRCK");
        ASSERT_TRUE(file.save(File::ID3v2, TagLib::File::StripOthers));
    }
    song->addImage(QByteArray("not a picture"));
    song->removeImage(jpeg);
    save(*song);
    EXPECT_EQ(pictures(path),
              (QList<Picture>{{QStringLiteral("image/png"), 3, png},
                              {QStringLiteral("image/jpeg"), 3, QByteArray("not a picture")}}));
    EXPECT_EQ(frames(path, "TALB"), QStringList{QStringLiteral("Album")});
    EXPECT_EQ(frames(path, "TRCK"), QStringList{QStringLiteral("3/12")});
    EXPECT_EQ(frames(path, "TPE2"), QStringList{QStringLiteral("Y")});
    EXPECT_EQ(frames(path, "TPOS"), QStringList{QStringLiteral("1/2")});
    EXPECT_EQ(load(path)->images(), (QList<QByteArray>{png, QByteArray("not a picture")}));

    song = load(path);
    song->removeObjectFromImagesAtIndex(1);
    song->removeObjectFromImagesAtIndex(0);
    save(*song);
    EXPECT_TRUE(pictures(path).isEmpty());
    EXPECT_EQ(load(path)->title(), QString::fromUtf8("Пісня про 歌 — ü"));
}

TEST_F(MP3WriterTest, ID3v1ValuesMoveIntoTheID3v2Tag)
{
    const QString path = copyFixture(QStringLiteral("id3v1-only.mp3"), QStringLiteral("old.mp3"));
    auto song = load(path);
    song->setTitle(QStringLiteral("New"));
    song->setComment(QStringLiteral(""));
    save(*song);
    {
        File file(QFile::encodeName(path).constData());
        EXPECT_FALSE(file.hasID3v1Tag());
    }
    EXPECT_EQ(frames(path, "TIT2"), QStringList{QStringLiteral("New")});
    EXPECT_EQ(frames(path, "TPE1"), QStringList{QStringLiteral("B")});
    EXPECT_EQ(frames(path, "TRCK"), QStringList{QStringLiteral("5")});
    EXPECT_TRUE(frames(path, "COMM").isEmpty()) << "the cleared comment stays cleared";
    const auto back = load(path);
    EXPECT_EQ(back->artist(), QStringLiteral("B"));
    EXPECT_EQ(back->album(), QStringLiteral("C"));
    EXPECT_EQ(back->year(), 1999);
    EXPECT_EQ(back->genre(), QStringLiteral("Rock"));
}

TEST_F(MP3WriterTest, BaseWriterWritesNothing)
{
    Song song;
    song.setFilePath(copyFixture(QStringLiteral("silent.mp3"), QStringLiteral("x.mp3")));
    song.setTitle(QStringLiteral("t"));
    EXPECT_EQ(Writer().writeFile(song), nullptr);
}
