#include "tags/m4awriter.h"
#include "model/song.h"
#include "taglibfiles.h"
#include "tags/tagsreader.h"
#include "testsupport.h"

#include <taglib/mp4file.h>
#include <taglib/mp4tag.h>

using TagLib::MP4::Item;
using TestSupport::dataPath;
using TestSupport::readBytes;

class M4AWriterTest : public KorvanTest
{
protected:
    void SetUp() override
    {
        KorvanTest::SetUp();
        path = tempPath(QStringLiteral("song.m4a"));
        TagLibFiles::writeM4a(path, [](TagLib::MP4::Tag &tag) {
            tag.setTitle("Title");
            tag.setItem("trkn", Item(3, 12));
            tag.setItem("aART", Item(TagLib::StringList(TagLib::String("A")).append("B")));
            tag.setItem("cpil", Item(true));
            tag.setItem("disk", Item(1, 2));
            tag.setItem("\251wrt", Item(TagLib::StringList(TagLib::String("Composer"))));
        });
    }
    std::unique_ptr<Song> load() { return TagsReader().parseFile(path); }
    void save(const Song &song)
    {
        const M4AWriter writer;
        std::unique_ptr<TagLib::File> file = writer.writeFile(song);
        ASSERT_TRUE(file);
        ASSERT_TRUE(writer.save(*file));
    }
    // Runs CHECK on the file's tag as TagLib reads it.
    void inspect(const std::function<void(const TagLib::MP4::Tag &)> &check)
    {
        TagLib::MP4::File file(QFile::encodeName(path).constData());
        ASSERT_TRUE(file.isValid());
        check(*file.tag());
    }
    QString path;
};

TEST_F(M4AWriterTest, TrackTextBecomesNumberAndTotal)
{
    const struct
    {
        const char *track;
        int number, total;
        bool present;
    } cases[] = {
        {"3/12", 3, 12, true}, {"3", 3, 0, true},        {"3/", 3, 0, true},           {"/12", 0, 12, true},
        {"a/b", 0, 0, true},   {"3/12/14", 3, 12, true}, {" 5/ 7", 5, 7, true},        {"-2/5", 0, 5, true},
        {"-2", 0, 0, false},   {"", 0, 0, false},        {"12345678901", 0, 0, false},
    };
    for (const auto &c : cases) {
        auto song = load();
        song->setTrack(QString::fromLatin1(c.track));
        save(*song);
        inspect([&](const TagLib::MP4::Tag &tag) {
            ASSERT_EQ(tag.contains("trkn"), c.present) << c.track;
            if (c.present) {
                EXPECT_EQ(tag.item("trkn").toIntPair().first, c.number) << c.track;
                EXPECT_EQ(tag.item("trkn").toIntPair().second, c.total) << c.track;
            }
        });
    }
}

TEST_F(M4AWriterTest, TitleChangeRebuildsTrackAndLeavesOtherItems)
{
    auto song = load();
    song->setTrack(QStringLiteral("03"));
    save(*song);
    song = load();
    EXPECT_EQ(song->track(), QStringLiteral("3"));
    song->setTitle(QString::fromUtf8("Заголовок"));
    save(*song);
    inspect([](const TagLib::MP4::Tag &tag) {
        EXPECT_EQ(tag.item("trkn").toIntPair().first, 3);
        EXPECT_EQ(tag.item("aART").toStringList().size(), 2u) << "album artist untouched";
        EXPECT_TRUE(tag.item("cpil").toBool());
        EXPECT_EQ(tag.item("disk").toIntPair().second, 2);
        EXPECT_EQ(tag.item("\251wrt").toStringList().toString(), TagLib::String("Composer"));
        EXPECT_EQ(tag.title(), TagLib::String("Заголовок", TagLib::String::UTF8));
    });
}

TEST_F(M4AWriterTest, OwnItemsAreReplaced)
{
    auto song = load();
    song->setIsCompilation(2);
    song->setAlbumArtist(QStringLiteral("A B "));
    song->setAlbumArtist(QStringLiteral("A B"));
    save(*song);
    inspect([](const TagLib::MP4::Tag &tag) {
        EXPECT_TRUE(tag.item("cpil").toBool());
        EXPECT_EQ(tag.item("aART").toStringList().size(), 1u);
        EXPECT_EQ(tag.item("aART").toStringList().front(), TagLib::String("A B"));
    });
    song = load();
    song->setIsCompilation(0);
    save(*song);
    inspect([](const TagLib::MP4::Tag &tag) {
        ASSERT_TRUE(tag.contains("cpil"));
        EXPECT_FALSE(tag.item("cpil").toBool());
    });
}

TEST_F(M4AWriterTest, CoversAreLabelledByTheirBytes)
{
    const QByteArray png = readBytes(dataPath(QStringLiteral("cover.png")));
    const QByteArray jpeg = readBytes(dataPath(QStringLiteral("cover.jpg")));
    auto song = load();
    song->addImage(png);
    song->addImage(jpeg);
    save(*song);
    inspect([&](const TagLib::MP4::Tag &tag) {
        const TagLib::MP4::CoverArtList covers = tag.item("covr").toCoverArtList();
        ASSERT_EQ(covers.size(), 2u);
        EXPECT_EQ(covers[0].format(), TagLib::MP4::CoverArt::PNG);
        EXPECT_EQ(covers[1].format(), TagLib::MP4::CoverArt::JPEG);
        EXPECT_EQ(tag.item("aART").toStringList().size(), 1u) << "an image change writes the album artist";
    });
    const auto back = load();
    EXPECT_EQ(back->images(), (QList<QByteArray>{png, jpeg}));
    EXPECT_EQ(back->albumArtist(), QStringLiteral("A B"));

    song = load();
    song->removeImage(png);
    song->removeImage(jpeg);
    save(*song);
    // TagLib leaves an empty "covr" item out of the file.
    inspect([](const TagLib::MP4::Tag &tag) { EXPECT_TRUE(tag.item("covr").toCoverArtList().isEmpty()); });
    EXPECT_EQ(load()->countOfImages(), 0);
}
