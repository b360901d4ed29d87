#pragma once

#include "tags/m4areader.h"
#include "tags/mp3reader.h"

#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class ImagePool;
class Song;

// Turns file paths into songs: picks the reader by the file's extension
// ("mp3"; "mp4" or "m4a"; any letter case), then gives the song its path and
// name and clears its modification flags.
class TagsReader
{
public:
    // Appends one song per path of a known extension, in the order of PATHS.
    // The files are read on a pool of threads, one per core; the songs are
    // appended in path order all the same, ready for the calling thread, with
    // byte-equal pictures sharing one buffer. PROGRESS, when given, is called
    // on the calling thread while files finish (how many of all were read).
    void parseFiles(const QStringList &paths, std::vector<std::unique_ptr<Song>> &songs,
                    const std::function<void(int done, int total)> &progress = {}) const;
    // The finished song for PATH, or null when its extension is not a music file's.
    std::unique_ptr<Song> parseFile(const QString &path, ImagePool *images = nullptr) const;
    // The reader for PATH's extension, or null.
    const Reader *readerFor(const QString &path) const;

private:
    MP3Reader mp3Reader;
    M4AReader m4aReader;
};
