// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class SteamCMDManager;

// Waits for the end of the manager's current download run (its finished(),
// after which the state and the console hold the run's last words); true at
// once when no run is under way, false on time-out.
bool waitForRunFinished(SteamCMDManager &manager, int timeoutMs = 30000);
