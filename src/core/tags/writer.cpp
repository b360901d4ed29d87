#include "writer.h"

#include "model/song.h"
#include "tags/taglibtext.h"

#include <taglib/tag.h>
#include <taglib/tfile.h>

namespace {

TagLib::String tagText(const QString &text)
{
    return text.isEmpty() ? TagLib::String() : TagLibText::toTagLib(text);
}

} // namespace

std::unique_ptr<TagLib::File> Writer::writeFile(const Song &song) const
{
    return writeFile(song, QString());
}

std::unique_ptr<TagLib::File> Writer::writeFile(const Song &, const QString &) const
{
    return nullptr;
}

QByteArray Writer::fileName(const Song &song, const QString &path)
{
    return TagLibText::fileName(path.isEmpty() ? song.filePath() : path);
}

bool Writer::save(TagLib::File &file) const
{
    return file.save();
}

bool Writer::isChanged(const Song &song, int field)
{
    return song.isModified(Song::Field(field)) || song.isImagesModified();
}

void Writer::writeTag(TagLib::Tag &tag, const Song &song) const
{
    if (isChanged(song, Song::Title))
        tag.setTitle(tagText(song.title()));
    if (isChanged(song, Song::Artist))
        tag.setArtist(tagText(song.artist()));
    if (isChanged(song, Song::Album))
        tag.setAlbum(tagText(song.album()));
    if (isChanged(song, Song::Genre))
        tag.setGenre(tagText(song.genre()));
    if (isChanged(song, Song::Year))
        tag.setYear(static_cast<unsigned int>(song.year()));
    if (isChanged(song, Song::Comment))
        tag.setComment(tagText(song.comment()));
}
