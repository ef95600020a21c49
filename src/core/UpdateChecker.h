#pragma once

#include "AppUpdate.h"

#include <QDateTime>
#include <QObject>

#include <optional>

class QNetworkAccessManager;
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

    // The running launcher's version and build ("0.0.0" and 0 when unknown).
    static QString currentVersion();
    static qint64 currentBuild();
    // True when candidate is strictly newer than current (dot-separated numbers).
    static bool isNewerVersion(const QString &candidate, const QString &current);

    // One check at once, then one every checkInterval.
    void startPeriodicChecks();
    void stopPeriodicChecks();
    // Starts one check unless one is in flight.
    Q_INVOKABLE void checkForUpdate();

Q_SIGNALS:
    void availableUpdateChanged();
    void isCheckingChanged();
    void lastCheckDateChanged();

private:
    std::optional<AppUpdate> m_availableUpdate;
    bool m_isChecking = false;
    QDateTime m_lastCheckDate;
    QTimer *m_timer = nullptr;
    QNetworkAccessManager *m_network = nullptr;
};
