#include "tags/m4areader.h"
#include "app/settings.h"
#include "model/song.h"
#include "taglibfiles.h"
#include "testsupport.h"

#include <taglib/mp4tag.h>

using TagLib::MP4::Item;
using TestSupport::dataPath;
using TestSupport::readBytes;

class M4AReaderTest : public KorvanTest
{
protected:
    std::unique_ptr<Song> readWith(const std::function<void(TagLib::MP4::Tag &)> &edit)
    {
        const QString path = tempPath(QStringLiteral("items.m4a"));
        TagLibFiles::writeM4a(path, edit);
        return M4AReader().parseFile(path);
    }
};

TEST_F(M4AReaderTest, ReadsItemsOfTheFixture)
{
    const auto song = M4AReader().parseFile(dataPath(QStringLiteral("items.m4a")));
    EXPECT_EQ(song->track(), QStringLiteral("3/12"));
    EXPECT_EQ(song->title(), QString::fromUtf8("Песня 歌"));
    EXPECT_EQ(song->artist(), QStringLiteral("Artist"));
    EXPECT_EQ(song->album(), QStringLiteral("Album"));
    EXPECT_EQ(song->genre(), QStringLiteral("Jazz"));
    EXPECT_EQ(song->year(), 1987);
    EXPECT_EQ(song->comment(), QStringLiteral("Note"));
    EXPECT_EQ(song->albumArtist(), QStringLiteral("A B"));
    EXPECT_EQ(song->isCompilation(), 1);
    const QList<QByteArray> expected = {readBytes(dataPath(QStringLiteral("cover.png"))),
                                        readBytes(dataPath(QStringLiteral("cover.jpg")))};
    EXPECT_EQ(song->images(), expected);
}

TEST_F(M4AReaderTest, TrackPairBecomesText)
{
    const struct
    {
        int number, total;
        const char *track;
    } cases[] = {{3, 12, "3/12"}, {3, 0, "3"}, {0, 12, "0/12"}, {0, 0, "0"}, {7, 9, "7/9"}};
    for (const auto &c : cases) {
        const auto song =
            readWith([&](TagLib::MP4::Tag &tag) { tag.setItem("trkn", Item(c.number, c.total)); });
        EXPECT_EQ(song->track(), QString::fromLatin1(c.track));
    }
    const auto untracked = readWith([](TagLib::MP4::Tag &tag) { tag.setTitle("t"); });
    EXPECT_EQ(untracked->track(), QStringLiteral(""));
    EXPECT_EQ(untracked->isCompilation(), 0);
    EXPECT_EQ(untracked->albumArtist(), QStringLiteral(""));
}

TEST_F(M4AReaderTest, CompilationAndByteEqualCovers)
{
    const QByteArray png = readBytes(dataPath(QStringLiteral("cover.png")));
    const auto song = readWith([&](TagLib::MP4::Tag &tag) {
        tag.setItem("cpil", Item(false));
        TagLib::MP4::CoverArtList covers;
        const TagLib::ByteVector bytes(png.constData(), unsigned(png.size()));
        covers.append(TagLib::MP4::CoverArt(TagLib::MP4::CoverArt::PNG, bytes));
        covers.append(TagLib::MP4::CoverArt(TagLib::MP4::CoverArt::JPEG, bytes));
        tag.setItem("covr", Item(covers));
    });
    EXPECT_EQ(song->isCompilation(), 0);
    EXPECT_EQ(song->images(), QList<QByteArray>{png});
}

TEST_F(M4AReaderTest, AlbumArtistDecidesCompilationWhenBound)
{
    auto someone = [](TagLib::MP4::Tag &tag) {
        tag.setItem("cpil", Item(true));
        tag.setItem("aART", Item(TagLib::StringList(TagLib::String("Someone"))));
    };
    Settings::setBool(SettingsKeys::BIND_COMPILATION_FLAG_TO_VARIOUS_ARTISTS, true);
    EXPECT_EQ(readWith(someone)->isCompilation(), 0);
    Settings::setBool(SettingsKeys::BIND_COMPILATION_FLAG_TO_VARIOUS_ARTISTS, false);
    EXPECT_EQ(readWith(someone)->isCompilation(), 1);
}
