#include "songjson.h"

#include "images/imagetype.h"
#include "jsonline.h"
#include "model/song.h"

#include <QCryptographicHash>

QByteArray imagesJson(const QList<QByteArray> &images)
{
    QByteArray array = "[";
    for (const QByteArray &image : images) {
        if (array.size() > 1)
            array += ',';
        const QByteArray sha256 = QCryptographicHash::hash(image, QCryptographicHash::Sha256).toHex();
        array += JsonLine()
                     .add("bytes", qint64(image.size()))
                     .add("sha256", QString::fromLatin1(sha256))
                     .add("type", imageTypeName(imageTypeOf(image)))
                     .toJson();
    }
    return array + ']';
}

QByteArray songJson(const Song &song)
{
    return JsonLine()
        .add("filePath", song.filePath())
        .add("fileName", song.fileName())
        .add("track", song.track())
        .add("title", song.title())
        .add("artist", song.artist())
        .add("albumArtist", song.albumArtist())
        .add("album", song.album())
        .add("genre", song.genre())
        .add("year", qint64(song.year()))
        .add("comment", song.comment())
        .add("isCompilation", qint64(song.isCompilation()))
        .addRaw("images", imagesJson(song.images()))
        .toJson();
}
