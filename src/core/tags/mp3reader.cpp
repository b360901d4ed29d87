#include "mp3reader.h"

#include "app/textvalue.h"
#include "model/song.h"
#include "tags/taglibtext.h"

#include <taglib/attachedpictureframe.h>
#include <taglib/id3v1tag.h>
#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>

namespace {

QString frameText(const TagLib::ID3v2::Frame &frame)
{
    return TagLibText::toQString(frame.toString());
}

void readFrames(const TagLib::ID3v2::Tag &tag, Song &song, bool hasID3v1, ImagePool *images)
{
    // A "TRCK" frame replaces the ID3v1 track only when it holds a value, so
    // that an ID3v1 track survives an empty frame.
    for (const TagLib::ID3v2::Frame *frame : tag.frameList("TRCK")) {
        const QString track = frameText(*frame);
        if (!track.isEmpty() || !hasID3v1)
            song.setTrack(track);
    }
    for (TagLib::ID3v2::Frame *frame : tag.frameList("APIC")) {
        if (auto *picture = dynamic_cast<TagLib::ID3v2::AttachedPictureFrame *>(frame)) {
            const TagLib::ByteVector bytes = picture->picture();
            Reader::addPicture(song, bytes.data(), bytes.size(), images);
        }
    }
    for (const TagLib::ID3v2::Frame *frame : tag.frameList("TCMP"))
        song.setIsCompilation(integerValue(frameText(*frame)));
    for (const TagLib::ID3v2::Frame *frame : tag.frameList("TPE2"))
        song.setAlbumArtist(frameText(*frame));
}

} // namespace

std::unique_ptr<Song> MP3Reader::parseFile(const QString &path, ImagePool *images) const
{
    return readSong(path, [this, images](const char *fileName, Song &song) {
        TagLib::MPEG::File file(fileName, true, TagLib::AudioProperties::Average);
        if (!file.isValid())
            return;
        // TagLib creates empty tags in memory for a file that has none; only
        // the tags really in the file count.
        TagLib::ID3v1::Tag *id3v1 = file.hasID3v1Tag() ? file.ID3v1Tag() : nullptr;
        TagLib::ID3v2::Tag *id3v2 = file.hasID3v2Tag() ? file.ID3v2Tag() : nullptr;
        if (id3v1) {
            readTag(*id3v1, song);
            const unsigned int track = id3v1->track();
            song.setTrack(track ? QString::number(track) : QStringLiteral(""));
        }
        if (id3v2) {
            // Values the ID3v2 tag holds win; where it holds none, the ID3v1
            // value stays, so that nothing the file holds is hidden.
            readTag(*id3v2, song, id3v1 ? Values::HeldOnly : Values::All);
            readFrames(*id3v2, song, id3v1 != nullptr, images);
        }
    });
}
