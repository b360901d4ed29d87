#include "reader.h"

#include "images/imagepool.h"
#include "model/song.h"
#include "tags/taglibtext.h"

#include <QFileInfo>

#include <taglib/tag.h>

std::unique_ptr<Song> Reader::parseFile(const QString &, ImagePool *) const
{
    return nullptr;
}

void Reader::addPicture(Song &song, const char *data, unsigned int size, ImagePool *images)
{
    song.addImage(images ? images->intern(data, qsizetype(size)) : QByteArray(data, qsizetype(size)));
}

void Reader::readTag(const TagLib::Tag &tag, Song &song, Values values) const
{
    const bool all = values == Values::All;
    auto text = [&](const TagLib::String &value, void (Song::*setter)(const QString &)) {
        if (all || !value.isEmpty())
            (song.*setter)(TagLibText::toQString(value));
    };
    text(tag.title(), &Song::setTitle);
    text(tag.artist(), &Song::setArtist);
    text(tag.album(), &Song::setAlbum);
    text(tag.genre(), &Song::setGenre);
    const unsigned int year = tag.year();
    if (all || year != 0)
        song.setYear(static_cast<int>(year));
    text(tag.comment(), &Song::setComment);
}

std::unique_ptr<Song> Reader::readSong(const QString &path,
                                       const std::function<void(const char *fileName, Song &song)> &read)
{
    auto song = std::make_unique<Song>();
    if (!QFileInfo(path).isFile())
        return song;
    try {
        read(TagLibText::fileName(path).constData(), *song);
    } catch (const std::exception &) {
        // Out of memory on a damaged size field, say: the file reads as empty.
        return std::make_unique<Song>();
    }
    return song;
}
