// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "update/AppUpdate.h"

#include <QDateTime>
#include <QObject>

#include <chrono>
#include <optional>

class QNetworkAccessManager;
class QNetworkReply;
class QTimer;

// Polls the update manifest while the launcher runs and publishes an update
// newer than the running launcher. Never downloads or installs anything.
class UpdateChecker : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool hasUpdate READ hasUpdate NOTIFY availableUpdateChanged)
    Q_PROPERTY(AppUpdate availableUpdate READ availableUpdateOrEmpty NOTIFY availableUpdateChanged)
    Q_PROPERTY(bool isChecking READ isChecking NOTIFY isCheckingChanged)
    Q_PROPERTY(QDateTime lastCheckDate READ lastCheckDate NOTIFY lastCheckDateChanged)

public:
    explicit UpdateChecker(QObject *parent = nullptr);
    ~UpdateChecker() override;

    std::optional<AppUpdate> availableUpdate() const { return m_availableUpdate; }
    bool hasUpdate() const { return m_availableUpdate.has_value(); }
    AppUpdate availableUpdateOrEmpty() const { return m_availableUpdate.value_or(AppUpdate{}); }
    bool isChecking() const { return m_isChecking; }
    QDateTime lastCheckDate() const { return m_lastCheckDate; }
    // Why the last check read no manifest, in words for people ("the server
    // answered 404 Not Found", "the connection was refused", "the field
    // "build" is missing", ...); empty after a check that read one.
    QString failureReason() const { return m_failureReason; }

    // The running launcher's version and build ("0.0.0" and 0 when unknown).
    static QString currentVersion();
    static qint64 currentBuild();
    // The rules behind the two, applied to the values fixed by the build.
    static QString currentVersionFrom(const QString &configured);
    static qint64 currentBuildFrom(const QString &configured);
    // A signed 64-bit decimal: an optional sign and ASCII digits, nothing else.
    static std::optional<qint64> parseDecimal(QStringView text);
    // True when candidate is strictly newer than current (dot-separated numbers).
    static bool isNewerVersion(const QString &candidate, const QString &current);

    // One check at once, then one every checkInterval.
    void startPeriodicChecks();
    void stopPeriodicChecks();
    // Starts one check unless one is in flight.
    Q_INVOKABLE void checkForUpdate();

    // 300 s and 10 s unless changed (tests shorten them).
    static constexpr std::chrono::milliseconds defaultCheckInterval{300000};
    static constexpr std::chrono::milliseconds defaultTransferTimeout{10000};
    void setCheckInterval(std::chrono::milliseconds interval);
    void setTransferTimeout(std::chrono::milliseconds timeout);
    // A manifest is a few hundred bytes; a body beyond this ends the check.
    static constexpr qint64 maxManifestSize = 1024 * 1024;

Q_SIGNALS:
    void availableUpdateChanged();
    void isCheckingChanged();
    void lastCheckDateChanged();
    // After every check, once the properties are updated: whether a manifest
    // was fetched and decoded (newer or not).
    void checkFinished(bool manifestRead);

private:
    void finishCheck(QNetworkReply *reply);
    // Why the reply, with the part of its body read, gave no manifest.
    QString describeFailure(const QNetworkReply *reply, const QByteArray &body,
                            const QString &decodeError) const;

    std::optional<AppUpdate> m_availableUpdate;
    bool m_isChecking = false;
    QDateTime m_lastCheckDate;
    QString m_failureReason;
    bool m_tooLarge = false;
    QTimer *m_timer = nullptr;
    QNetworkAccessManager *m_network = nullptr;
    QNetworkReply *m_reply = nullptr;
    std::chrono::milliseconds m_checkInterval = defaultCheckInterval;
    std::chrono::milliseconds m_transferTimeout = defaultTransferTimeout;
};
