#pragma once

#include <QString>

// The kinds of music file the editor handles, told by the file's extension in
// any letter case: "mp3" is MP3, "mp4" and "m4a" are MP4.
enum class MusicFormat { None, MP3, MP4 };

MusicFormat musicFormatOf(const QString &path);
