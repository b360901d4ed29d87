#pragma once

#include <QByteArray>
#include <QString>

// What some encoded image bytes are, told by their signature alone (labels
// stored beside them in a tag are not trusted).
enum class ImageType { Jpeg, Png, Gif, Bmp, Tiff, Unknown };

ImageType imageTypeOf(const QByteArray &bytes);
// "jpeg", "png", "gif", "bmp", "tiff" or "unknown".
QString imageTypeName(ImageType type);
// "image/jpeg" and so on; "application/octet-stream" for Unknown.
QString imageMimeType(ImageType type);
