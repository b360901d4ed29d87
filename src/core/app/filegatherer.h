#pragma once

#include <QStringList>

// Finds the music files among paths a user added: files are kept when their
// extension is "mp3", "mp4" or "m4a" (any letter case); folders are walked
// depth-first. Paths that do not exist and anything that is not a regular
// file or a folder are skipped.
class FileGatherer
{
public:
    static bool isMusicFileName(const QString &path);
    QStringList musicFiles(const QStringList &paths) const;

private:
    void walk(const QString &path, QStringList &found, QStringList &openFolders) const;
};
