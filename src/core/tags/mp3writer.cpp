#include "mp3writer.h"

#include "images/imagetype.h"
#include "model/song.h"
#include "tags/taglibtext.h"

#include <taglib/attachedpictureframe.h>
#include <taglib/id3v1tag.h>
#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>
#include <taglib/textidentificationframe.h>

namespace {

void addTextFrame(TagLib::ID3v2::Tag &tag, const char *id, const QString &text)
{
    auto frame = std::make_unique<TagLib::ID3v2::TextIdentificationFrame>(id, TagLib::String::UTF8);
    frame->setText(TagLibText::toTagLib(text));
    tag.addFrame(frame.release());
}

// Carries what only the ID3v1 tag holds into the ID3v2 tag, so that removing
// the ID3v1 tag loses nothing the editor showed.
void keepID3v1Values(const TagLib::ID3v1::Tag &id3v1, TagLib::ID3v2::Tag &id3v2)
{
    if (id3v2.title().isEmpty())
        id3v2.setTitle(id3v1.title());
    if (id3v2.artist().isEmpty())
        id3v2.setArtist(id3v1.artist());
    if (id3v2.album().isEmpty())
        id3v2.setAlbum(id3v1.album());
    if (id3v2.genre().isEmpty())
        id3v2.setGenre(id3v1.genre());
    if (id3v2.year() == 0)
        id3v2.setYear(id3v1.year());
    if (id3v2.comment().isEmpty())
        id3v2.setComment(id3v1.comment());
    const bool hasTrack =
        std::any_of(id3v2.frameList("TRCK").begin(), id3v2.frameList("TRCK").end(),
                    [](const TagLib::ID3v2::Frame *frame) { return !frame->toString().isEmpty(); });
    if (!hasTrack && id3v1.track() != 0) {
        id3v2.removeFrames("TRCK");
        addTextFrame(id3v2, "TRCK", QString::number(id3v1.track()));
    }
}

void writePictures(TagLib::ID3v2::Tag &tag, const Song &song)
{
    tag.removeFrames("APIC");
    for (const QByteArray &image : song.images()) {
        const ImageType type = imageTypeOf(image);
        auto frame = std::make_unique<TagLib::ID3v2::AttachedPictureFrame>();
        // Labelled by what the bytes are; bytes of no known kind keep the usual label.
        frame->setMimeType(type == ImageType::Unknown ? QStringLiteral("image/jpeg").toStdString()
                                                      : imageMimeType(type).toStdString());
        frame->setType(TagLib::ID3v2::AttachedPictureFrame::FrontCover);
        frame->setPicture(TagLibText::toByteVector(image));
        tag.addFrame(frame.release());
    }
}

} // namespace

std::unique_ptr<TagLib::File> MP3Writer::writeFile(const Song &song, const QString &path) const
{
    const QByteArray name = fileName(song, path);
    auto file =
        std::make_unique<TagLib::MPEG::File>(name.constData(), true, TagLib::AudioProperties::Average);
    if (!file->isValid())
        return file;
    TagLib::ID3v2::Tag *tag = file->ID3v2Tag(true);
    if (file->hasID3v1Tag())
        keepID3v1Values(*file->ID3v1Tag(), *tag);

    writeTag(*tag, song);
    if (isChanged(song, Song::Track)) {
        tag->removeFrames("TRCK");
        if (!song.track().isEmpty())
            addTextFrame(*tag, "TRCK", song.track());
    }
    if (song.isImagesModified())
        writePictures(*tag, song);
    if (isChanged(song, Song::Compilation)) {
        tag->removeFrames("TCMP");
        addTextFrame(*tag, "TCMP", song.isCompilation() ? QStringLiteral("1") : QStringLiteral("0"));
    }
    if (isChanged(song, Song::AlbumArtist)) {
        tag->removeFrames("TPE2");
        addTextFrame(*tag, "TPE2", song.albumArtist());
    }
    return file;
}

bool MP3Writer::save(TagLib::File &file) const
{
    auto &mpeg = static_cast<TagLib::MPEG::File &>(file);
    // TagLib would gladly put a tag in front of any file; one without a
    // single MPEG frame is not what its name says, and is left alone.
    if (!mpeg.isValid() || mpeg.firstFrameOffset() < 0)
        return false;
    // Only the ID3v2 tag is written (values are never copied into an ID3v1
    // tag); an APE tag the file carries is kept.
    const int tags = TagLib::MPEG::File::ID3v2 | (mpeg.hasAPETag() ? TagLib::MPEG::File::APE : 0);
    return mpeg.save(tags, TagLib::File::StripOthers, TagLib::ID3v2::v4, TagLib::File::DoNotDuplicate);
}
