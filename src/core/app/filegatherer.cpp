#include "filegatherer.h"

#include "app/pathnames.h"

#include <QDir>
#include <QFileInfo>

bool FileGatherer::isMusicFileName(const QString &path)
{
    const QString extension = PathNames::pathExtension(path).toLower();
    return extension == QLatin1String("mp3") || extension == QLatin1String("mp4") ||
           extension == QLatin1String("m4a");
}

QStringList FileGatherer::musicFiles(const QStringList &paths) const
{
    QStringList found;
    for (const QString &path : paths) {
        QStringList openFolders;
        walk(path, found, openFolders);
    }
    return found;
}

void FileGatherer::walk(const QString &path, QStringList &found, QStringList &openFolders) const
{
    const QFileInfo info(path);
    if (info.isFile()) {
        if (isMusicFileName(path))
            found.append(path);
        return;
    }
    if (!info.isDir())
        return;
    // A link back into a folder on the current walk would never end.
    const QString canonical = info.canonicalFilePath();
    if (canonical.isEmpty() || openFolders.contains(canonical))
        return;
    openFolders.append(canonical);
    const QStringList entries = QDir(path).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    const QString prefix = path.endsWith(u'/') ? path : path + u'/';
    for (const QString &entry : entries)
        walk(prefix + entry, found, openFolders);
    openFolders.removeLast();
}
