// SPDX-License-Identifier: GPL-3.0-or-later
#include "steam/SteamDownloadStages.h"

#include "Endpoints.h"
#include "patch/PatchCheck.h"
#include "patch/PatchDownload.h"
#include "patch/PatchUnpack.h"
#include "patch/ZipStreamCheck.h"
#include "steam/AssetFixup.h"
#include "steam/SteamCMDInstaller.h"
#include "steam/SteamCMDSession.h"

#include <QFileInfo>

SteamDownloadStages::SteamDownloadStages(QNetworkAccessManager *network, Paths paths,
                                         Settings settings, QString username, QString password)
    : m_network(network), m_paths(std::move(paths)), m_settings(settings),
      m_username(std::move(username)), m_password(std::move(password))
{}

QString SteamDownloadStages::appID()
{
    return QStringLiteral("4187530");
}

bool SteamDownloadStages::isSteamCMDInstalled() const
{
    return QFileInfo::exists(m_paths.steamCMDBinary);
}

Operation *SteamDownloadStages::installSteamCMD(QObject *parent)
{
    auto *installer =
        new SteamCMDInstaller(m_network, m_paths.steamCMDDir, m_paths.steamCMDBinary, parent);
    installer->setTransferTimeout(m_settings.transferTimeout);
    return installer;
}

SteamCMDStage *SteamDownloadStages::startSteamCMD(bool mayRetryConfiguration, QObject *parent)
{
    SteamCMDSession::Setup setup;
    setup.binary = m_paths.steamCMDBinary;
    setup.steamCMDDir = m_paths.steamCMDDir;
    setup.assetsDir = m_paths.assetsDir;
    setup.appID = appID();
    setup.username = m_username;
    setup.password = m_password;
    setup.usePseudoTerminal = m_settings.usePseudoTerminal;
    setup.stopGraceMs = m_settings.stopGraceMs;
    setup.stallLimit = m_settings.stallLimit;
    setup.mayRetryConfiguration = mayRetryConfiguration;
    setup.downloadLimitKBps = m_settings.downloadLimitKBps;
    return new SteamCMDSession(std::move(setup), parent);
}

void SteamDownloadStages::fixUpAssets(const std::function<void(const QString &)> &log)
{
    AssetFixup::reorganizeAssets(m_paths.assetsDir, m_paths.baseGameDir, log);
    AssetFixup::cleanRNPatchFiles(m_paths.assetsDir, m_paths.installDir, log);
}

Operation *SteamDownloadStages::downloadPatch(QObject *parent)
{
    m_patchDownload = new PatchDownload(m_network, Endpoints::communityPatch(),
                                        m_paths.installDir + QStringLiteral("/temp_patch.zip"),
                                        m_settings.transferTimeout, parent);
    m_patchDownload->setRateLimit(qint64(m_settings.downloadLimitKBps) * 1000);
    return m_patchDownload;
}

Operation *SteamDownloadStages::checkPatch(QObject *parent)
{
    Q_ASSERT(m_patchDownload);
    m_patchCheck =
        new PatchCheck(m_patchDownload->archivePath(), m_patchDownload->takeStreamCheck(), parent);
    return m_patchCheck;
}

Operation *SteamDownloadStages::unpackPatch(QObject *parent)
{
    Q_ASSERT(m_patchCheck);
    return new PatchUnpack(m_patchCheck->archivePath(), m_paths.installDir,
                           m_patchCheck->declaredBytes(), m_patchCheck->largestEntryBytes(),
                           parent);
}
