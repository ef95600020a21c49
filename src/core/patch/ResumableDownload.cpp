// SPDX-License-Identifier: GPL-3.0-or-later
#include "patch/ResumableDownload.h"

#include "LogCategories.h"
#include "ReplyBody.h"
#include "patch/FreeSpace.h"

#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

// How much of the body may wait in memory before it is written out.
constexpr qint64 kReadBufferBytes = 1024 * 1024;
// Under a limit, how often the body is taken on, and the least the read
// buffer holds (it holds two of the budget's fills, so that it never
// limits the rate itself).
constexpr int kThrottleTickMs = 50;
constexpr qint64 kSmallestLimitedBuffer = 4 * 1024;

// "url\nvalidator\n"
QPair<QByteArray, QByteArray> readValidatorFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QList<QByteArray> lines = file.read(64 * 1024).split('\n');
    return {lines.value(0), lines.value(1)};
}

} // namespace

ResumableDownload::ResumableDownload(QNetworkAccessManager *network, const QUrl &url,
                                     const QString &targetPath, QObject *parent)
    : QObject(parent), m_network(network), m_url(url), m_target(targetPath),
      m_throttle(new QTimer(this))
{
    m_throttle->setSingleShot(true);
    m_throttle->setInterval(kThrottleTickMs);
    connect(m_throttle, &QTimer::timeout, this, &ResumableDownload::dataArrived);
}

void ResumableDownload::setRateLimit(qint64 bytesPerSecond)
{
    m_budget = TokenBucket(bytesPerSecond);
}

ResumableDownload::~ResumableDownload()
{
    dropReply();
}

void ResumableDownload::discardPartial(const QString &targetPath)
{
    QFile::remove(targetPath + QStringLiteral(".part"));
    QFile::remove(targetPath + QStringLiteral(".part.validator"));
}

QString ResumableDownload::resumingText(qint64 offset, qint64 total)
{
    return QStringLiteral("resuming at %1 MB of %2 MB").arg(offset / 1000000).arg(total / 1000000);
}

void ResumableDownload::start()
{
    m_outcome = Outcome::Running;
    m_error.clear();
    m_restarted = false;
    m_offset = 0;
    // A part is continued only when it was fetched from this address under
    // a validator the server can confirm; anything else starts over.
    const auto [url, validator] = readValidatorFile(validatorPath());
    // Only a plain file of our own is appended to: a link in its place
    // would have the download written wherever it points.
    const QFileInfo part(partialPath());
    const QFileInfo side(validatorPath());
    const bool plain = !part.isSymLink() && part.isFile() && !side.isSymLink();
    const qint64 kept = plain ? part.size() : 0;
    if (kept > 0 && !validator.isEmpty() && url == m_url.toEncoded()) {
        m_offset = kept;
        m_validator = validator;
    } else {
        discardPartial(m_target);
        m_validator.clear();
    }
    send();
}

void ResumableDownload::send()
{
    m_received = 0;
    m_total = -1;
    m_headersSeen = false;
    m_restartWhenDone = false;
    m_replyEnded = false;
    QNetworkRequest request(m_url);
    request.setTransferTimeout(int(m_timeout.count()));
    // Byte ranges of the file itself, not of a compressed form of it.
    request.setRawHeader("Accept-Encoding", "identity");
    if (m_offset > 0) {
        request.setRawHeader("Range", "bytes=" + QByteArray::number(m_offset) + '-');
        request.setRawHeader("If-Range", m_validator);
    }
    QNetworkReply *reply = m_network->get(request);
    reply->setReadBufferSize(
        m_budget.isLimited()
            ? std::clamp(2 * m_budget.capacity(), kSmallestLimitedBuffer, kReadBufferBytes)
            : kReadBufferBytes);
    m_reply = reply;
    qCInfo(lcPatch) << "downloading" << m_url.toString() << "from byte" << m_offset;
    connect(reply, &QNetworkReply::metaDataChanged, this, &ResumableDownload::headersArrived);
    connect(reply, &QNetworkReply::readyRead, this, &ResumableDownload::dataArrived);
    connect(reply, &QNetworkReply::finished, this, &ResumableDownload::replyFinished);
}

