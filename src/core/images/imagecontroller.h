#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QMetaObject>
#include <QObject>
#include <QStringList>

#include <functional>

class EditorController;
class Song;

// The merged list of the selected songs' images: every distinct image once,
// in order of first appearance. The first song's images in their order, then
// each image of the next songs that is not byte-equal to one already taken.
// An empty input gives an empty list.
struct ImagesOfSongs2ArrayTransformer
{
    static QList<QByteArray> transformedValue(const QList<QList<QByteArray>> &imagesOfSongs);
};

// The images of the selected songs as one merged list, with a cursor on the
// lead image the image well shows. Images are added to and removed from the
// selected songs themselves; the controller keeps no image of its own apart
// from the decoded lead image.
class ImageController : public QObject
{
    Q_OBJECT
public:
    static constexpr int NotFound = 2147483647;

    explicit ImageController(EditorController &controller, QObject *parent = nullptr);

    // The merged image list of the current selection.
    const QList<QByteArray> &arrangedObjects() const { return m_images; }
    int leadImageCursor() const { return m_cursor; }
    // Stores the cursor as given; the lead image is not updated.
    void setLeadImageCursor(int cursor) { m_cursor = cursor; }
    // The decoded image at the cursor; null when there is none or it does not decode.
    const QImage &leadImage() const { return m_leadImage; }
    // True when the well shows the "drop" placeholder: songs are selected
    // but there is no image at the cursor.
    bool showsPlaceholder() const { return m_placeholder; }

    void moveLeadImageForward();
    void moveLeadImageBackward();
    // Adds BYTES to every selected song that lacks them and makes the last
    // image of the merged list the lead image. Empty bytes add nothing.
    void addImageWithData(const QByteArray &bytes);
    // Reads each file whole and adds it, in order (what the add panel does).
    void addImageFiles(const QStringList &paths);
    // Removes the lead image from every selected song.
    void removeLeadImage();
    // Gives the lead image to every selected song that lacks it.
    void applyLeadImageToSelection();

    // Empty list: cursor none. Otherwise RESET puts it on the first image, and
    // without RESET a cursor beyond the list (or none) goes to the first image.
    void validateLeadImageCursor(bool reset);
    void updateLeadImageWithCursor();

    // "No images", "1 image" or "N images".
    QString statusMessage() const;

Q_SIGNALS:
    void arrangedObjectsChanged();
    void leadImageChanged();
    void statusMessageChanged();

private:
    // Rebuilds the merged list; when it changed, the cursor goes back to the
    // first image, the lead image is refreshed and the status announced.
    void refresh();
    // Recomputes the merged list and announces it; the cursor is left alone.
    void rebuildList();
    // Runs CHANGE on every selected song, then rebuilds the list once.
    void changeSelectedSongs(const std::function<void(Song &)> &change);
    void watchSelectedSongs();

    EditorController &m_controller;
    QList<QByteArray> m_images;
    int m_cursor = NotFound;
    QImage m_leadImage;
    bool m_placeholder = false;
    // While the controller itself changes many songs, one refresh follows at the end.
    bool m_changingSongs = false;
    QList<QMetaObject::Connection> m_songConnections;
};
