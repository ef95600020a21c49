// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class SteamCMDManager;

// Waits for the end of the manager's current download run (its finished(),
// after which the state and the console hold the run's last words); true at
// once when no run is under way, false on time-out.
bool waitForRunFinished(SteamCMDManager &manager, int timeoutMs = 30000);

#include "operation/Operation.h"

#include <QString>

#include <chrono>
#include <optional>

// What the SteamCMD installer did, run alone into the home's SteamCMD folder.
struct InstallerResult
{
    std::optional<Operation::Outcome> outcome; // none: it did not end in time
    QString message;
    QString console;
    bool succeeded() const { return outcome == Operation::Outcome::Succeeded; }
};
InstallerResult
runSteamCMDInstaller(std::chrono::milliseconds transferTimeout = std::chrono::milliseconds(60000));
