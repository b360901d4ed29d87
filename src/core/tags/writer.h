#pragma once

#include <QString>

#include <memory>

namespace TagLib {
class File;
class Tag;
} // namespace TagLib
class Song;

// Base of the format writers. A writer opens a song's file, puts the song's
// changed fields into its tags in memory and hands the opened file back
// unsaved; the caller saves it once with save() and destroys it. Nothing is
// changed on disk before save(). Holds no state.
class Writer
{
public:
    virtual ~Writer() = default;

    // The file at the song's filePath with the changes applied, or null when
    // nothing can be written. The base class writes nothing.
    std::unique_ptr<TagLib::File> writeFile(const Song &song) const;
    // The same for the file at PATH (a copy of the song's file); an empty
    // PATH stands for the song's filePath.
    virtual std::unique_ptr<TagLib::File> writeFile(const Song &song, const QString &path) const;
    // Writes FILE to disk the way this format wants it; true on success.
    virtual bool save(TagLib::File &file) const;

    // Sets title, artist, album, genre, year and comment on TAG, each only
    // when its flag (or the images flag) is set. An empty text removes the field.
    void writeTag(TagLib::Tag &tag, const Song &song) const;

protected:
    // Whether FIELD counts as changed: its own flag, or any change of the images.
    static bool isChanged(const Song &song, int field);
    // PATH, or the song's filePath when PATH is empty, as TagLib opens it.
    static QByteArray fileName(const Song &song, const QString &path);
};