QByteArray ResumableDownload::validatorOf(const QNetworkReply *reply) const
{
    // If-Range takes a strong validator only.
    const QByteArray etag = reply->rawHeader("ETag").trimmed();
    if (!etag.isEmpty() && !etag.startsWith("W/"))
        return etag;
    return reply->rawHeader("Last-Modified").trimmed();
}

bool ResumableDownload::acceptRange(QString &why)
{
    // "bytes <first>-<last>/<total>", from where the part ends to the end.
    static const QRegularExpression range(QStringLiteral("^bytes (\\d+)-(\\d+)/(\\d+)$"));
    const QRegularExpressionMatch match =
        range.match(QString::fromLatin1(m_reply->rawHeader("Content-Range").trimmed()));
    const QByteArray validator = validatorOf(m_reply);
    if (m_offset == 0 || !match.hasMatch()) {
        why = QStringLiteral("unexpected range answer");
        return false;
    }
    const qint64 first = match.captured(1).toLongLong();
    const qint64 last = match.captured(2).toLongLong();
    const qint64 total = match.captured(3).toLongLong();
    if (first != m_offset || last != total - 1 ||
        (!validator.isEmpty() && validator != m_validator)) {
        why = QStringLiteral("range %1 does not continue the kept part of %2 bytes")
                  .arg(match.captured(0))
                  .arg(m_offset);
        return false;
    }
    m_total = total;
    return true;
}

void ResumableDownload::headersArrived()
{
    const int status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (m_headersSeen || (status >= 300 && status < 400))
        return;
    m_headersSeen = true;

    if (status == 206) {
        QString why;
        if (!acceptRange(why)) {
            qCInfo(lcPatch) << "starting over:" << why;
            restartFromScratch();
            return;
        }
        if (const QString shortage =
                FreeSpace::shortage(QFileInfo(m_target).path(), m_total - m_offset);
            !shortage.isEmpty()) {
            finish(Outcome::NoSpace, shortage);
            return;
        }
        m_file.setFileName(partialPath());
        if (!m_file.open(QIODevice::WriteOnly | QIODevice::Append) || m_file.size() != m_offset) {
            finish(Outcome::FileError, m_file.errorString());
            return;
        }
        Q_EMIT partOpened();
        Q_EMIT resuming(m_offset, m_total);
        Q_EMIT progress(m_offset, m_total);
        return;
    }
    if (status == 416 && m_offset > 0) {
        // Its short body ends the reply on its own; aborting an answer the
        // network layer already counts as an error upsets it.
        qCInfo(lcPatch) << "starting over: the server has no bytes from" << m_offset;
        m_restartWhenDone = true;
        return;
    }

    // The whole body (or an error page, handed on like any body).
    const QVariant length = m_reply->header(QNetworkRequest::ContentLengthHeader);
    const qint64 total = length.isValid() ? length.toLongLong() : -1;
    startOver(total);
}

bool ResumableDownload::startOver(qint64 total)
{
    m_offset = 0;
    m_total = total;
    discardPartial(m_target);
    if (total >= 0) {
        if (const QString shortage = FreeSpace::shortage(QFileInfo(m_target).path(), total);
            !shortage.isEmpty()) {
            finish(Outcome::NoSpace, shortage);
            return false;
        }
    }
    m_file.setFileName(partialPath());
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        finish(Outcome::FileError, m_file.errorString());
        return false;
    }
    // Only a real answer with a validator can be continued later.
    const int status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    m_validator = status == 200 ? validatorOf(m_reply) : QByteArray();
    if (!m_validator.isEmpty()) {
        QSaveFile side(validatorPath());
        if (side.open(QIODevice::WriteOnly)) {
            side.write(m_url.toEncoded() + '\n' + m_validator + '\n');
            side.commit();
        }
    }
    Q_EMIT partOpened();
    Q_EMIT progress(0, m_total);
    return true;
}

void ResumableDownload::restartFromScratch()
{
    if (m_restarted) {
        finish(Outcome::Failed, QStringLiteral("the server's range answers do not add up"));
        return;
    }
    m_restarted = true;
    discardPartial(m_target);
    m_offset = 0;
    m_validator.clear();
    dropReply();
    // Out of the old reply's signal first.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (m_outcome == Outcome::Running)
                send();
        },
        Qt::QueuedConnection);
}

