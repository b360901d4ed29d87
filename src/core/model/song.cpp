#include "song.h"

#include "app/pathnames.h"
#include "app/settings.h"
#include "app/textvalue.h"

Song::Song(QObject *parent)
    : QObject(parent)
    , m_track(QStringLiteral(""))
    , m_title(QStringLiteral(""))
    , m_artist(QStringLiteral(""))
    , m_albumArtist(QStringLiteral(""))
    , m_album(QStringLiteral(""))
    , m_genre(QStringLiteral(""))
    , m_comment(QStringLiteral(""))
    , m_filePath(QStringLiteral(""))
{}

void Song::markChanged(Field field)
{
    m_mods |= field;
    Q_EMIT modifiedChanged();
    Q_EMIT fieldChanged(field);
}

bool Song::changeText(QString &member, const QString &value, Field field)
{
    // An absent member (only fileName can be) never equals a value.
    if (value.isNull() || (!member.isNull() && member == value))
        return false;
    member = value;
    markChanged(field);
    return true;
}

bool Song::changeNumber(int &member, int value, Field field)
{
    if (member == value)
        return false;
    member = value;
    markChanged(field);
    return true;
}

void Song::setTrack(const QString &track)
{
    changeText(m_track, track, Track);
}

void Song::setTitle(const QString &title)
{
    changeText(m_title, title, Title);
}

void Song::setArtist(const QString &artist)
{
    if (changeText(m_artist, artist, Artist) &&
        Settings::boolForKey(SettingsKeys::BIND_ALBUM_ARTIST_TO_ARTIST))
        setAlbumArtist(artist);
}

void Song::setAlbumArtist(const QString &albumArtist)
{
    if (!changeText(m_albumArtist, albumArtist, AlbumArtist))
        return;
    if (Settings::boolForKey(SettingsKeys::BIND_COMPILATION_FLAG_TO_VARIOUS_ARTISTS)) {
        const QString lower = albumArtist.toLower();
        const bool various = lower == QLatin1String("various artists") || lower == QLatin1String("various");
        setIsCompilation(various ? 1 : 0);
    }
}

void Song::setAlbum(const QString &album)
{
    changeText(m_album, album, Album);
}

void Song::setGenre(const QString &genre)
{
    changeText(m_genre, genre, Genre);
}

void Song::setYear(int year)
{
    changeNumber(m_year, year, Year);
}

void Song::setYear(const QString &year)
{
    if (!year.isNull())
        setYear(integerValue(year));
}

void Song::setComment(const QString &comment)
{
    changeText(m_comment, comment, Comment);
}

void Song::setIsCompilation(int isCompilation)
{
    changeNumber(m_isCompilation, isCompilation, Compilation);
}

void Song::setIsCompilation(const QString &isCompilation)
{
    if (!isCompilation.isNull())
        setIsCompilation(integerValue(isCompilation));
}

void Song::setFileName(const QString &fileName)
{
    changeText(m_fileName, fileName, FileName);
}

void Song::setFilePath(const QString &filePath)
{
    m_filePath = filePath;
}

void Song::insertObject(const QByteArray &image, qsizetype index)
{
    if (m_images.contains(image))
        return;
    m_images.insert(index, image);
    markChanged(Images);
}

void Song::removeObjectFromImagesAtIndex(qsizetype index)
{
    m_images.removeAt(index);
    markChanged(Images);
}

void Song::addImage(const QByteArray &image)
{
    insertObject(image, m_images.size());
}

void Song::removeImage(const QByteArray &image)
{
    for (qsizetype i = m_images.size() - 1; i >= 0; --i) {
        if (m_images.at(i) == image)
            removeObjectFromImagesAtIndex(i);
    }
}

void Song::resetModifications()
{
    m_mods = 0;
    Q_EMIT modifiedChanged();
}

QString Song::folder() const
{
    return PathNames::deletingLastPathComponent(m_filePath);
}

QString Song::fileNameWithoutExtension() const
{
    if (m_fileName.isNull())
        return QString();
    return PathNames::deletingPathExtension(m_fileName);
}

QString Song::extension() const
{
    return PathNames::pathExtension(m_filePath);
}

QUrl Song::previewItemURL() const
{
    return QUrl::fromLocalFile(m_filePath);
}

QString Song::description() const
{
    return QStringLiteral("%1 | %2 | %3 | %4").arg(m_track, m_title, m_artist, m_fileName);
}
