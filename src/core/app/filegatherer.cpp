#include "filegatherer.h"

#include "app/numericalcompare.h"
#include "tags/musicformat.h"

#include <QFile>
#include <QFileInfo>

#include <dirent.h>

#include <algorithm>

bool FileGatherer::isMusicFileName(const QString &path)
{
    return musicFormatOf(path) != MusicFormat::None;
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
    const QStringList names = entries(path);
    m_openFolders.insert(canonical);
    const QString prefix = path.endsWith(u'/') ? path : path + u'/';
    for (const QString &entry : names)
        traverseFile(prefix + entry, files);
    m_openFolders.remove(canonical);
}

QStringList FileGatherer::entries(const QString &folder)
{
    QStringList names;
    DIR *listing = ::opendir(QFile::encodeName(folder).constData());
    if (!listing)
        return names;
    while (const dirent *entry = ::readdir(listing)) {
        const QByteArray bytes(entry->d_name);
        if (bytes == "." || bytes == "..")
            continue;
        const QString name = QFile::decodeName(bytes);
        if (QFile::encodeName(name) == bytes)
            names.append(name);
        else if (isMusicFileName(name))
            m_skipped.append(folder + u'/' + name);
    }
    ::closedir(listing);
    // "a01" and "a1" compare equal; their code units break the tie so the order is fixed.
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int order = numericalCompare(a, b);
        return order != 0 ? order < 0 : a < b;
    });
    return names;
}
