#include "m4awriter.h"

#include "app/textvalue.h"
#include "images/imagetype.h"
#include "model/song.h"
#include "tags/taglibtext.h"

#include <taglib/mp4file.h>
#include <taglib/mp4tag.h>

#include <limits>

namespace {

// A track or total number as stored: negative or out-of-range values are 0.
int trackNumber(const QString &text)
{
    const int value = integerValue(text);
    return value < 0 || value == std::numeric_limits<int>::max() ? 0 : value;
}

void writeTrack(TagLib::MP4::Tag &tag, const QString &track)
{
    tag.removeItem("trkn");
    const qsizetype slash = track.indexOf(u'/');
    if (slash >= 0)
        tag.setItem("trkn",
                    TagLib::MP4::Item(trackNumber(track.left(slash)), trackNumber(track.mid(slash + 1))));
    else
        tag.setTrack(static_cast<unsigned int>(trackNumber(track)));
}

TagLib::MP4::CoverArt::Format coverFormat(const QByteArray &image)
{
    switch (imageTypeOf(image)) {
    case ImageType::Png:
        return TagLib::MP4::CoverArt::PNG;
    case ImageType::Gif:
        return TagLib::MP4::CoverArt::GIF;
    case ImageType::Bmp:
        return TagLib::MP4::CoverArt::BMP;
    default:
        return TagLib::MP4::CoverArt::JPEG;
    }
}

void writeCovers(TagLib::MP4::Tag &tag, const Song &song)
{
    TagLib::MP4::CoverArtList covers;
    for (const QByteArray &image : song.images())
        covers.append(TagLib::MP4::CoverArt(coverFormat(image), TagLibText::toByteVector(image)));
    tag.removeItem("covr");
    tag.setItem("covr", TagLib::MP4::Item(covers));
}

} // namespace

std::unique_ptr<TagLib::File> M4AWriter::writeFile(const Song &song, const QString &path) const
{
    const QByteArray name = fileName(song, path);
    auto file = std::make_unique<TagLib::MP4::File>(name.constData(), true, TagLib::AudioProperties::Average);
    TagLib::MP4::Tag *tag = file->isValid() ? file->tag() : nullptr;
    if (!tag)
        return file;
    writeTag(*tag, song);
    writeTrack(*tag, song.track());
    if (song.isImagesModified())
        writeCovers(*tag, song);
    if (isChanged(song, Song::Compilation)) {
        tag->removeItem("cpil");
        tag->setItem("cpil", TagLib::MP4::Item(song.isCompilation() != 0));
    }
    if (isChanged(song, Song::AlbumArtist)) {
        tag->removeItem("aART");
        tag->setItem("aART", TagLib::MP4::Item(TagLib::StringList(TagLibText::toTagLib(song.albumArtist()))));
    }
    return file;
}
