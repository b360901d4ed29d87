#include "audiocheck.h"

#include "tags/taglibtext.h"

#include <QFile>

#include <taglib/mpegfile.h>
#include <taglib/mpegheader.h>

#include <cstring>

namespace AudioCheck {

namespace {

// Where the MPEG frames of the file at PATH lie, as [start, end); empty when there are none.
std::pair<qint64, qint64> mpegAudio(const QString &path)
{
    const QByteArray name = TagLibText::fileName(path);
    TagLib::MPEG::File file(name.constData(), false);
    if (!file.isValid())
        return {0, 0};
    const long first = file.firstFrameOffset();
    const long last = file.lastFrameOffset();
    if (first < 0 || last < first)
        return {0, 0};
    const TagLib::MPEG::Header header(&file, last, false);
    return {first, last + (header.isValid() ? header.frameLength() : 0)};
}

// The contents of every top-level "mdat" atom of BYTES, one after the other.
QByteArray mp4Audio(const QByteArray &bytes)
{
    QByteArray audio;
    qint64 position = 0;
    const qint64 size = bytes.size();
    while (position + 8 <= size) {
        const auto *at = reinterpret_cast<const uchar *>(bytes.constData() + position);
        quint64 length = (quint64(at[0]) << 24) | (quint64(at[1]) << 16) | (quint64(at[2]) << 8) | at[3];
        qint64 header = 8;
        if (length == 1 && position + 16 <= size) {
            length = 0;
            for (int i = 8; i < 16; ++i)
                length = (length << 8) | at[i];
            header = 16;
        } else if (length == 0) {
            length = quint64(size - position); // to the end of the file
        }
        if (length < quint64(header) || length > quint64(size - position))
            return audio + "broken"; // compared as it is: damage on either side shows
        if (std::memcmp(at + 4, "mdat", 4) == 0)
            audio += bytes.mid(position + header, qint64(length) - header);
        position += qint64(length);
    }
    return audio;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

bool sameAudio(const QString &before, const QString &after, MusicFormat format)
{
    const QByteArray old = contents(before);
    const QByteArray now = contents(after);
    if (now.isEmpty())
        return false;
    if (format == MusicFormat::MP4)
        return mp4Audio(old) == mp4Audio(now);
    const auto [oldStart, oldEnd] = mpegAudio(before);
    const auto [newStart, newEnd] = mpegAudio(after);
    return oldEnd - oldStart == newEnd - newStart && oldEnd <= old.size() && newEnd <= now.size() &&
           std::memcmp(old.constData() + oldStart, now.constData() + newStart, size_t(oldEnd - oldStart)) ==
               0;
}

} // namespace AudioCheck
