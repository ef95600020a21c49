// SPDX-License-Identifier: GPL-3.0-or-later
#include "StateRecorder.h"

#include "RunWait.h"
#include "steam/SteamCMDManager.h"

using Kind = SteamCMDState::Kind;

StateRecorder::StateRecorder(SteamCMDManager &manager) : m_manager(manager)
{
    connect(&manager, &SteamCMDManager::stateChanged, this, [this] {
        const SteamCMDState state = m_manager.state();
        const bool patchGoesOn = state.kind() == Kind::DownloadingPatch && !all.isEmpty() &&
                                 all.last().kind() == Kind::DownloadingPatch;
        all.append(state);
        if (!patchGoesOn)
            states.append(state.statusText());
    });
}

QStringList StateRecorder::texts(SteamCMDState::Kind kind) const
{
    QStringList found;
    for (const SteamCMDState &state : all) {
        if (state.kind() == kind)
            found.append(state.text());
    }
    return found;
}

QList<double> StateRecorder::patchFractions() const
{
    QList<double> found;
    for (const SteamCMDState &state : all) {
        if (state.kind() == Kind::DownloadingPatch)
            found.append(state.progress());
    }
    return found;
}

bool StateRecorder::waitForRunFinished(int timeoutMs)
{
    return ::waitForRunFinished(m_manager, timeoutMs);
}
