#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

#include <memory>

class QNetworkAccessManager;

// Blocking HTTP GET for the release database: waits on a local event loop
// (user input is held back meanwhile), prefers cached replies from a disk
// cache, gives up after 30 seconds without progress, and refuses replies
// larger than 32 MiB.
class HttpClient
{
public:
    static constexpr qint64 MaximumReplySize = 32 * 1024 * 1024;
    static constexpr int TimeoutMilliseconds = 30000;

    struct Reply
    {
        bool ok = false;
        int status = 0;
        QByteArray body;
        // What went wrong, for the details of a failure alert.
        QString error;
    };

    // CACHE_FOLDER: where replies are cached; empty for no cache. The limits
    // can be made smaller (for tests).
    explicit HttpClient(const QString &cacheFolder, int timeoutMilliseconds = TimeoutMilliseconds,
                        qint64 maximumReplySize = MaximumReplySize);
    ~HttpClient();

    // Fetches URL. A reply counts as ok only with a 2xx status (or from the cache).
    Reply get(const QUrl &url) const;

    // The folder of the cache the editor uses.
    static QString defaultCacheFolder();

private:
    std::unique_ptr<QNetworkAccessManager> m_manager;
    int m_timeout;
    qint64 m_maximumReplySize;
};