void ResumableDownload::dataArrived()
{
    readBody();
    if (!m_replyEnded || !m_reply || m_outcome != Outcome::Running)
        return;
    // A body held back by the limit is taken in full before the end counts.
    if (m_budget.isLimited() && m_file.isOpen() && m_reply->bytesAvailable() > 0)
        return;
    replyEnded();
}

void ResumableDownload::readBody()
{
    if (!m_reply || !m_reply->isOpen() || m_outcome != Outcome::Running || !m_file.isOpen())
        return;
    // read() makes room for all it may take: never more than is there.
    const QByteArray data =
        m_budget.isLimited()
            ? m_reply->read(std::min(m_budget.available(), m_reply->bytesAvailable()))
            : m_reply->readAll();
    // What the budget left waits in the reply for the next tick (a signal
    // of new data would not come while the buffer is full).
    if (m_budget.isLimited() && m_reply->bytesAvailable() > 0 && !m_throttle->isActive())
        m_throttle->start();
    if (data.isEmpty())
        return;
    m_budget.take(data.size());
    m_transferred += data.size();
    if (m_file.write(data) != data.size()) {
        finish(Outcome::FileError, m_file.errorString());
        return;
    }
    m_received += data.size();
    Q_EMIT progress(bytesDone(), m_total);
}

void ResumableDownload::replyFinished()
{
    if (!m_reply || m_outcome != Outcome::Running)
        return;
    if (m_restartWhenDone) {
        restartFromScratch();
        return;
    }
    m_replyEnded = true;
    dataArrived();
}

void ResumableDownload::replyEnded()
{
    const QNetworkReply::NetworkError error = m_reply->error();
    if (error == QNetworkReply::OperationCanceledError) {
        // Only the inactivity time-out cancels a reply we did not abort.
        finish(Outcome::Failed, QStringLiteral("no data received for %1 seconds")
                                    .arg(QString::number(double(m_timeout.count()) / 1000.0)));
        return;
    }
    if (!m_headersSeen || !ReplyBody::arrivedWhole(m_reply, m_received)) {
        finish(Outcome::Failed, error == QNetworkReply::NoError
                                    ? QStringLiteral("Connection closed")
                                    : m_reply->errorString());
        return;
    }
    if (!m_file.flush()) {
        finish(Outcome::FileError, m_file.errorString());
        return;
    }
    const qint64 length = m_file.size();
    if (m_total >= 0 && length != m_total) {
        // Not a beginning of the file either: nothing to continue from.
        m_file.close();
        discardPartial(m_target);
        finish(Outcome::Failed,
               QStringLiteral("the server sent %1 of %2 bytes").arg(length).arg(m_total));
        return;
    }
    m_file.close();
    // rename(2) replaces an earlier target in one step.
    if (std::rename(QFile::encodeName(partialPath()).constData(),
                    QFile::encodeName(m_target).constData()) != 0) {
        finish(Outcome::FileError, QString::fromLocal8Bit(std::strerror(errno)));
        return;
    }
    QFile::remove(validatorPath());
    finish(Outcome::Succeeded);
}

void ResumableDownload::finish(Outcome outcome, const QString &error)
{
    if (m_outcome != Outcome::Running)
        return;
    m_outcome = outcome;
    m_error = error;
    m_throttle->stop();
    dropReply();
    if (m_file.isOpen())
        m_file.close();
    // A part without a validator cannot be continued: not worth its space.
    if (outcome != Outcome::Succeeded && !QFileInfo::exists(validatorPath()))
        QFile::remove(partialPath());
    if (outcome != Outcome::Succeeded)
        qCInfo(lcPatch) << "download ended:" << outcome << error << "kept" << bytesDone()
                        << "bytes";
    Q_EMIT finished();
}

void ResumableDownload::abort()
{
    if (m_outcome == Outcome::Running && (m_reply || m_file.isOpen()))
        finish(Outcome::Aborted, QStringLiteral("Operation canceled"));
}

void ResumableDownload::dropReply()
{
    if (!m_reply)
        return;
    m_throttle->stop();
    QNetworkReply *reply = m_reply;
    m_reply = nullptr;
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
}
