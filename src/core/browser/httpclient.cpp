#include "httpclient.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkDiskCache>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QStandardPaths>

HttpClient::HttpClient(const QString &cacheFolder, int timeoutMilliseconds, qint64 maximumReplySize)
    : m_manager(std::make_unique<QNetworkAccessManager>())
    , m_timeout(timeoutMilliseconds)
    , m_maximumReplySize(maximumReplySize)
{
    if (!cacheFolder.isEmpty()) {
        auto *cache = new QNetworkDiskCache(m_manager.get());
        cache->setCacheDirectory(cacheFolder);
        m_manager->setCache(cache);
    }
}

HttpClient::~HttpClient() = default;

QString HttpClient::defaultCacheFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/http");
}

HttpClient::Reply HttpClient::get(const QUrl &url) const
{
    Reply result;
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::PreferCache);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setHeader(QNetworkRequest::UserAgentHeader,
                      QStringLiteral("Korvan/%1").arg(QCoreApplication::applicationVersion()));
    request.setTransferTimeout(m_timeout);

    std::unique_ptr<QNetworkReply> reply(m_manager->get(request));
    QEventLoop loop;
    bool tooLarge = false;
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QObject::connect(reply.get(), &QNetworkReply::downloadProgress, &loop,
                     [&](qint64 received, qint64 total) {
                         if (received > m_maximumReplySize || total > m_maximumReplySize) {
                             tooLarge = true;
                             reply->abort();
                         }
                     });
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);

    result.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (tooLarge) {
        result.error = QStringLiteral("The reply from %1 is larger than %2 bytes.")
                           .arg(url.host())
                           .arg(m_maximumReplySize);
        return result;
    }
    if (reply->error() != QNetworkReply::NoError) {
        result.error = reply->errorString();
        return result;
    }
    if (result.status != 0 && (result.status < 200 || result.status > 299)) {
        result.error = QStringLiteral("The server answered with status %1.").arg(result.status);
        return result;
    }
    result.body = reply->readAll();
    result.ok = true;
    return result;
}
