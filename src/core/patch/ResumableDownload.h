// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "transfer/TokenBucket.h"

#include <QFile>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

#include <chrono>

class QNetworkAccessManager;
class QNetworkReply;
class QTimer;

// One download of a big file that continues where an earlier, broken-off
// one stopped. What has arrived is kept beside the target as
// "<target>.part", with the address and the validator the server sent
// (ETag, else Last-Modified) in "<target>.part.validator"; the next start
// asks for the rest with Range and If-Range. A 206 answer whose range starts
// where the part ends is appended; a 200 (the file changed, or the server
// does not do ranges), a 416 or a changed validator starts over. The body
// streams to disk through a bounded buffer. The finished file must be as
// long as the whole length the server announced; it is then renamed to the
// target. Main thread; one terminal outcome, one finished().
class ResumableDownload : public QObject
{
    Q_OBJECT

public:
    enum class Outcome
    {
        Running,   // not started, or under way
        Succeeded, // the target holds the whole body
        Failed,    // the network or the server let it down (errorString)
        NoSpace,   // the rest does not fit on the disk (errorString)
        FileError, // the partial file or the target could not be written
        Aborted,   // abort() was called
    };
    Q_ENUM(Outcome)

    // `network` must outlive this object; nothing is sent before start().
    ResumableDownload(QNetworkAccessManager *network, const QUrl &url, const QString &targetPath,
                      QObject *parent = nullptr);
    // Stops a transfer under way without a signal; the partial file stays.
    ~ResumableDownload() override;

    // Fails the download when no data arrives for this long (0: never).
    void setTransferTimeout(std::chrono::milliseconds timeout) { m_timeout = timeout; }
    // Holds the transfer to this many bytes per second (0: as fast as it
    // comes). The body is taken from the network layer only as fast, on a
    // timer, through a small read buffer: while that is full, nothing more
    // is read from the connection, and the server is held back by it.
    void setRateLimit(qint64 bytesPerSecond);

    void start();
    // Stops now, keeps what arrived for the next start, emits finished().
    void abort();

    Outcome outcome() const { return m_outcome; }
    // Why it did not succeed, for the user: "Connection closed", "no data
    // received for 30 seconds", "the server sent 100 of 200 bytes", the
    // free-space message, the network layer's or the file's error.
    QString errorString() const { return m_error; }

    qint64 bytesDone() const { return m_offset + m_received; }
    // The whole length, -1 while (or when) not known.
    qint64 bytesTotal() const { return m_total; }
    // Bytes that came over the network in this object's life.
    qint64 bytesTransferred() const { return m_transferred; }

    QString targetPath() const { return m_target; }
    QString partialPath() const { return m_target + QStringLiteral(".part"); }
    QString validatorPath() const { return m_target + QStringLiteral(".part.validator"); }
    // Removes a kept partial file and its validator.
    static void discardPartial(const QString &targetPath);

    // "resuming at 12 MB of 537 MB" (MB: a million bytes, rounded down).
    static QString resumingText(qint64 offset, qint64 total);

Q_SIGNALS:
    // Bytes done (resumed ones included) of the total (-1 when unknown).
    void progress(qint64 done, qint64 total);
    // A range answer was accepted: the download goes on from `offset`.
    void resuming(qint64 offset, qint64 total);
    // The partial file was opened for this answer's body: fresh and empty,
    // or a kept part to be continued (before resuming()). What it held
    // before, if anything, is no longer part of the download.
    void partOpened();
    void finished();

private:
    void send();
    void headersArrived();
    void dataArrived();
    // Takes what has arrived, as much as the limit allows now.
    void readBody();
    void replyFinished();
    // The reply's end, once all of its body has been taken.
    void replyEnded();
    bool acceptRange(QString &why);
    bool startOver(qint64 total);
    void restartFromScratch();
    void finish(Outcome outcome, const QString &error = QString());
    void dropReply();
    QByteArray validatorOf(const QNetworkReply *reply) const;

    QNetworkAccessManager *m_network;
    QUrl m_url;
    QString m_target;
    std::chrono::milliseconds m_timeout{0};
    TokenBucket m_budget;
    // Takes the body on while the limit holds it back.
    QTimer *m_throttle;
    QPointer<QNetworkReply> m_reply;
    QFile m_file;
    QByteArray m_validator; // what the kept part was fetched under
    qint64 m_offset = 0;    // bytes of the part that came from an earlier run
    qint64 m_received = 0;  // bytes of this answer's body written
    qint64 m_total = -1;
    qint64 m_transferred = 0;
    bool m_headersSeen = false;
    bool m_restarted = false;
    bool m_restartWhenDone = false;
    // The reply has finished; what it holds is still to be taken.
    bool m_replyEnded = false;
    Outcome m_outcome = Outcome::Running;
    QString m_error;
};
