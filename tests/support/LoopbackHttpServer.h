// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>
#include <QTcpServer>

class QTcpSocket;

// A tiny HTTP/1.1 server on 127.0.0.1 with an ephemeral port, for tests.
// Each path answers with a configured response; unknown paths get a 404.
class LoopbackHttpServer : public QObject
{
    Q_OBJECT

public:
    struct Response
    {
        int status = 200;
        QByteArray body;
        QByteArray contentType = "application/octet-stream";
        // Serve this file's bytes instead of body (streamed, never whole in memory).
        QString bodyFile;
        // Send the body in pieces of chunkSize bytes, chunkIntervalMs apart.
        int chunkSize = 0;
        int chunkIntervalMs = 0;
        // Read the request and never answer.
        bool hang = false;
        // Announce the whole body but close after this many bytes of it.
        qint64 cutAfter = -1;
        // Announce the whole body, send this many bytes of it, then reset
        // the connection (RST, not an orderly close).
        qint64 resetAfter = -1;
        // Announce the whole body, send this many bytes of it, then keep the
        // connection open and send nothing more.
        qint64 stallAfter = -1;

        // Validators sent with the body; a request's If-Range must match one
        // of them for its Range to count.
        QByteArray etag;
        QByteArray lastModified;
        // Answers "Range: bytes=N-" with 206 and the rest (416 past the end)
        // unless this is set: then the whole body comes back with 200.
        bool ignoreRange = false;
        // Closes the connection once the body is sent up to this byte of the
        // whole body (counted from its start, whatever range was asked for).
        qint64 breakAtByte = -1;
    };

    explicit LoopbackHttpServer(QObject *parent = nullptr);
    ~LoopbackHttpServer() override;

    bool listen();
    quint16 port() const;
    QString url(const QString &path) const;

    void setRoute(const QString &path, const Response &response);
    int requestCount(const QString &path) const { return m_counts.value(path); }
    // The header lines of the last request for path (request line excluded).
    QByteArray lastRequestHeaders(const QString &path) const { return m_lastHeaders.value(path); }
    // Body bytes written for path, all requests together.
    qint64 bodyBytesSent(const QString &path) const { return m_sent.value(path); }

    // An address on loopback where nothing listens: stands for "no network".
    static QString closedPortUrl(const QString &path);

private:
    void handleConnection(QTcpSocket *socket);
    void respond(QTcpSocket *socket, const QString &path, const QByteArray &headers);

    QTcpServer m_server;
    QHash<QString, Response> m_routes;
    QHash<QString, int> m_counts;
    QHash<QString, QByteArray> m_lastHeaders;
    QHash<QString, qint64> m_sent;
};
