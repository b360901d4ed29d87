#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>

// One loaded music file: its tag fields, its embedded images, where the file
// lies, and one modification flag per editable field. Every edit goes through
// the setters, and they alone decide whether a field counts as modified: a
// flag is set only by a real change and cleared only by resetModifications().
//
// A null QString stands for "no value": setters ignore it (except
// setFilePath), and fileName() is null until the first setFileName().
class Song : public QObject
{
    Q_OBJECT
public:
    // The modification flags, in their declared order.
    enum Field : quint16 {
        Track = 1 << 0,
        Title = 1 << 1,
        Artist = 1 << 2,
        Album = 1 << 3,
        AlbumArtist = 1 << 4,
        Genre = 1 << 5,
        Year = 1 << 6,
        Comment = 1 << 7,
        Compilation = 1 << 8,
        FileName = 1 << 9,
        Images = 1 << 10,
    };
    Q_ENUM(Field)
    static constexpr quint16 AllFields = (1 << 11) - 1;

    explicit Song(QObject *parent = nullptr);

    const QString &track() const { return m_track; }
    const QString &title() const { return m_title; }
    const QString &artist() const { return m_artist; }
    const QString &albumArtist() const { return m_albumArtist; }
    const QString &album() const { return m_album; }
    const QString &genre() const { return m_genre; }
    int year() const { return m_year; }
    const QString &comment() const { return m_comment; }
    int isCompilation() const { return m_isCompilation; }
    const QString &fileName() const { return m_fileName; }
    const QString &filePath() const { return m_filePath; }

    void setTrack(const QString &track);
    void setTitle(const QString &title);
    // With BIND_ALBUM_ARTIST_TO_ARTIST on, a changed artist also becomes the album artist.
    void setArtist(const QString &artist);
    // With BIND_COMPILATION_FLAG_TO_VARIOUS_ARTISTS on, a changed album artist also
    // sets the compilation flag: 1 for "various artists" or "various" in any case, else 0.
    void setAlbumArtist(const QString &albumArtist);
    void setAlbum(const QString &album);
    void setGenre(const QString &genre);
    void setYear(int year);
    // Takes the integer value of the text ("1999abc" is 1999, "abc" is 0).
    void setYear(const QString &year);
    void setComment(const QString &comment);
    void setIsCompilation(int isCompilation);
    void setIsCompilation(const QString &isCompilation);
    void setFileName(const QString &fileName);
    // Bookkeeping, not an edit: always stores, never flags.
    void setFilePath(const QString &filePath);

    // The embedded images, in tag order; never the same bytes twice.
    const QList<QByteArray> &images() const { return m_images; }
    qsizetype countOfImages() const { return m_images.size(); }
    const QByteArray &objectInImagesAtIndex(qsizetype index) const { return m_images.at(index); }
    // Refused (nothing changes) when an image with the same bytes is held already.
    void insertObject(const QByteArray &image, qsizetype index);
    void removeObjectFromImagesAtIndex(qsizetype index);
    void addImage(const QByteArray &image);
    // Removes every image whose bytes equal IMAGE; flags only when one was removed.
    void removeImage(const QByteArray &image);

    bool isTrackModified() const { return m_mods & Track; }
    bool isTitleModified() const { return m_mods & Title; }
    bool isArtistModified() const { return m_mods & Artist; }
    bool isAlbumModified() const { return m_mods & Album; }
    bool isAlbumArtistModified() const { return m_mods & AlbumArtist; }
    bool isGenreModified() const { return m_mods & Genre; }
    bool isYearModified() const { return m_mods & Year; }
    bool isCommentModified() const { return m_mods & Comment; }
    bool isCompilationModified() const { return m_mods & Compilation; }
    bool isFileNameModified() const { return m_mods & FileName; }
    bool isImagesModified() const { return m_mods & Images; }
    bool isModified(Field field) const { return m_mods & field; }
    bool isModified() const { return m_mods != 0; }
    quint16 modifications() const { return m_mods; }
    void resetModifications();

    // The folder that holds the file.
    QString folder() const;
    // fileName without its last extension; null while fileName is null.
    QString fileNameWithoutExtension() const;
    // The extension of the file as it lies on disk (of filePath), without the dot.
    QString extension() const;
    QUrl previewItemURL() const;
    // "track | title | artist | fileName"
    QString description() const;

Q_SIGNALS:
    // Emitted whenever the modification state was announced: after every real
    // change of a field and after every resetModifications().
    void modifiedChanged();
    // Emitted after a real change of FIELD.
    void fieldChanged(Song::Field field);

private:
    bool changeText(QString &member, const QString &value, Field field);
    bool changeNumber(int &member, int value, Field field);
    void markChanged(Field field);

    QString m_track;
    QString m_title;
    QString m_artist;
    QString m_albumArtist;
    QString m_album;
    QString m_genre;
    QString m_comment;
    QString m_fileName;
    QString m_filePath;
    QList<QByteArray> m_images;
    int m_year = 0;
    int m_isCompilation = 0;
    quint16 m_mods = 0;
};
