#include "releaseserver.h"

#include "testsupport.h"

#include <QHash>
#include <QMutex>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>

class ReleaseServer::Handler : public QObject
{
public:
    // Made in start(), on the server's own thread.
    QTcpServer *server = nullptr;
    mutable QMutex mutex;
    QHash<QString, Route> routes;
    QStringList requests;
    QString root;

    void start()
    {
        server = new QTcpServer(this);
        server->listen(QHostAddress::LocalHost, 0);
        root = QStringLiteral("http://127.0.0.1:%1/").arg(server->serverPort());
        connect(server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = server->nextPendingConnection())
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { read(socket); });
        });
    }

    void read(QTcpSocket *socket)
    {
        QByteArray &buffer = pending[socket];
        buffer += socket->readAll();
        if (!buffer.contains("\r\n\r\n"))
            return;
        const QList<QByteArray> requestLine = buffer.left(buffer.indexOf("\r\n")).split(' ');
        pending.remove(socket);
        const QString target = QString::fromLatin1(requestLine.value(1));
        Route route;
        {
            QMutexLocker locker(&mutex);
            requests.append(target);
            route = find(target.mid(1).section(u'?', 0, 0));
        }
        route.body.replace("{root}", root.toUtf8());
        QPointer<QTcpSocket> guarded(socket);
        QTimer::singleShot(route.delayMilliseconds, this, [guarded, route] {
            if (guarded)
                answer(guarded, route);
        });
    }

    // The route of PATH: its own, or one ending in "*" that PATH begins with.
    Route find(const QString &path) const
    {
        if (routes.contains(path))
            return routes.value(path);
        for (auto it = routes.cbegin(); it != routes.cend(); ++it) {
            if (it.key().endsWith(u'*') && path.startsWith(it.key().chopped(1)))
                return it.value();
        }
        return Route{404, QByteArray("not found"), "text/plain", 0, false, false};
    }

    static void answer(QTcpSocket *socket, const Route &route)
    {
        if (route.closeConnection) {
            socket->abort();
            socket->deleteLater();
            return;
        }
        QByteArray head = "HTTP/1.1 " + QByteArray::number(route.status) + " Status\r\n";
        head += "Content-Type: " + route.contentType + "\r\n";
        head += "Content-Length: " + QByteArray::number(route.body.size()) + "\r\n";
        head += "Cache-Control: max-age=3600\r\nConnection: close\r\n\r\n";
        if (route.stallHalfWay) {
            socket->write(head + route.body.left(route.body.size() / 2));
            return;
        }
        socket->write(head + route.body);
        socket->disconnectFromHost();
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }

private:
    QHash<QTcpSocket *, QByteArray> pending;
};

ReleaseServer::ReleaseServer()
    : m_thread(std::make_unique<QThread>())
    , m_handler(new Handler)
{
    m_handler->moveToThread(m_thread.get());
    m_thread->start();
    QMetaObject::invokeMethod(
        m_handler, [this] { m_handler->start(); }, Qt::BlockingQueuedConnection);
}

ReleaseServer::~ReleaseServer()
{
    QMetaObject::invokeMethod(
        m_handler, [this] { delete m_handler; }, Qt::BlockingQueuedConnection);
    m_thread->quit();
    m_thread->wait();
}

QString ReleaseServer::root() const
{
    return m_handler->root;
}

void ReleaseServer::serve(const QString &path, const Route &route)
{
    QMutexLocker locker(&m_handler->mutex);
    m_handler->routes.insert(path, route);
}

void ReleaseServer::serveFixture(const QString &path, const QString &name)
{
    Route route;
    route.body = TestSupport::readBytes(TestSupport::dataPath(QStringLiteral("releases/") + name));
    if (route.body.isEmpty()) {
        route.body = TestSupport::readBytes(TestSupport::dataPath(name));
        route.contentType = name.endsWith(QLatin1String(".png")) ? "image/png" : "image/jpeg";
    }
    serve(path, route);
}

void ReleaseServer::serveFixtures()
{
    serveFixture(QStringLiteral("search"), QStringLiteral("search.xml"));
    for (const char *id : {"101", "102", "103"})
        serveFixture(QStringLiteral("release/") + QLatin1String(id),
                     QStringLiteral("release-%1.xml").arg(QLatin1String(id)));
    serveFixture(QStringLiteral("images/R-101-1.jpeg"), QStringLiteral("cover.jpg"));
    serveFixture(QStringLiteral("images/R-101-2.png"), QStringLiteral("cover.png"));
}

QStringList ReleaseServer::requests() const
{
    QMutexLocker locker(&m_handler->mutex);
    return m_handler->requests;
}
