#include "tagsreader.h"

#include "app/pathnames.h"
#include "images/imagepool.h"
#include "model/song.h"
#include "tags/musicformat.h"
#include "tags/safesave.h"

#include <QThread>
#include <QThreadPool>

#include <atomic>

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

std::unique_ptr<Song> TagsReader::parseFile(const QString &path, ImagePool *images) const
{
    const Reader *reader = readerFor(path);
    if (!reader)
        return nullptr;
    SafeSave::recover(path);
    std::unique_ptr<Song> song = reader->parseFile(path, images);
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
    std::vector<std::unique_ptr<Song>> read(static_cast<size_t>(total));
    ImagePool images;
    std::atomic<int> next{0};
    std::atomic<int> done{0};
    QThread *home = QThread::currentThread();
    auto work = [&] {
        for (int i = next++; i < total; i = next++) {
            std::unique_ptr<Song> song = parseFile(paths.at(i), &images);
            // Songs are used on the calling thread only.
            if (song && song->thread() != home)
                song->moveToThread(home);
            read[size_t(i)] = std::move(song);
            ++done;
        }
    };
    const int workers = std::min(QThread::idealThreadCount(), total);
    if (workers <= 1) {
        for (int i = 0; i < total; ++i) {
            read[size_t(i)] = parseFile(paths.at(i), &images);
            if (progress)
                progress(i + 1, total);
        }
    } else {
        QThreadPool pool;
        pool.setMaxThreadCount(workers);
        for (int w = 0; w < workers; ++w)
            pool.start(work);
        while (!pool.waitForDone(50)) {
            if (progress)
                progress(done.load(), total);
        }
        if (progress)
            progress(total, total);
    }
    songs.reserve(songs.size() + size_t(total));
    for (std::unique_ptr<Song> &song : read) {
        if (song)
            songs.push_back(std::move(song));
    }
}
