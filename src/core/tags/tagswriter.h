#pragma once

#include "tags/m4awriter.h"
#include "tags/mp3writer.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>

class Alerts;
class SafeSave;
class Song;

// Saves songs: writes each modified song's changed fields into its file
// through the writer for its extension, renames the file when its name was
// edited, clears the flags of the songs saved completely, and reports every
// failure of one save in one alert.
class TagsWriter
{
public:
    // Writes and renames every modified song of SONGS, in order. PROGRESS, when
    // given, learns after each song how many of all were handled. Shows the
    // failure alert through ALERTS (when given) and returns the failure report,
    // "" when everything was saved.
    QString writeFiles(const std::vector<std::unique_ptr<Song>> &songs, Alerts *alerts,
                       const std::function<void(int done, int total)> &progress = {}) const;
    // Writes and renames one modified song, appending its failures to REPORT.
    // True when the song was saved completely (and its flags cleared).
    bool writeFile(Song &song, QString &report) const;
    // The same, saving through SAVER (which one save of many songs shares).
    bool writeFile(Song &song, QString &report, SafeSave &saver) const;

    // A file name as the user typed it, made fit for the disk: ends trimmed,
    // "/" and ":" removed, inner runs of blanks and tabs made one blank.
    static QString sanitizeFileName(const QString &fileName);
    // The writer for PATH's extension, or null.
    const Writer *writerFor(const QString &path) const;

private:
    // Writes the song's changed fields into its file, safely; true when saved.
    bool saveTags(const Song &song, const Writer &writer, SafeSave &saver) const;
    bool rename(Song &song, bool saved, QString &report) const;

    MP3Writer mp3Writer;
    M4AWriter m4aWriter;
};
