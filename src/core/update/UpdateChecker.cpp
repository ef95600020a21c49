// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/UpdateChecker.h"

#include "BuildConfig.h"
#include "Endpoints.h"
#include "LogCategories.h"
#include "ReplyBody.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

#include <limits>

UpdateChecker::UpdateChecker(QObject *parent)
    : QObject(parent), m_network(new QNetworkAccessManager(this))
{}

UpdateChecker::~UpdateChecker() = default;

std::optional<qint64> UpdateChecker::parseDecimal(QStringView text)
{
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        negative = text[i++] == u'-';
    if (i == text.size())
        return std::nullopt;
    // Accumulate towards the sign so that the most negative value fits too.
    qint64 value = 0;
    constexpr qint64 min = std::numeric_limits<qint64>::min();
    constexpr qint64 max = std::numeric_limits<qint64>::max();
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        const int digit = c - u'0';
        if (negative) {
            if (value < (min + digit) / 10)
                return std::nullopt;
            value = value * 10 - digit;
        } else {
            if (value > (max - digit) / 10)
                return std::nullopt;
            value = value * 10 + digit;
        }
    }
    return value;
}

QString UpdateChecker::currentVersionFrom(const QString &configured)
{
    return configured.isEmpty() ? QStringLiteral("0.0.0") : configured;
}

qint64 UpdateChecker::currentBuildFrom(const QString &configured)
{
    return parseDecimal(configured).value_or(0);
}

QString UpdateChecker::currentVersion()
{
    return currentVersionFrom(QString::fromUtf8(BuildConfig::version));
}

qint64 UpdateChecker::currentBuild()
{
    return currentBuildFrom(QString::fromUtf8(BuildConfig::buildNumber));
}

bool UpdateChecker::isNewerVersion(const QString &candidate, const QString &current)
{
    // Pieces that are not numbers are dropped (not counted as 0): the next
    // piece moves up into their position.
    const auto numbers = [](const QString &version) {
        QList<qint64> list;
        for (const QStringView piece : QStringView(version).split(u'.', Qt::SkipEmptyParts)) {
            if (const auto number = parseDecimal(piece))
                list.append(*number);
        }
        return list;
    };
    const QList<qint64> a = numbers(candidate);
    const QList<qint64> b = numbers(current);
    for (qsizetype i = 0; i < qMax(a.size(), b.size()); ++i) {
        const qint64 x = a.value(i, 0);
        const qint64 y = b.value(i, 0);
        if (y < x)
            return true;
        if (x < y)
            return false;
    }
    return false;
}

void UpdateChecker::setCheckInterval(std::chrono::milliseconds interval)
{
    m_checkInterval = interval;
    if (m_timer)
        m_timer->setInterval(interval);
}

void UpdateChecker::setTransferTimeout(std::chrono::milliseconds timeout)
{
    m_transferTimeout = timeout;
}

void UpdateChecker::startPeriodicChecks()
{
    checkForUpdate();
    // A second start replaces the first timer rather than adding a second one.
    delete m_timer;
    m_timer = new QTimer(this);
    m_timer->setInterval(m_checkInterval);
    connect(m_timer, &QTimer::timeout, this, &UpdateChecker::checkForUpdate);
    m_timer->start();
}

void UpdateChecker::stopPeriodicChecks()
{
    delete m_timer;
    m_timer = nullptr;
}

void UpdateChecker::checkForUpdate()
{
    if (m_isChecking)
        return;
    m_isChecking = true;
    Q_EMIT isCheckingChanged();

    QNetworkRequest request{QUrl(Endpoints::updateManifest())};
    // Always the server's current manifest: no cached copy read or kept.
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    request.setTransferTimeout(int(m_transferTimeout.count()));
    qCDebug(lcUpdate) << "checking" << request.url().toDisplayString();

    m_tooLarge = false;
    m_reply = m_network->get(request);
    // Given up as soon as the body passes the limit, even if the server then
    // holds the connection open: readyRead comes with every piece, while
    // downloadProgress is held back to one signal a tenth of a second (and a
    // body that arrives faster gets none until it is over).
    connect(m_reply, &QIODevice::readyRead, this, [this] {
        if (m_reply && m_reply->bytesAvailable() > maxManifestSize) {
            m_tooLarge = true;
            m_reply->abort();
        }
    });
    connect(m_reply, &QNetworkReply::finished, this,
            [this, reply = m_reply] { finishCheck(reply); });
}

