#include "m4areader.h"

#include "model/song.h"
#include "tags/taglibtext.h"

#include <taglib/mp4file.h>
#include <taglib/mp4tag.h>

namespace {

QString trackText(const TagLib::MP4::Item::IntPair &pair)
{
    if (pair.second != 0)
        return QStringLiteral("%1/%2").arg(pair.first).arg(pair.second);
    return QString::number(pair.first);
}

void readItems(const TagLib::MP4::Tag &tag, Song &song, ImagePool *images)
{
    if (tag.contains("trkn"))
        song.setTrack(trackText(tag.item("trkn").toIntPair()));
    if (tag.contains("covr")) {
        for (const TagLib::MP4::CoverArt &cover : tag.item("covr").toCoverArtList()) {
            const TagLib::ByteVector bytes = cover.data();
            Reader::addPicture(song, bytes.data(), bytes.size(), images);
        }
    }
    if (tag.contains("cpil"))
        song.setIsCompilation(tag.item("cpil").toBool() ? 1 : 0);
    if (tag.contains("aART"))
        song.setAlbumArtist(TagLibText::toQString(tag.item("aART").toStringList().toString(" ")));
}

} // namespace

std::unique_ptr<Song> M4AReader::parseFile(const QString &path, ImagePool *images) const
{
    return readSong(path, [this, images](const char *fileName, Song &song) {
        TagLib::MP4::File file(fileName, true, TagLib::AudioProperties::Average);
        const TagLib::MP4::Tag *tag = file.isValid() ? file.tag() : nullptr;
        if (!tag)
            return;
        readTag(*tag, song);
        readItems(*tag, song, images);
    });
}
