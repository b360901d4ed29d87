// The whole pipeline against bare TagLib: generates N MP3 and N M4A files in
// artist/album folders (12 tracks an album, each album with a cover of about
// 50 KB), then measures reading all of them into the song list and saving a
// title change in all of them, each against a loop of the same TagLib calls
// with nothing of Korvan around them, and the memory the song list takes.
//   korvan-bench-pipeline [--files N] [--folder DIR]   (N per format, 5000 by default)
#include "app/editorcontroller.h"
#include "app/settings.h"
#include "model/song.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <taglib/attachedpictureframe.h>
#include <taglib/id3v1tag.h>
#include <taglib/id3v2tag.h>
#include <taglib/mp4file.h>
#include <taglib/mp4tag.h>
#include <taglib/mpegfile.h>
#include <taglib/textidentificationframe.h>

#include <malloc.h>

#include <cstdio>
#include <set>

namespace {

constexpr int TracksPerAlbum = 12;

QByteArray cover(quint32 seed)
{
    // Noise compresses badly: about 50 KB of JPEG, different for every album.
    QImage image(300, 300, QImage::Format_RGB32);
    QRandomGenerator random(seed);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = random.generate();
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 70);
    return bytes;
}

void addText(TagLib::ID3v2::Tag &tag, const char *id, const TagLib::String &text)
{
    auto *frame = new TagLib::ID3v2::TextIdentificationFrame(id, TagLib::String::UTF8);
    frame->setText(text);
    tag.addFrame(frame);
}

// Writes the corpus; returns the number of distinct cover bytes.
qint64 generate(const QString &folder, int perFormat)
{
    auto fixture = [](const char *name) {
        QFile file(QStringLiteral(KORVAN_SOURCE_DIR "/tests/data/") + QLatin1String(name));
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    };
    const QByteArray silentMp3 = fixture("silent.mp3");
    const QByteArray silentM4a = fixture("silent.m4a");
    qint64 coverBytes = 0;
    for (int format = 0; format < 2; ++format) {
        const bool mp3 = format == 0;
        QByteArray albumCover;
        for (int i = 0; i < perFormat; ++i) {
            const int album = i / TracksPerAlbum, track = i % TracksPerAlbum + 1;
            if (track == 1) {
                albumCover = cover(quint32(format * 100000 + album));
                coverBytes += albumCover.size();
            }
            const QString dir = QStringLiteral("%1/%2 Artist %3/Album %4")
                                    .arg(folder, mp3 ? QStringLiteral("MP3") : QStringLiteral("MP4"))
                                    .arg(album / 5)
                                    .arg(album);
            QDir().mkpath(dir);
            const QString path =
                QStringLiteral("%1/%2 Track.%3").arg(dir).arg(track).arg(mp3 ? "mp3" : "m4a");
            QFile out(path);
            out.open(QIODevice::WriteOnly);
            out.write(mp3 ? silentMp3 : silentM4a);
            out.close();
            const QByteArray name = QFile::encodeName(path);
            const TagLib::ByteVector picture(albumCover.constData(), unsigned(albumCover.size()));
            const TagLib::String title(QStringLiteral("Title number %1").arg(i).toStdString(),
                                       TagLib::String::UTF8);
            if (mp3) {
                TagLib::MPEG::File file(name.constData());
                TagLib::ID3v2::Tag *tag = file.ID3v2Tag(true);
                tag->setTitle(title);
                tag->setArtist("Some Artist");
                tag->setAlbum("Some Album");
                tag->setGenre("Rock");
                tag->setYear(1999);
                tag->setComment("A comment");
                addText(*tag, "TRCK", QStringLiteral("%1/%2").arg(track).arg(TracksPerAlbum).toStdString());
                addText(*tag, "TPE2", "Album Artist");
                addText(*tag, "TCMP", "0");
                auto *frame = new TagLib::ID3v2::AttachedPictureFrame;
                frame->setMimeType("image/jpeg");
                frame->setType(TagLib::ID3v2::AttachedPictureFrame::FrontCover);
                frame->setPicture(picture);
                tag->addFrame(frame);
                file.save(TagLib::MPEG::File::ID3v2, TagLib::File::StripOthers);
            } else {
                TagLib::MP4::File file(name.constData());
                TagLib::MP4::Tag *tag = file.tag();
                tag->setTitle(title);
                tag->setArtist("Some Artist");
                tag->setAlbum("Some Album");
                tag->setGenre("Rock");
                tag->setYear(1999);
                tag->setComment("A comment");
                tag->setItem("trkn", TagLib::MP4::Item(track, TracksPerAlbum));
                tag->setItem("aART", TagLib::MP4::Item(TagLib::StringList(TagLib::String("Album Artist"))));
                tag->setItem("cpil", TagLib::MP4::Item(false));
                TagLib::MP4::CoverArtList covers;
                covers.append(TagLib::MP4::CoverArt(TagLib::MP4::CoverArt::JPEG, picture));
                tag->setItem("covr", TagLib::MP4::Item(covers));
                file.save();
            }
        }
    }
    return coverBytes;
}

