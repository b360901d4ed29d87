#include "imagedrop.h"

#include "app/editorcontroller.h"
#include "app/pathnames.h"
#include "images/imagecontroller.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QMimeData>
#include <QUrl>

ImageDrop::ImageDrop(ImageController &images, const EditorController &controller)
    : m_images(images)
    , m_controller(controller)
{}

bool ImageDrop::handleDragging(const QMimeData &data, bool sourceAllowsCopy) const
{
    if (m_controller.selectionIndex() == EditorController::NotFound || !sourceAllowsCopy)
        return false;
    return processPasteboard(data, false);
}

QByteArray ImageDrop::imageBytes(const QMimeData &data)
{
    for (const char *format : {"image/png", "image/jpeg"}) {
        const QString type = QString::fromLatin1(format);
        if (data.hasFormat(type) && !data.data(type).isEmpty())
            return data.data(type);
    }
    QImage image;
    if (data.hasFormat(QStringLiteral("image/tiff")))
        image = QImage::fromData(data.data(QStringLiteral("image/tiff")));
    if (image.isNull() && data.hasImage())
        image = qvariant_cast<QImage>(data.imageData());
    if (image.isNull()) {
        // Undecodable TIFF is kept as it came rather than lost.
        return data.data(QStringLiteral("image/tiff"));
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

bool ImageDrop::processPasteboard(const QMimeData &data, bool addIfValid) const
{
    const bool hasImageData = data.hasImage() || data.hasFormat(QStringLiteral("image/tiff")) ||
                              data.hasFormat(QStringLiteral("image/png")) ||
                              data.hasFormat(QStringLiteral("image/jpeg"));
    if (hasImageData) {
        const QByteArray bytes = imageBytes(data);
        if (bytes.isEmpty())
            return false;
        if (addIfValid)
            m_images.addImageWithData(bytes);
        return true;
    }
    if (!data.hasUrls())
        return false;
    QStringList paths;
    for (const QUrl &url : data.urls()) {
        if (!url.isLocalFile())
            return false;
        const QString path = url.toLocalFile();
        const QFileInfo info(path);
        if (info.exists()) {
            const QString extension = PathNames::pathExtension(path);
            const bool image = extension == QLatin1String("jpg") || extension == QLatin1String("jpeg") ||
                               extension == QLatin1String("png");
            if (info.isDir() || !image)
                return false;
        }
        paths.append(path);
    }
    if (paths.isEmpty())
        return false;
    if (addIfValid)
        m_images.addImageFiles(paths);
    return true;
}
