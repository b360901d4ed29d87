#include "imagecontroller.h"

#include "app/editorcontroller.h"
#include "model/song.h"

#include <QFile>
#include <QHash>

QList<QByteArray>
ImagesOfSongs2ArrayTransformer::transformedValue(const QList<QList<QByteArray>> &imagesOfSongs)
{
    // Covers shared by a whole album repeat thousands of times: hash by size
    // first, compare bytes only within one size.
    QList<QByteArray> merged;
    QMultiHash<qsizetype, qsizetype> bySize;
    for (const QList<QByteArray> &images : imagesOfSongs) {
        for (const QByteArray &image : images) {
            bool held = false;
            for (auto it = bySize.constFind(image.size());
                 it != bySize.constEnd() && it.key() == image.size(); ++it) {
                const QByteArray &other = merged.at(*it);
                if (other.constData() == image.constData() || other == image) {
                    held = true;
                    break;
                }
            }
            if (!held) {
                bySize.insert(image.size(), merged.size());
                merged.append(image);
            }
        }
    }
    return merged;
}

ImageController::ImageController(EditorController &controller, QObject *parent)
    : QObject(parent)
    , m_controller(controller)
{
    connect(&m_controller, &EditorController::selectionChanged, this, &ImageController::watchSelectedSongs);
    connect(&m_controller, &EditorController::songsChanged, this, &ImageController::watchSelectedSongs);
    connect(&m_controller, &EditorController::songsSorted, this, &ImageController::refresh);
    watchSelectedSongs();
}

void ImageController::watchSelectedSongs()
{
    for (const QMetaObject::Connection &connection : std::as_const(m_songConnections))
        disconnect(connection);
    m_songConnections.clear();
    for (Song *song : m_controller.selectedSongs()) {
        m_songConnections.append(connect(song, &Song::fieldChanged, this, [this](Song::Field field) {
            if (field == Song::Images && !m_changingSongs)
                refresh();
        }));
    }
    refresh();
}

void ImageController::rebuildList()
{
    QList<QList<QByteArray>> imagesOfSongs;
    for (const Song *song : m_controller.selectedSongs())
        imagesOfSongs.append(song->images());
    m_images = ImagesOfSongs2ArrayTransformer::transformedValue(imagesOfSongs);
    Q_EMIT arrangedObjectsChanged();
    Q_EMIT statusMessageChanged();
}

void ImageController::refresh()
{
    rebuildList();
    validateLeadImageCursor(true);
    updateLeadImageWithCursor();
}

void ImageController::changeSelectedSongs(const std::function<void(Song &)> &change)
{
    m_changingSongs = true;
    for (Song *song : m_controller.selectedSongs())
        change(*song);
    m_changingSongs = false;
    rebuildList();
}

void ImageController::validateLeadImageCursor(bool reset)
{
    if (m_images.isEmpty())
        m_cursor = NotFound;
    else if (reset || m_cursor >= m_images.size())
        m_cursor = 0;
}

void ImageController::updateLeadImageWithCursor()
{
    if (m_cursor != NotFound && m_cursor < m_images.size()) {
        m_leadImage = QImage::fromData(m_images.at(m_cursor));
        m_placeholder = false;
    } else {
        m_leadImage = QImage();
        m_placeholder = m_controller.selectionIndex() != EditorController::NotFound;
    }
    Q_EMIT leadImageChanged();
}

void ImageController::moveLeadImageForward()
{
    if (m_cursor == NotFound)
        return;
    m_cursor = m_cursor + 1 >= m_images.size() ? 0 : m_cursor + 1;
    updateLeadImageWithCursor();
}

void ImageController::moveLeadImageBackward()
{
    if (m_cursor == NotFound)
        return;
    m_cursor = m_cursor == 0 ? int(m_images.size()) - 1 : m_cursor - 1;
    updateLeadImageWithCursor();
}

void ImageController::addImageWithData(const QByteArray &bytes)
{
    if (!bytes.isEmpty())
        changeSelectedSongs([&](Song &song) { song.addImage(bytes); });
    m_cursor = m_images.isEmpty() ? NotFound : int(m_images.size()) - 1;
    updateLeadImageWithCursor();
}

void ImageController::addImageFiles(const QStringList &paths)
{
    for (const QString &path : paths) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            addImageWithData(file.readAll());
    }
}

void ImageController::removeLeadImage()
{
    if (m_cursor == NotFound || m_cursor >= m_images.size())
        return;
    const QByteArray lead = m_images.at(m_cursor);
    changeSelectedSongs([&](Song &song) { song.removeImage(lead); });
    // The list changed: the first remaining image leads, or none.
    validateLeadImageCursor(true);
    updateLeadImageWithCursor();
}

void ImageController::applyLeadImageToSelection()
{
    if (m_cursor == NotFound || m_cursor >= m_images.size())
        return;
    const QByteArray lead = m_images.at(m_cursor);
    changeSelectedSongs([&](Song &song) { song.addImage(lead); });
    // The lead image stays the lead image, wherever the merged list now holds it.
    m_cursor = int(m_images.indexOf(lead));
    updateLeadImageWithCursor();
}

QString ImageController::statusMessage() const
{
    if (m_images.isEmpty())
        return tr("No images");
    if (m_images.size() == 1)
        return tr("1 image");
    return tr("%1 images").arg(m_images.size());
}
