#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

#include <sys/types.h>

// Saves files so that a crash, a kill or a full disk at any moment leaves
// each either as it was or as it is meant to be, never half written:
//  1. the file is copied to a hidden file beside it (".NAME.korvan-tmp"),
//     with its permissions and owner, when the disk has room for it and its growth;
//  2. the changes are written into that copy, which the caller then checks;
//  3. the copy and the file are exchanged with one atomic rename.
// The old contents then serve as the copy of the next file saved through the
// same object, and go when it goes. flush() puts a whole save on the disk.
// A file with several hard links cannot be replaced without breaking them:
// its finished copy is renamed to ".NAME.korvan-new" (the journal), written
// over the file in place, and removed. If that is interrupted, recover()
// finishes it from the journal, and reading or saving the file calls it first.
class SafeSave
{
public:
    SafeSave();
    ~SafeSave();
    SafeSave(const SafeSave &) = delete;
    SafeSave &operator=(const SafeSave &) = delete;

    // Saves PATH (through a symbolic link, its target) by letting WRITE change
    // the copy at the path it is given. RESERVE: how many bytes the file may
    // grow by. False, with the file untouched, when anything fails or PATH is
    // no regular file (a fifo or a device is never opened).
    bool replace(const QString &path, qint64 reserve, const std::function<bool(const QString &copy)> &write);

    // Finishes an interrupted in-place save of PATH, if one is pending.
    static void recover(const QString &path);
    // Puts everything written to the file systems that hold PATHS on the disk,
    // one sync for each file system; false when the disk reported an error.
    static bool flush(const QStringList &paths);

private:
    // An empty file at COPY_PATH to copy into (the spare, when it can be moved there).
    QByteArray takeCopyFile(const QByteArray &copyPath, dev_t device);

    QByteArray m_spare;
    dev_t m_spareDevice = 0;
};
