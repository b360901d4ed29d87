#include "filegatherer.h"

#include "app/numericalcompare.h"
#include "tags/musicformat.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

bool FileGatherer::isMusicFileName(const QString &path)
{
    return musicFormatOf(path) != MusicFormat::None;
}

QStringList FileGatherer::musicFiles(const QStringList &paths)
{
    QStringList files;
    for (const QString &path : paths)
        traverseFile(path, files);
    return files;
}

void FileGatherer::traverseFile(const QString &path, QStringList &files)
{
    const QFileInfo info(path);
    if (info.isFile()) {
        if (isMusicFileName(path))
            files.append(path);
        return;
    }
    if (!info.isDir())
        return;
    const QString canonical = info.canonicalFilePath();
    if (canonical.isEmpty() || m_openFolders.contains(canonical))
        return;
    QStringList entries = QDir(path).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Unsorted);
    // "a01" and "a1" compare equal; their code units break the tie so the order is fixed.
    std::sort(entries.begin(), entries.end(), [](const QString &a, const QString &b) {
        const int order = numericalCompare(a, b);
        return order != 0 ? order < 0 : a < b;
    });
    m_openFolders.insert(canonical);
    const QString prefix = path.endsWith(u'/') ? path : path + u'/';
    for (const QString &entry : entries)
        traverseFile(prefix + entry, files);
    m_openFolders.remove(canonical);
}
