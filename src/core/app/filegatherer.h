#pragma once

#include <QSet>
#include <QStringList>

// Finds the music files among paths a user added: a file is kept when its
// extension is "mp3", "mp4" or "m4a" (any letter case); a folder is walked
// depth-first, its entries in file-manager order (numericalCompare of their
// names), hidden ones included. Symbolic links are followed, except a link
// back into a folder that is being walked, so every walk ends. Paths that do
// not exist, folders that cannot be listed and anything that is neither a
// regular file nor a folder (fifos, sockets, devices) are skipped; nothing is
// ever opened for reading.
class FileGatherer
{
public:
    static bool isMusicFileName(const QString &path);

    // Appends the music files under PATH to FILES.
    void traverseFile(const QString &path, QStringList &files);
    // The music files under all of PATHS, in order.
    QStringList musicFiles(const QStringList &paths);

private:
    QSet<QString> m_openFolders;
};
