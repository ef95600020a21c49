// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/InstallFolderController.h"

#include "LogCategories.h"
#include "settings/LauncherSettings.h"
#include "steam/SteamCMDManager.h"

#include <QDir>

InstallFolderController::InstallFolderController(LauncherSettings *settings,
                                                 SteamCMDManager *steamCMD, QObject *parent)
    : QObject(parent), m_settings(settings), m_steamCMD(steamCMD)
{
    connect(m_settings, &LauncherSettings::installDirChanged, this,
            &InstallFolderController::installDirChanged);
}

InstallFolderController::~InstallFolderController() = default;

QString InstallFolderController::installDir() const
{
    return m_settings->installDir();
}

QString InstallFolderController::changeInstallDir(const QString &folder, bool moveData)
{
    if (folder.isEmpty() || !QDir::isAbsolutePath(folder))
        return QStringLiteral("The install folder must be an absolute path.");
    if (m_steamCMD && m_steamCMD->downloadUnderWay())
        return QStringLiteral("A download is running. Stop it before changing the install folder.");
    if (m_moveUnderWay)
        return QStringLiteral("The game data is being moved already.");
    if (moveData)
        return QStringLiteral("Moving the game data is not built yet.");
    if (!LauncherSettings::storeInstallDir(folder))
        return QStringLiteral("Could not store the install folder.");
    m_settings->reload();
    qCInfo(lcSettings) << "install folder is now" << m_settings->installDir();
    setMoveStatus(QStringLiteral("The game data now goes to %1.").arg(m_settings->installDir()));
    return QString();
}

void InstallFolderController::cancelMove() {}

void InstallFolderController::setMoveStatus(const QString &status)
{
    if (m_moveStatus == status)
        return;
    m_moveStatus = status;
    Q_EMIT moveStatusChanged();
}
