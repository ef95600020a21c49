// SPDX-License-Identifier: GPL-3.0-or-later
#include "RunWait.h"

#include "game/GameFolders.h"
#include "steam/SteamCMDInstaller.h"
#include "steam/SteamCMDManager.h"

#include <QNetworkAccessManager>

#include <QSignalSpy>

bool waitForRunFinished(SteamCMDManager &manager, int timeoutMs)
{
    if (!manager.currentRun())
        return true;
    QSignalSpy finished(&manager, &SteamCMDManager::runFinished);
    return finished.wait(timeoutMs);
}

InstallerResult runSteamCMDInstaller(std::chrono::milliseconds transferTimeout)
{
    QNetworkAccessManager network;
    SteamCMDInstaller installer(&network, GameFolders::steamCMDDir(),
                                GameFolders::steamCMDBinary());
    installer.setTransferTimeout(transferTimeout);
    InstallerResult result;
    QObject::connect(&installer, &Operation::log,
                     [&result](const QString &text) { result.console += text; });
    QSignalSpy finished(&installer, &Operation::finished);
    installer.start();
    if (finished.isEmpty() && !finished.wait(20000))
        return result;
    result.outcome = installer.outcome();
    result.message = installer.message();
    return result;
}
