#pragma once

#include <QByteArray>
#include <QImage>
#include <QObject>
#include <QString>

class Release;

// One cover candidate of a release found online: the picture as downloaded
// (its bytes and the decoded image), its identifiers, and the release it
// belongs to. The release reference does not own; the release clears it when
// it goes away.
class Cover : public QObject
{
    Q_OBJECT
public:
    // The identifier of the cover a release without images gets.
    static const QString NoImageAvailable;

    // IMAGE_DATA as downloaded (may be empty); IDENTIFIER the image's address.
    Cover(const QByteArray &imageData, const QString &identifier);

    // The picture's bytes exactly as they were downloaded; empty without a picture.
    const QByteArray &imageData() const { return m_imageData; }
    // The decoded picture; null without one (or when the bytes do not decode).
    const QImage &image() const { return m_image; }
    bool hasImage() const { return !m_image.isNull(); }
    void setImage(const QByteArray &imageData);

    // The last path component of the identifier ("R-1-2.jpeg"), or "NO_IMAGE_AVAILABLE".
    const QString &imageUID() const { return m_imageUID; }
    void setImageUID(const QString &imageUID) { m_imageUID = imageUID; }
    // The whole identifier: the image's address.
    const QString &fullImagePath() const { return m_fullImagePath; }
    void setFullImagePath(const QString &path) { m_fullImagePath = path; }
    bool isPlaceholder() const { return m_imageUID == NoImageAvailable; }

    Release *rel() const { return m_rel; }
    // Announces relChanged only when the release really changes.
    void setRel(Release *release);

    // "Album - Artist (Year)", parts left out where the release has none; "" without a release.
    QString imageTitle() const;

Q_SIGNALS:
    void relChanged();

private:
    QByteArray m_imageData;
    QImage m_image;
    QString m_imageUID;
    QString m_fullImagePath;
    Release *m_rel = nullptr;
};
