// Writes the tagged fixtures of tests/data from the untagged silent.mp3 and
// silent.m4a with bare TagLib calls. Run once by hand; its output is committed:
//   korvan-make-fixtures tests/data
#include <taglib/attachedpictureframe.h>
#include <taglib/commentsframe.h>
#include <taglib/id3v1tag.h>
#include <taglib/id3v2tag.h>
#include <taglib/mp4file.h>
#include <taglib/mp4tag.h>
#include <taglib/mpegfile.h>
#include <taglib/textidentificationframe.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace fs = std::filesystem;
using TagLib::String;

static TagLib::ByteVector fileBytes(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return TagLib::ByteVector(bytes.data(), static_cast<unsigned int>(bytes.size()));
}

static void addText(TagLib::ID3v2::Tag &tag, const char *id, const String &text)
{
    auto *frame = new TagLib::ID3v2::TextIdentificationFrame(id, String::UTF8);
    frame->setText(text);
    tag.addFrame(frame);
}

static void addPicture(TagLib::ID3v2::Tag &tag, TagLib::ID3v2::AttachedPictureFrame::Type type,
                       const String &mime, const TagLib::ByteVector &bytes)
{
    auto *frame = new TagLib::ID3v2::AttachedPictureFrame;
    frame->setType(type);
    frame->setMimeType(mime);
    frame->setPicture(bytes);
    tag.addFrame(frame);
}

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DATA-FOLDER\n", argv[0]);
        return 2;
    }
    const fs::path data = argv[1];
    const TagLib::ByteVector png = fileBytes(data / "cover.png");
    const TagLib::ByteVector jpeg = fileBytes(data / "cover.jpg");

    // ID3v1 only: title "A", artist "B", track 5.
    fs::copy_file(data / "silent.mp3", data / "id3v1-only.mp3", fs::copy_options::overwrite_existing);
    {
        TagLib::MPEG::File file((data / "id3v1-only.mp3").c_str());
        TagLib::ID3v1::Tag *tag = file.ID3v1Tag(true);
        tag->setTitle("A");
        tag->setArtist("B");
        tag->setAlbum("C");
        tag->setYear(1999);
        tag->setTrack(5);
        tag->setComment("D");
        tag->setGenre("Rock");
        file.save(TagLib::MPEG::File::ID3v1, TagLib::File::StripOthers);
    }

    // ID3v2: track "3/12", two album artists, compilation, three pictures of
    // which two hold the same bytes, and non-Latin text.
    fs::copy_file(data / "silent.mp3", data / "id3v2-frames.mp3", fs::copy_options::overwrite_existing);
    {
        TagLib::MPEG::File file((data / "id3v2-frames.mp3").c_str());
        TagLib::ID3v2::Tag *tag = file.ID3v2Tag(true);
        tag->setTitle(String("Пісня про 歌 — ü", String::UTF8));
        tag->setArtist(String("Ана Петрова", String::UTF8));
        tag->setAlbum("Album");
        tag->setGenre("Folk");
        tag->setYear(2001);
        tag->setComment("Comment");
        addText(*tag, "TRCK", "3/12");
        addText(*tag, "TPE2", "X");
        addText(*tag, "TPE2", "Y");
        addText(*tag, "TCMP", "1");
        using Picture = TagLib::ID3v2::AttachedPictureFrame;
        addPicture(*tag, Picture::FrontCover, "image/jpeg", jpeg);
        addPicture(*tag, Picture::BackCover, "image/png", png);
        addPicture(*tag, Picture::Artist, "", jpeg);
        file.save(TagLib::MPEG::File::ID3v2, TagLib::File::StripOthers);
    }

    // MP4: "trkn" (3, 12), an "aART" of two values, "cpil", a PNG and a JPEG cover.
    fs::copy_file(data / "silent.m4a", data / "items.m4a", fs::copy_options::overwrite_existing);
    {
        TagLib::MP4::File file((data / "items.m4a").c_str());
        TagLib::MP4::Tag *tag = file.tag();
        tag->setTitle(String("Песня 歌", String::UTF8));
        tag->setArtist("Artist");
        tag->setAlbum("Album");
        tag->setGenre("Jazz");
        tag->setYear(1987);
        tag->setComment("Note");
        tag->setItem("trkn", TagLib::MP4::Item(3, 12));
        TagLib::StringList albumArtists;
        albumArtists.append("A");
        albumArtists.append("B");
        tag->setItem("aART", TagLib::MP4::Item(albumArtists));
        tag->setItem("cpil", TagLib::MP4::Item(true));
        TagLib::MP4::CoverArtList covers;
        covers.append(TagLib::MP4::CoverArt(TagLib::MP4::CoverArt::PNG, png));
        covers.append(TagLib::MP4::CoverArt(TagLib::MP4::CoverArt::JPEG, jpeg));
        tag->setItem("covr", TagLib::MP4::Item(covers));
        file.save();
    }
    return 0;
}
