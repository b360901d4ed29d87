#include "filemanager.h"

#include <QFile>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace FileManager {

bool moveItem(const QString &from, const QString &to)
{
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    if (renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // The file system cannot rename without replacing: a hard link fails
    // when the target exists, and then the old name goes.
    if (link(source.constData(), target.constData()) == 0)
        return unlink(source.constData()) == 0 || (unlink(target.constData()), false);
    if (errno == EEXIST)
        return false;
    // No hard links either (FAT, say): check, then rename. Not atomic, but
    // nothing that was there when we looked is replaced.
    struct stat status;
    if (lstat(target.constData(), &status) == 0 || errno != ENOENT)
        return false;
    return std::rename(source.constData(), target.constData()) == 0;
}

} // namespace FileManager
