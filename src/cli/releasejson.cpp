#include "releasejson.h"

#include "jsonline.h"
#include "model/cover.h"
#include "model/release.h"

#include <QCryptographicHash>

QByteArray releaseJson(const Release &release)
{
    QByteArray titles = "[", flags = "[", covers = "[";
    for (qsizetype i = 0; i < release.countOfTitles(); ++i) {
        titles += (i ? "," : "") + JsonLine::quoted(release.objectInTitlesAtIndex(i));
        flags += (i ? "," : "") + QByteArray::number(release.objectInFlagsAtIndex(i));
    }
    for (qsizetype i = 0; i < release.countOfCovers(); ++i) {
        const Cover &cover = *release.objectInCoversAtIndex(i);
        const QByteArray &bytes = cover.imageData();
        const QString sha256 =
            bytes.isEmpty()
                ? QStringLiteral("")
                : QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
        covers += (i ? "," : "") + JsonLine()
                                       .add("imageUID", cover.imageUID())
                                       .add("fullImagePath", cover.fullImagePath())
                                       .add("hasImage", cover.hasImage())
                                       .add("bytes", qint64(bytes.size()))
                                       .add("sha256", sha256)
                                       .toJson();
    }
    return JsonLine()
        .add("artist", release.artist())
        .add("album", release.album())
        .add("genre", release.genre())
        .add("year", qint64(release.year()))
        .addRaw("titles", titles + ']')
        .addRaw("flags", flags + ']')
        .addRaw("covers", covers + ']')
        .toJson();
}