QStringList musicFiles(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, {QStringLiteral("*.mp3"), QStringLiteral("*.m4a")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(it.next());
    files.sort();
    return files;
}

// The same TagLib calls the readers make, with nothing around them.
qint64 bareRead(const QStringList &files)
{
    qint64 touched = 0;
    for (const QString &path : files) {
        const QByteArray name = QFile::encodeName(path);
        auto touch = [&](const TagLib::Tag &tag) {
            touched += qint64(std::strlen(tag.title().toCString(true))) +
                       std::strlen(tag.artist().toCString(true)) + std::strlen(tag.album().toCString(true)) +
                       std::strlen(tag.genre().toCString(true)) + std::strlen(tag.comment().toCString(true)) +
                       tag.year();
        };
        if (path.endsWith(QLatin1String(".mp3"))) {
            TagLib::MPEG::File file(name.constData(), true, TagLib::AudioProperties::Average);
            if (file.hasID3v1Tag())
                touch(*file.ID3v1Tag());
            if (TagLib::ID3v2::Tag *tag = file.hasID3v2Tag() ? file.ID3v2Tag() : nullptr) {
                touch(*tag);
                for (const char *id : {"TRCK", "TCMP", "TPE2"}) {
                    for (const TagLib::ID3v2::Frame *frame : tag->frameList(id))
                        touched += qint64(std::strlen(frame->toString().toCString(true)));
                }
                for (TagLib::ID3v2::Frame *frame : tag->frameList("APIC")) {
                    const QByteArray copy(
                        static_cast<TagLib::ID3v2::AttachedPictureFrame *>(frame)->picture().data(),
                        static_cast<TagLib::ID3v2::AttachedPictureFrame *>(frame)->picture().size());
                    touched += copy.size();
                }
            }
        } else {
            TagLib::MP4::File file(name.constData(), true, TagLib::AudioProperties::Average);
            if (const TagLib::MP4::Tag *tag = file.tag()) {
                touch(*tag);
                touched += tag->item("trkn").toIntPair().first + tag->item("cpil").toBool();
                touched +=
                    qint64(std::strlen(tag->item("aART").toStringList().toString(" ").toCString(true)));
                for (const TagLib::MP4::CoverArt &art : tag->item("covr").toCoverArtList()) {
                    const QByteArray copy(art.data().data(), int(art.data().size()));
                    touched += copy.size();
                }
            }
        }
    }
    return touched;
}

// The same TagLib calls the writers make for a title change, with nothing around them.
int bareSave(const QStringList &files)
{
    int saved = 0;
    for (const QString &path : files) {
        const QByteArray name = QFile::encodeName(path);
        const TagLib::String title("Changed title", TagLib::String::UTF8);
        if (path.endsWith(QLatin1String(".mp3"))) {
            TagLib::MPEG::File file(name.constData(), true, TagLib::AudioProperties::Average);
            file.ID3v2Tag(true)->setTitle(title);
            saved += file.save(TagLib::MPEG::File::ID3v2, TagLib::File::StripOthers, TagLib::ID3v2::v4,
                               TagLib::File::DoNotDuplicate);
        } else {
            TagLib::MP4::File file(name.constData(), true, TagLib::AudioProperties::Average);
            file.tag()->setTitle(title);
            saved += file.save();
        }
    }
    return saved;
}

qint64 heapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return qint64(info.uordblks + info.hblkhd);
}

