#include "imagepool.h"

#include <QByteArrayView>
#include <QHashFunctions>

#include <algorithm>
#include <cstring>

namespace {

// Hashing whole covers would cost more than comparing them: the size and the
// first and last kilobytes tell images apart well enough to find candidates.
size_t sampleHash(const char *data, qsizetype size)
{
    constexpr qsizetype sample = 1024;
    if (size <= 2 * sample)
        return qHash(QByteArrayView(data, size), size_t(size));
    return qHash(QByteArrayView(data, sample),
                 qHash(QByteArrayView(data + size - sample, sample), size_t(size)));
}

} // namespace

QByteArray ImagePool::intern(const char *data, qsizetype size)
{
    const size_t key = sampleHash(data, size);
    auto sameBytes = [&](const QByteArray &held) {
        return held.size() == size && std::memcmp(held.constData(), data, size_t(size)) == 0;
    };
    // Compare outside the lock, so reading threads do not wait on each other's comparisons.
    QList<QByteArray> candidates;
    {
        QMutexLocker locker(&m_mutex);
        candidates = m_images.values(key);
    }
    for (const QByteArray &held : std::as_const(candidates)) {
        if (sameBytes(held))
            return held;
    }
    const QByteArray copy(data, size);
    QMutexLocker locker(&m_mutex);
    // Another thread may have added the same image meanwhile.
    for (auto it = m_images.constFind(key); it != m_images.constEnd() && it.key() == key; ++it) {
        const bool checked = std::any_of(candidates.cbegin(), candidates.cend(), [&](const QByteArray &held) {
            return held.constData() == it->constData();
        });
        if (!checked && sameBytes(*it))
            return *it;
    }
    m_images.insert(key, copy);
    return copy;
}

qsizetype ImagePool::count() const
{
    QMutexLocker locker(&m_mutex);
    return m_images.size();
}
