#include "tagsreader.h"

#include "app/pathnames.h"
#include "model/song.h"
#include "tags/musicformat.h"

const Reader *TagsReader::readerFor(const QString &path) const
{
    switch (musicFormatOf(path)) {
    case MusicFormat::MP3:
        return &mp3Reader;
    case MusicFormat::MP4:
        return &m4aReader;
    case MusicFormat::None:
        break;
    }
    return nullptr;
}

std::unique_ptr<Song> TagsReader::parseFile(const QString &path) const
{
    const Reader *reader = readerFor(path);
    if (!reader)
        return nullptr;
    std::unique_ptr<Song> song = reader->parseFile(path);
    if (!song)
        return nullptr;
    song->setFilePath(path);
    song->setFileName(PathNames::lastPathComponent(path));
    song->resetModifications();
    return song;
}

void TagsReader::parseFiles(const QStringList &paths, std::vector<std::unique_ptr<Song>> &songs,
                            const std::function<void(int done, int total)> &progress) const
{
    const int total = int(paths.size());
    for (int done = 0; done < total; ++done) {
        if (std::unique_ptr<Song> song = parseFile(paths.at(done)))
            songs.push_back(std::move(song));
        if (progress)
            progress(done + 1, total);
    }
}