qint64 peakResidentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    }
    return 0;
}

bool copyTree(const QString &from, const QString &to)
{
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + source.mid(from.size());
        QDir().mkpath(QFileInfo(target).path());
        if (!QFile::copy(source, target))
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(KORVAN_VERSION));
    QTemporaryDir settings;
    Settings::registerDefaults();
    Settings::setStoreFolder(settings.path());

    int perFormat = 5000;
    QString base;
    const QStringList arguments = QCoreApplication::arguments();
    for (qsizetype i = 1; i + 1 < arguments.size(); i += 2) {
        if (arguments.at(i) == QLatin1String("--files"))
            perFormat = arguments.at(i + 1).toInt();
        else if (arguments.at(i) == QLatin1String("--folder"))
            base = arguments.at(i + 1);
    }
    QTemporaryDir temporary(base.isEmpty() ? QDir::tempPath() + QStringLiteral("/korvan-bench-XXXXXX")
                                           : base + QStringLiteral("/korvan-bench-XXXXXX"));
    const QString korvanCopy = temporary.filePath(QStringLiteral("korvan"));
    const QString bareCopy = temporary.filePath(QStringLiteral("bare"));

    QElapsedTimer timer;
    timer.start();
    const qint64 coverBytes = generate(korvanCopy, perFormat);
    copyTree(korvanCopy, bareCopy);
    const QStringList bareFiles = musicFiles(bareCopy);
    const int total = int(bareFiles.size());
    std::printf("corpus: %d files (%d MP3 + %d M4A), %.1f MB of distinct covers, made in %.1f s\n", total,
                perFormat, perFormat, coverBytes / 1e6, timer.elapsed() / 1000.0);

    // Warm the file cache for both copies alike.
    bareRead(musicFiles(korvanCopy));
    bareRead(bareFiles);

    timer.restart();
    const qint64 touched = bareRead(bareFiles);
    const double bareReadSeconds = timer.nsecsElapsed() / 1e9;

    const qint64 heapBefore = heapInUse();
    EditorController controller;
    timer.restart();
    controller.traverseFiles({korvanCopy});
    const double korvanReadSeconds = timer.nsecsElapsed() / 1e9;
    const qint64 heapAfter = heapInUse();
    const qint64 songBytes = heapAfter - heapBefore;
    const qint64 allowance = coverBytes + 2048 * qint64(controller.count());

    for (const auto &song : controller.songs())
        song->setTitle(QStringLiteral("Changed title"));
    timer.restart();
    const bool savedAll = controller.saveSongs();
    const double korvanSaveSeconds = timer.nsecsElapsed() / 1e9;
    timer.restart();
    const int bareSaved = bareSave(bareFiles);
    const double bareSaveSeconds = timer.nsecsElapsed() / 1e9;

    std::printf(
        "read:   korvan %.3f s for %d songs, bare TagLib loop %.3f s (%lld bytes touched): ratio %.2f\n",
        korvanReadSeconds, controller.count(), bareReadSeconds, static_cast<long long>(touched),
        korvanReadSeconds / bareReadSeconds);
    std::printf("memory: song list %.1f MB on the heap, distinct covers + 2 KB a song %.1f MB: ratio %.2f; "
                "peak resident %.1f MB\n",
                songBytes / 1e6, allowance / 1e6, double(songBytes) / double(allowance),
                peakResidentKiB() / 1024.0);
    std::printf("save:   korvan %.3f s (%s), bare TagLib loop %.3f s (%d saved): ratio %.2f\n",
                korvanSaveSeconds, savedAll ? "all saved" : "FAILURES", bareSaveSeconds, bareSaved,
                korvanSaveSeconds / bareSaveSeconds);
    return savedAll && bareSaved == total ? 0 : 1;
}
