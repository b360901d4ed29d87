#include "imagetype.h"

ImageType imageTypeOf(const QByteArray &bytes)
{
    if (bytes.startsWith("\xFF\xD8\xFF"))
        return ImageType::Jpeg;
    if (bytes.startsWith("\x89PNG\r\n\x1A\n"))
        return ImageType::Png;
    if (bytes.startsWith("GIF87a") || bytes.startsWith("GIF89a"))
        return ImageType::Gif;
    if (bytes.startsWith("BM") && bytes.size() >= 14)
        return ImageType::Bmp;
    if (bytes.startsWith(QByteArrayView("II*\0", 4)) || bytes.startsWith(QByteArrayView("MM\0*", 4)))
        return ImageType::Tiff;
    return ImageType::Unknown;
}

QString imageTypeName(ImageType type)
{
    switch (type) {
    case ImageType::Jpeg:
        return QStringLiteral("jpeg");
    case ImageType::Png:
        return QStringLiteral("png");
    case ImageType::Gif:
        return QStringLiteral("gif");
    case ImageType::Bmp:
        return QStringLiteral("bmp");
    case ImageType::Tiff:
        return QStringLiteral("tiff");
    case ImageType::Unknown:
        break;
    }
    return QStringLiteral("unknown");
}

QString imageMimeType(ImageType type)
{
    if (type == ImageType::Unknown)
        return QStringLiteral("application/octet-stream");
    return QStringLiteral("image/") + imageTypeName(type);
}
