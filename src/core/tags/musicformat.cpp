#include "musicformat.h"

#include "app/pathnames.h"

MusicFormat musicFormatOf(const QString &path)
{
    const QString extension = PathNames::pathExtension(path).toLower();
    if (extension == QLatin1String("mp3"))
        return MusicFormat::MP3;
    if (extension == QLatin1String("mp4") || extension == QLatin1String("m4a"))
        return MusicFormat::MP4;
    return MusicFormat::None;
}
