#pragma once

#include <QString>

#include <functional>

// Saves a file so that a crash, a kill or a full disk at any moment leaves it
// either as it was or as it is meant to be, never half written:
//  1. the file is copied to a hidden file beside it (".NAME.korvan-tmp"),
//     with its permissions and owner, and room for the growth is reserved;
//  2. the changes are written into that copy and forced to disk;
//  3. the copy replaces the file with one atomic rename.
// A file with several hard links cannot be replaced without breaking them:
// its finished copy is renamed to ".NAME.korvan-new" (the journal), written
// over the file in place, and removed. If that is interrupted, recover()
// finishes it from the journal, and reading or saving the file calls it first.
namespace SafeSave {

// Saves PATH (through a symbolic link, its target) by letting WRITE change the
// copy at the path it is given. RESERVE: how many bytes the file may grow by.
// False, with the file untouched, when anything fails.
bool replace(const QString &path, qint64 reserve, const std::function<bool(const QString &copy)> &write);
// Finishes an interrupted in-place save of PATH, if one is pending.
void recover(const QString &path);

} // namespace SafeSave
