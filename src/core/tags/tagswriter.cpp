#include "tagswriter.h"

#include "app/alerts.h"
#include "app/filemanager.h"
#include "app/pathnames.h"
#include "model/song.h"
#include "tags/audiocheck.h"
#include "tags/musicformat.h"
#include "tags/safesave.h"

#include <QLoggingCategory>

#include <taglib/tfile.h>

Q_LOGGING_CATEGORY(lcSaving, "korvan.saving", QtWarningMsg)

namespace {

QString notSaved(const QString &name)
{
    return QStringLiteral("\u2022 %1 was not saved\n").arg(name);
}

QString notRenamed(const QString &name, const QString &newName, bool saved)
{
    if (saved)
        return QStringLiteral("\u2022 %1 was not renamed to %2\n").arg(name, newName);
    return QStringLiteral("and not renamed to %1").arg(newName);
}

} // namespace

const Writer *TagsWriter::writerFor(const QString &path) const
{
    switch (musicFormatOf(path)) {
    case MusicFormat::MP3:
        return &mp3Writer;
    case MusicFormat::MP4:
        return &m4aWriter;
    case MusicFormat::None:
        break;
    }
    return nullptr;
}

QString TagsWriter::sanitizeFileName(const QString &fileName)
{
    qCDebug(lcSaving) << "File Name:" << fileName;
    QString text = fileName.trimmed();
    text.remove(u'/');
    text.remove(u':');
    // Only horizontal white space separates; line breaks inside stay.
    QStringList pieces;
    QString piece;
    for (const QChar c : std::as_const(text)) {
        if (c == u'\t' || c.category() == QChar::Separator_Space) {
            if (!piece.isEmpty())
                pieces.append(piece);
            piece.clear();
        } else {
            piece += c;
        }
    }
    if (!piece.isEmpty())
        pieces.append(piece);
    const QString result = pieces.join(u' ');
    qCDebug(lcSaving) << "Result:" << result;
    return result;
}

bool TagsWriter::rename(Song &song, bool saved, QString &report) const
{
    const QString oldPath = song.filePath();
    const QString name = PathNames::lastPathComponent(oldPath);
    const QString cleaned = sanitizeFileName(song.fileNameWithoutExtension());
    if (cleaned.isEmpty()) {
        // Nothing would be left of the name but the extension: a hidden file.
        report += notRenamed(name, song.fileName(), saved);
        return false;
    }
    const QString newPath = QStringLiteral("%1/%2.%3").arg(song.folder(), cleaned, song.extension());
    if (newPath == oldPath)
        return true;
    const QString temporaryPath = oldPath + u'~';
    if (!FileManager::moveItem(oldPath, temporaryPath))
        return false;
    if (FileManager::moveItem(temporaryPath, newPath)) {
        song.setFilePath(newPath);
        return true;
    }
    FileManager::moveItem(temporaryPath, oldPath);
    report += notRenamed(name, song.fileName(), saved);
    return false;
}

bool TagsWriter::saveTags(const Song &song, const Writer &writer, SafeSave &saver) const
{
    // How much the tags may grow: the texts (4 bytes a character at the
    // most), and the pictures when they are written again.
    qint64 growth = 4096;
    for (const QString *text : {&song.track(), &song.title(), &song.artist(), &song.albumArtist(),
                                &song.album(), &song.genre(), &song.comment()})
        growth += 4 * text->size();
    if (song.isImagesModified()) {
        for (const QByteArray &image : song.images())
            growth += image.size();
    }
    return saver.replace(song.filePath(), growth, [&](const QString &copy) {
        try {
            std::unique_ptr<TagLib::File> file = writer.writeFile(song, copy);
            if (!file || !writer.save(*file))
                return false;
            file.reset(); // closed, so everything is written
            return AudioCheck::sameAudio(song.filePath(), copy, musicFormatOf(song.filePath()));
        } catch (const std::exception &) {
            return false;
        }
    });
}

bool TagsWriter::writeFile(Song &song, QString &report) const
{
    SafeSave saver;
    return writeFile(song, report, saver);
}

bool TagsWriter::writeFile(Song &song, QString &report, SafeSave &saver) const
{
    if (!song.isModified())
        return true;
    const Writer *writer = writerFor(song.filePath());
    if (!writer)
        return false;
    const bool saved = saveTags(song, *writer, saver);
    if (!saved)
        report += notSaved(PathNames::lastPathComponent(song.filePath()));
    const bool renamed = !song.isFileNameModified() || rename(song, saved, report);
    if (saved && renamed)
        song.resetModifications();
    return saved && renamed;
}

QString TagsWriter::writeFiles(const std::vector<std::unique_ptr<Song>> &songs, Alerts *alerts,
                               const std::function<void(int done, int total)> &progress) const
{
    QString report = QStringLiteral("");
    const int total = int(songs.size());
    QStringList written;
    SafeSave saver;
    for (int done = 0; done < total; ++done) {
        Song &song = *songs[size_t(done)];
        if (song.isModified()) {
            writeFile(song, report, saver);
            written.append(song.filePath());
        }
        if (progress)
            progress(done + 1, total);
    }
    SafeSave::flush(written);
    if (!report.isEmpty() && alerts) {
        alerts->runFailureAlert(QObject::tr("Korvan could not save one or more files."),
                                QObject::tr("Make sure file permissions are correctly set."), report);
    }
    return report;
}
