// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "steam/DownloadStages.h"

#include <QPointer>
#include <QString>

#include <chrono>

class PatchCheck;
class PatchDownload;
class QNetworkAccessManager;

// The real stages of a download run: SteamCMD's installer and SteamCMD
// itself with the run's account, the depot fix-up and the community patch.
// The patch's three steps are asked for in their order, each after the one
// before has succeeded.
class SteamDownloadStages : public DownloadStages
{
public:
    // Where things go; the manager's folder layout at the start of the run.
    struct Paths
    {
        QString steamCMDDir;
        QString steamCMDBinary;
        QString installDir;
        QString assetsDir;
        QString baseGameDir;
    };
    struct Settings
    {
        bool usePseudoTerminal = true;
        int stopGraceMs = 10'000;
        std::chrono::milliseconds transferTimeout{60000};
        // No new output from SteamCMD for this long while it downloads or
        // validates is said in the console.
        std::chrono::milliseconds stallLimit{std::chrono::minutes(5)};
        // Kilobytes (1000 bytes) per second SteamCMD and the patch download
        // are each held to; 0: no limit.
        int downloadLimitKBps = 0;
    };

    // `network` must outlive the stages made.
    SteamDownloadStages(QNetworkAccessManager *network, Paths paths, Settings settings,
                        QString username, QString password);

    bool isSteamCMDInstalled() const override;
    Operation *installSteamCMD(QObject *parent) override;
    SteamCMDStage *startSteamCMD(bool mayRetryConfiguration, QObject *parent) override;
    void fixUpAssets(const std::function<void(const QString &)> &log) override;
    Operation *downloadPatch(QObject *parent) override;
    Operation *checkPatch(QObject *parent) override;
    Operation *unpackPatch(QObject *parent) override;

    // The Steam application identifier of the game.
    static QString appID();

private:
    QNetworkAccessManager *m_network;
    Paths m_paths;
    Settings m_settings;
    QString m_username;
    QString m_password;
    // The patch steps hand on what they learnt: the download its reading
    // of the data, the check the sizes the unpack is held to.
    QPointer<PatchDownload> m_patchDownload;
    QPointer<PatchCheck> m_patchCheck;
};
