#include "LoopbackHttpServer.h"

#include <QFile>
#include <QPointer>
#include <QTcpSocket>
#include <QTimer>

#include <memory>

#include <sys/socket.h>

namespace {
QByteArray reasonPhrase(int status)
{
    switch (status) {
    case 200:
        return "OK";
    case 404:
        return "Not Found";
    case 500:
        return "Internal Server Error";
    default:
        return "Status";
    }
}
} // namespace

LoopbackHttpServer::LoopbackHttpServer(QObject *parent) : QObject(parent)
{
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *socket = m_server.nextPendingConnection())
            handleConnection(socket);
    });
}

LoopbackHttpServer::~LoopbackHttpServer() = default;

bool LoopbackHttpServer::listen()
{
    return m_server.listen(QHostAddress::LocalHost, 0);
}

quint16 LoopbackHttpServer::port() const
{
    return m_server.serverPort();
}

QString LoopbackHttpServer::url(const QString &path) const
{
    return QStringLiteral("http://127.0.0.1:%1%2").arg(port()).arg(path);
}

void LoopbackHttpServer::setRoute(const QString &path, const Response &response)
{
    m_routes.insert(path, response);
}

QString LoopbackHttpServer::closedPortUrl(const QString &path)
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return QStringLiteral("http://127.0.0.1:%1%2").arg(port).arg(path);
}

void LoopbackHttpServer::handleConnection(QTcpSocket *socket)
{
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    auto buffer = std::make_shared<QByteArray>();
    connect(socket, &QTcpSocket::readyRead, this, [this, socket, buffer] {
        buffer->append(socket->readAll());
        const qsizetype end = buffer->indexOf("\r\n\r\n");
        if (end < 0)
            return;
        disconnect(socket, &QTcpSocket::readyRead, this, nullptr);
        const QList<QByteArray> requestLine = buffer->left(buffer->indexOf("\r\n")).split(' ');
        QString path = QString::fromLatin1(requestLine.value(1));
        const qsizetype query = path.indexOf(QLatin1Char('?'));
        if (query >= 0)
            path.truncate(query);
        m_counts[path] += 1;
        respond(socket, path);
    });
}

void LoopbackHttpServer::respond(QTcpSocket *socket, const QString &path)
{
    Response response;
    if (m_routes.contains(path)) {
        response = m_routes.value(path);
    } else {
        response.status = 404;
        response.body = "<html><body>404 Not Found</body></html>";
        response.contentType = "text/html";
    }
    if (response.hang)
        return;

    std::shared_ptr<QFile> file;
    qint64 length = response.body.size();
    if (!response.bodyFile.isEmpty()) {
        file = std::make_shared<QFile>(response.bodyFile);
        if (!file->open(QIODevice::ReadOnly)) {
            socket->disconnectFromHost();
            return;
        }
        length = file->size();
    }

    QByteArray head = "HTTP/1.1 " + QByteArray::number(response.status) + ' ' +
                      reasonPhrase(response.status) + "\r\n";
    head += "Content-Type: " + response.contentType + "\r\n";
    head += "Content-Length: " + QByteArray::number(length) + "\r\n";
    head += "Connection: close\r\n\r\n";
    socket->write(head);

    QPointer<QTcpSocket> guard(socket);
    if (file) {
        // Keep a bounded amount queued in the socket: never the whole file.
        // Big pieces: refills come tens of milliseconds apart, which with
        // small ones caps a 2 GiB body at a crawl.
        constexpr qint64 kPiece = 1024 * 1024;
        const auto pump = [guard, file] {
            if (!guard)
                return;
            while (guard->bytesToWrite() < 4 * kPiece && !file->atEnd()) {
                const QByteArray piece = file->read(kPiece);
                if (piece.isEmpty())
                    break;
                guard->write(piece);
            }
            if (file->atEnd() && guard->bytesToWrite() == 0) {
                QObject::disconnect(guard, &QTcpSocket::bytesWritten, nullptr, nullptr);
                guard->disconnectFromHost();
            }
        };
        connect(socket, &QTcpSocket::bytesWritten, socket, pump);
        pump();
        return;
    }

    if (response.resetAfter >= 0) {
        socket->write(response.body.left(response.resetAfter));
        socket->flush();
        // Linger with a zero time-out: closing then sends RST instead of FIN.
        const linger hard{1, 0};
        ::setsockopt(int(socket->socketDescriptor()), SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
        // After the client has read what was sent, so the reset hits mid-body.
        QTimer::singleShot(100, socket, [guard] {
            if (guard)
                guard->abort();
        });
        return;
    }
    if (response.stallAfter >= 0) {
        socket->write(response.body.left(response.stallAfter));
        return; // the socket stays open until the client gives up
    }

    if (response.chunkSize <= 0) {
        socket->write(response.cutAfter < 0 ? response.body
                                            : response.body.left(response.cutAfter));
        socket->disconnectFromHost();
        return;
    }

    auto offset = std::make_shared<qsizetype>(0);
    auto *timer = new QTimer(socket);
    timer->setInterval(response.chunkIntervalMs);
    const QByteArray body = response.body;
    const int chunk = response.chunkSize;
    connect(timer, &QTimer::timeout, socket, [guard, timer, offset, body, chunk] {
        if (!guard)
            return;
        guard->write(body.mid(*offset, chunk));
        *offset += chunk;
        if (*offset >= body.size()) {
            timer->stop();
            guard->disconnectFromHost();
        }
    });
    timer->start();
}
