#pragma once

#include <QByteArray>
#include <QMultiHash>
#include <QMutex>

// Hands out one shared buffer for byte-equal images, so that the cover of an
// album read with its twelve tracks is held in memory once. Equality stays
// exact byte equality; sharing changes nothing a song can see. Safe to use
// from several threads at once.
class ImagePool
{
public:
    // A buffer holding SIZE bytes at DATA: one the pool already holds when
    // the bytes are equal, otherwise a new copy that the pool keeps.
    QByteArray intern(const char *data, qsizetype size);
    QByteArray intern(const QByteArray &bytes) { return intern(bytes.constData(), bytes.size()); }
    // The number of distinct images held.
    qsizetype count() const;

private:
    mutable QMutex m_mutex;
    QMultiHash<size_t, QByteArray> m_images;
};
