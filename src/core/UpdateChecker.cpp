#include "UpdateChecker.h"

#include "BuildConfig.h"

// Placeholder until the checker lands: knows its version, checks nothing.
UpdateChecker::UpdateChecker(QObject *parent) : QObject(parent) {}

UpdateChecker::~UpdateChecker() = default;

QString UpdateChecker::currentVersion()
{
    return QString::fromLatin1(BuildConfig::version);
}

qint64 UpdateChecker::currentBuild()
{
    return QByteArray(BuildConfig::buildNumber).toLongLong();
}

bool UpdateChecker::isNewerVersion(const QString &, const QString &)
{
    return false;
}

void UpdateChecker::startPeriodicChecks() {}

void UpdateChecker::stopPeriodicChecks() {}

void UpdateChecker::checkForUpdate() {}