void UpdateChecker::finishCheck(QNetworkReply *reply)
{
    reply->deleteLater();
    m_reply = nullptr;

    m_isChecking = false;
    Q_EMIT isCheckingChanged();
    const QDateTime now = QDateTime::currentDateTime();
    if (now != m_lastCheckDate) {
        m_lastCheckDate = now;
        Q_EMIT lastCheckDateChanged();
    }

    std::optional<AppUpdate> update;
    {
        // An error page is read like any other answer (and fails to decode);
        // a broken, stalled or cut-short connection delivered nothing. An
        // aborted reply (time-out, too long) is closed: nothing to read.
        const QByteArray body = reply->isOpen() ? reply->read(maxManifestSize + 1) : QByteArray();
        QString decodeError;
        if (body.size() <= maxManifestSize && ReplyBody::arrivedWhole(reply, body.size()))
            update = AppUpdate::decode(body, &decodeError);
        m_failureReason = update ? QString() : describeFailure(reply, body, decodeError);
    }
    const bool manifestRead = update.has_value();
    qCDebug(lcUpdate) << "check finished:" << reply->error() << "manifest read:" << manifestRead;
    // Newer when the version is newer, or else when the build number is
    // greater, whatever the versions say.
    const bool newer = manifestRead && (isNewerVersion(update->version, currentVersion()) ||
                                        update->build > currentBuild());
    if (newer && update != m_availableUpdate) {
        m_availableUpdate = std::move(update);
        Q_EMIT availableUpdateChanged();
    }
    Q_EMIT checkFinished(manifestRead);
}

QString UpdateChecker::describeFailure(const QNetworkReply *reply, const QByteArray &body,
                                       const QString &decodeError) const
{
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (status.isValid() && (status.toInt() < 200 || status.toInt() >= 300)) {
        const QString phrase =
            reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString().trimmed();
        return QCoreApplication::translate("UpdateChecker", "the server answered %1%2")
            .arg(status.toInt())
            .arg(phrase.isEmpty() ? QString() : QLatin1Char(' ') + phrase);
    }
    // (Given up on as it passed the limit, or arrived whole and too long.)
    if (m_tooLarge || body.size() > maxManifestSize)
        return QCoreApplication::translate("UpdateChecker", "the answer is larger than %1 KiB")
            .arg(maxManifestSize / 1024);
    switch (reply->error()) {
    case QNetworkReply::NoError:
    case QNetworkReply::RemoteHostClosedError: // cut short, as below
        break;
    case QNetworkReply::ConnectionRefusedError:
        return QCoreApplication::translate("UpdateChecker", "the connection was refused");
    case QNetworkReply::HostNotFoundError:
        return QCoreApplication::translate("UpdateChecker", "the host %1 was not found")
            .arg(reply->url().host());
    case QNetworkReply::TimeoutError:
    case QNetworkReply::OperationCanceledError: // how a transfer timeout ends a reply
        return QCoreApplication::translate("UpdateChecker", "no answer came within %1 s")
            .arg(std::chrono::ceil<std::chrono::seconds>(m_transferTimeout).count());
    default:
        return reply->errorString();
    }
    if (!decodeError.isEmpty())
        return QCoreApplication::translate("UpdateChecker",
                                           "the answer is not an update manifest: %1")
            .arg(decodeError);
    return QCoreApplication::translate("UpdateChecker",
                                       "the connection ended before the whole manifest arrived");
}
