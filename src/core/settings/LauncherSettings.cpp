// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/LauncherSettings.h"

#include "LogCategories.h"
#include "l10n/Translations.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace {

QString textValue(const QString &key)
{
    const QVariant value = QSettings().value(key);
    // A hand-edited list or other non-text value counts as not set.
    return value.typeId() == QMetaType::QString ? value.toString() : QString();
}

bool boolValue(const QString &key, bool fallback)
{
    const QString text = textValue(key).trimmed().toLower();
    if (text == QLatin1String("true"))
        return true;
    if (text == QLatin1String("false"))
        return false;
    return fallback;
}

} // namespace

LauncherSettings::LauncherSettings(QObject *parent) : QObject(parent)
{
    reload();
}

QString LauncherSettings::installDirKey()
{
    return QStringLiteral("steamInstallDir");
}

QString LauncherSettings::launchWrapperKey()
{
    return QStringLiteral("launchWrapper");
}

QString LauncherSettings::launchArgumentsKey()
{
    return QStringLiteral("launchArguments");
}

QString LauncherSettings::launchEnvironmentKey()
{
    return QStringLiteral("launchEnvironment");
}

QString LauncherSettings::downloadLimitKey()
{
    return QStringLiteral("downloadLimitKBps");
}

QString LauncherSettings::notifyWhenDoneKey()
{
    return QStringLiteral("notifyWhenDone");
}

QString LauncherSettings::showTaskbarProgressKey()
{
    return QStringLiteral("showTaskbarProgress");
}

QString LauncherSettings::languageKey()
{
    return QStringLiteral("language");
}

QString LauncherSettings::defaultInstallDir()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
           QStringLiteral("/Vantor Online");
}

QString LauncherSettings::storedInstallDir()
{
    const QString stored = textValue(installDirKey());
    // A relative path would follow the working folder of whoever reads it.
    if (stored.isEmpty() || !QDir::isAbsolutePath(stored))
        return defaultInstallDir();
    return QDir::cleanPath(stored);
}

bool LauncherSettings::storeInstallDir(const QString &folder)
{
    const QString clean =
        folder.isEmpty() ? QString() : QDir::cleanPath(QDir(folder).absolutePath());
    return store(installDirKey(), clean == defaultInstallDir() ? QString() : clean);
}

QString LauncherSettings::storedLaunchWrapper()
{
    return textValue(launchWrapperKey());
}

QString LauncherSettings::storedLaunchArguments()
{
    return textValue(launchArgumentsKey());
}

QString LauncherSettings::storedLaunchEnvironment()
{
    return textValue(launchEnvironmentKey());
}

int LauncherSettings::storedDownloadLimit()
{
    bool ok = false;
    const int limit = textValue(downloadLimitKey()).trimmed().toInt(&ok);
    return ok && limit > 0 && limit <= kMaxDownloadLimit ? limit : 0;
}

bool LauncherSettings::storedNotifyWhenDone()
{
    return boolValue(notifyWhenDoneKey(), true);
}

bool LauncherSettings::storedShowTaskbarProgress()
{
    return boolValue(showTaskbarProgressKey(), true);
}

QString LauncherSettings::storedLanguage()
{
    const QString code = textValue(languageKey()).trimmed();
    for (const Translations::Language &language : Translations::languages()) {
        if (language.code == code)
            return code;
    }
    return QString();
}

QVariantList LauncherSettings::languageChoices()
{
    QVariantList choices{QVariantMap{{QStringLiteral("code"), QString()},
                                     //: The language choice that follows the desktop's language.
                                     {QStringLiteral("name"), tr("System default")}}};
    for (const Translations::Language &language : Translations::languages())
        choices.append(QVariantMap{{QStringLiteral("code"), language.code},
                                   {QStringLiteral("name"), language.nativeName}});
    return choices;
}

bool LauncherSettings::store(const QString &key, const QVariant &value)
{
    QSettings settings;
    // Defaults are not written: a file with nothing set stays as it was.
    const bool isDefault = !value.isValid() ||
                           (value.typeId() == QMetaType::QString && value.toString().isEmpty()) ||
                           (value.typeId() == QMetaType::Int && value.toInt() == 0) ||
                           (value.typeId() == QMetaType::Bool && value.toBool());
    if (isDefault)
        settings.remove(key);
    else if (value.typeId() == QMetaType::Bool)
        settings.setValue(key, QStringLiteral("false"));
    else
        settings.setValue(key, value.toString());
    settings.sync();
    if (settings.status() != QSettings::NoError) {
        qCWarning(lcSettings) << "could not store" << key << "in" << settings.fileName();
        return false;
    }
    return true;
}

bool LauncherSettings::isDefaultInstallDir() const
{
    return installDir() == defaultInstallDir();
}

void LauncherSettings::setLaunchWrapper(const QString &wrapper)
{
    store(launchWrapperKey(), wrapper);
    reload();
}

void LauncherSettings::setLaunchArguments(const QString &arguments)
{
    store(launchArgumentsKey(), arguments);
    reload();
}

void LauncherSettings::setLaunchEnvironment(const QString &environment)
{
    store(launchEnvironmentKey(), environment);
    reload();
}

void LauncherSettings::setDownloadLimit(int kilobytesPerSecond)
{
    store(downloadLimitKey(), kilobytesPerSecond > 0 && kilobytesPerSecond <= kMaxDownloadLimit
                                  ? kilobytesPerSecond
                                  : 0);
    reload();
}

void LauncherSettings::setNotifyWhenDone(bool notify)
{
    store(notifyWhenDoneKey(), notify);
    reload();
}

void LauncherSettings::setShowTaskbarProgress(bool show)
{
    store(showTaskbarProgressKey(), show);
    reload();
}

void LauncherSettings::setLanguage(const QString &code)
{
    store(languageKey(), code);
    reload();
}

void LauncherSettings::reload()
{
    // Each property compared with what was last announced, so that a signal
    // always means a change (the file may have been changed by the command
    // line meanwhile).
    auto update = [this](auto &member, auto value, void (LauncherSettings::*changed)()) {
        if (member == value)
            return;
        member = value;
        Q_EMIT(this->*changed)();
    };
    update(m_installDir, storedInstallDir(), &LauncherSettings::installDirChanged);
    update(m_launchWrapper, storedLaunchWrapper(), &LauncherSettings::launchWrapperChanged);
    update(m_launchArguments, storedLaunchArguments(), &LauncherSettings::launchArgumentsChanged);
    update(m_launchEnvironment, storedLaunchEnvironment(),
           &LauncherSettings::launchEnvironmentChanged);
    update(m_downloadLimit, storedDownloadLimit(), &LauncherSettings::downloadLimitChanged);
    update(m_notifyWhenDone, storedNotifyWhenDone(), &LauncherSettings::notifyWhenDoneChanged);
    update(m_showTaskbarProgress, storedShowTaskbarProgress(),
           &LauncherSettings::showTaskbarProgressChanged);
    update(m_language, storedLanguage(), &LauncherSettings::languageChanged);
}
