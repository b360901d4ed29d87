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
// ever opened for reading. Entries whose names are not valid UTF-8 are
// skipped too, and remembered so the user can be told.
class FileGatherer
{
public:
    static bool isMusicFileName(const QString &path);

    // Appends the music files under PATH to FILES.
    void traverseFile(const QString &path, QStringList &files);
    // Music files passed over because their names are not valid UTF-8 (Qt
    // could not name them again to open or rename them), as far as they can
    // be shown.
    const QStringList &skippedNames() const { return m_skipped; }

private:
    // The entry names of FOLDER as text, in file-manager order; names that do
    // not survive the way to text and back are left out and remembered.
    QStringList entries(const QString &folder);

    QSet<QString> m_openFolders;
    QStringList m_skipped;
};
