#pragma once

#include <QString>

#include <functional>
#include <memory>

namespace TagLib {
class Tag;
}
class ImagePool;
class Song;

// Base of the format readers: turns one file into a new Song through the Song
// setters. Holds no state, so one instance serves every file.
class Reader
{
public:
    // How readTag treats the values of the tag it reads.
    enum class Values {
        All,      // every field is set, empty values included
        HeldOnly, // empty texts and year 0 leave the field as it is
    };

    virtual ~Reader() = default;

    // A new song for the file at PATH, or null to skip it. The format readers
    // return a song for every path, with empty fields when the file cannot be
    // read. filePath and fileName are left to the caller.
    // IMAGES, when given, shares the buffers of byte-equal pictures between songs.
    virtual std::unique_ptr<Song> parseFile(const QString &path, ImagePool *images = nullptr) const;

    // Sets title, artist, album, genre, year and comment from TAG's generic interface.
    void readTag(const TagLib::Tag &tag, Song &song, Values values = Values::All) const;
    // Adds the picture bytes to SONG, through IMAGES when given.
    static void addPicture(Song &song, const char *data, unsigned int size, ImagePool *images);

protected:
    // A new song filled by READ with the file's name as TagLib opens it; an
    // empty song when PATH is no regular file or when READ fails. Fifos,
    // sockets and devices are never opened: reading one could block for ever.
    static std::unique_ptr<Song> readSong(const QString &path,
                                          const std::function<void(const char *fileName, Song &song)> &read);
};
