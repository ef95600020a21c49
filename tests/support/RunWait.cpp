// SPDX-License-Identifier: GPL-3.0-or-later
#include "RunWait.h"

#include "SteamCMDManager.h"

#include <QSignalSpy>

bool waitForRunFinished(SteamCMDManager &manager, int timeoutMs)
{
    if (!manager.currentRun())
        return true;
    QSignalSpy finished(&manager, &SteamCMDManager::runFinished);
    return finished.wait(timeoutMs);
}
