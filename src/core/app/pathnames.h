#pragma once

#include <QString>

// Path texts taken apart the way the editor shows them. Paths use "/" only.
namespace PathNames {

// The part after the last "/", trailing slashes ignored: "/a/b.mp3" gives "b.mp3".
QString lastPathComponent(const QString &path);
// The path without its last component: "/a/b.mp3" gives "/a", "/b.mp3" gives "/".
QString deletingLastPathComponent(const QString &path);
// The characters after the last "." of the last component, "" when it has none.
QString pathExtension(const QString &path);
// The path without its last extension (the final "." of the last component and what follows).
QString deletingPathExtension(const QString &path);

} // namespace PathNames
