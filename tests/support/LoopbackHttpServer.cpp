// SPDX-License-Identifier: GPL-3.0-or-later
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
    case 206:
        return "Partial Content";
    case 416:
        return "Range Not Satisfiable";
    case 404:
        return "Not Found";
    case 500:
        return "Internal Server Error";
    case 503:
        return "Service Unavailable";
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
        const qsizetype firstLineEnd = buffer->indexOf("\r\n");
        const QByteArray headers = buffer->mid(firstLineEnd + 2, end - firstLineEnd - 2);
        m_lastHeaders.insert(path, headers);
        respond(socket, path, headers);
    });
}

namespace {
QByteArray headerValue(const QByteArray &headers, const QByteArray &name)
{
    for (const QByteArray &line : headers.split('\n')) {
        const qsizetype colon = line.indexOf(':');
        if (colon > 0 && line.left(colon).trimmed().toLower() == name.toLower())
            return line.mid(colon + 1).trimmed();
    }
    return {};
}
} // namespace

void LoopbackHttpServer::respond(QTcpSocket *socket, const QString &path,
                                 const QByteArray &requestHeaders)
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

    // A range of the body: "bytes=N-" only, what a resuming client asks.
    qint64 start = 0;
    QByteArray extraHeaders;
    const QByteArray range = headerValue(requestHeaders, "Range");
    const QByteArray ifRange = headerValue(requestHeaders, "If-Range");
    const bool sameFile = ifRange.isEmpty() ||
                          (!response.etag.isEmpty() && ifRange == response.etag) ||
                          (!response.lastModified.isEmpty() && ifRange == response.lastModified);
    if (response.status == 200 && !response.ignoreRange && range.startsWith("bytes=") &&
        range.endsWith('-') && sameFile) {
        start = range.mid(6).chopped(1).toLongLong();
        if (start >= length) {
            response.status = 416;
            extraHeaders += "Content-Range: bytes */" + QByteArray::number(length) + "\r\n";
            response.body.clear();
            file.reset();
            start = 0;
            length = 0;
        } else {
            response.status = 206;
            extraHeaders += "Content-Range: bytes " + QByteArray::number(start) + '-' +
                            QByteArray::number(length - 1) + '/' + QByteArray::number(length) +
                            "\r\n";
        }
    }
    if (!response.ignoreRange)
        extraHeaders += "Accept-Ranges: bytes\r\n";
    if (!response.etag.isEmpty())
        extraHeaders += "ETag: " + response.etag + "\r\n";
    if (!response.lastModified.isEmpty())
        extraHeaders += "Last-Modified: " + response.lastModified + "\r\n";
    // Where to stop sending, counted within what this answer sends.
    qint64 stopAfter = length - start;
    if (response.breakAtByte >= 0)
        stopAfter = qBound<qint64>(0, response.breakAtByte - start, stopAfter);
    if (!file) {
        response.body = response.body.mid(start);
        if (response.breakAtByte >= 0)
            response.cutAfter = stopAfter;
    }

    QByteArray head = "HTTP/1.1 " + QByteArray::number(response.status) + ' ' +
                      reasonPhrase(response.status) + "\r\n";
    head += "Content-Type: " + response.contentType + "\r\n";
    head += "Content-Length: " + QByteArray::number(length - start) + "\r\n";
    head += extraHeaders;
    head += "Connection: close\r\n\r\n";
    socket->write(head);
    qint64 &sent = m_sent[path];

    QPointer<QTcpSocket> guard(socket);
    if (file) {
        // Keep a bounded amount queued in the socket: never the whole file.
        // Big pieces: refills come tens of milliseconds apart, which with
        // small ones caps a 2 GiB body at a crawl.
        static constexpr qint64 kPiece = 1024 * 1024;
        file->seek(start);
        auto left = std::make_shared<qint64>(stopAfter);
        QPointer<LoopbackHttpServer> server(this);
        const auto pump = [guard, file, left, server, path] {
            if (!guard)
                return;
            while (guard->bytesToWrite() < 4 * kPiece && *left > 0) {
                const QByteArray piece = file->read(qMin(kPiece, *left));
                if (piece.isEmpty())
                    break;
                *left -= piece.size();
                if (server)
                    server->m_sent[path] += piece.size();
                guard->write(piece);
            }
            if ((*left == 0 || file->atEnd()) && guard->bytesToWrite() == 0) {
                QObject::disconnect(guard, &QTcpSocket::bytesWritten, nullptr, nullptr);
                guard->disconnectFromHost();
            }
        };
        connect(socket, &QTcpSocket::bytesWritten, socket, pump);
        pump();
        return;
    }

    if (response.resetAfter >= 0) {
        sent += qMin<qint64>(response.resetAfter, response.body.size());
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
        sent += qMin<qint64>(response.stallAfter, response.body.size());
        socket->write(response.body.left(response.stallAfter));
        return; // the socket stays open until the client gives up
    }

    if (response.chunkSize <= 0) {
        sent += response.cutAfter < 0 ? response.body.size()
                                      : qMin<qint64>(response.cutAfter, response.body.size());
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
    QPointer<LoopbackHttpServer> server(this);
    connect(timer, &QTimer::timeout, socket, [guard, timer, offset, body, chunk, server, path] {
        if (!guard)
            return;
        const QByteArray piece = body.mid(*offset, chunk);
        if (server)
            server->m_sent[path] += piece.size();
        guard->write(piece);
        *offset += chunk;
        if (*offset >= body.size()) {
            timer->stop();
            guard->disconnectFromHost();
        }
    });
    timer->start();
}
