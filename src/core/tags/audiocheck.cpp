#include "audiocheck.h"

#include <QByteArrayView>
#include <QFile>

#include <cstring>

namespace AudioCheck {

namespace {

quint32 bigEndian(const uchar *at)
{
    return (quint32(at[0]) << 24) | (quint32(at[1]) << 16) | (quint32(at[2]) << 8) | at[3];
}

quint32 littleEndian(const uchar *at)
{
    return (quint32(at[3]) << 24) | (quint32(at[2]) << 16) | (quint32(at[1]) << 8) | at[0];
}

// The bytes of an MPEG file between its tags: after every ID3v2 tag at the
// start, before an APE tag and an ID3v1 tag at the end. Read from the bytes
// alone, the same way for both files, so TagLib's own view cannot hide damage.
QByteArrayView mpegAudio(const QByteArray &bytes)
{
    const auto *data = reinterpret_cast<const uchar *>(bytes.constData());
    qint64 start = 0, end = bytes.size();
    while (end - start >= 10 && std::memcmp(data + start, "ID3", 3) == 0) {
        const uchar *size = data + start + 6;
        if ((size[0] | size[1] | size[2] | size[3]) & 0x80)
            break; // not a synchsafe size: no tag after all
        const qint64 length =
            10 + ((qint64(size[0]) << 21) | (qint64(size[1]) << 14) | (qint64(size[2]) << 7) | size[3]) +
            ((data[start + 5] & 0x10) ? 10 : 0);
        if (length > end - start)
            break;
        start += length;
    }
    if (end - start >= 128 && std::memcmp(data + end - 128, "TAG", 3) == 0)
        end -= 128;
    if (end - start >= 32 && std::memcmp(data + end - 32, "APETAGEX", 8) == 0) {
        const qint64 length =
            littleEndian(data + end - 32 + 12) + ((littleEndian(data + end - 32 + 20) >> 31) ? 32 : 0);
        if (length <= end - start)
            end -= length;
    }
    return QByteArrayView(bytes.constData() + start, end - start);
}

// The contents of every top-level "mdat" atom of BYTES, one after the other.
QByteArray mp4Audio(const QByteArray &bytes)
{
    QByteArray audio;
    qint64 position = 0;
    const qint64 size = bytes.size();
    while (position + 8 <= size) {
        const auto *at = reinterpret_cast<const uchar *>(bytes.constData() + position);
        quint64 length = bigEndian(at);
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
    return mpegAudio(old) == mpegAudio(now);
}

} // namespace AudioCheck
