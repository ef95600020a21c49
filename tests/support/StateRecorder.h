// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "steam/SteamCMDState.h"

#include <QList>
#include <QObject>
#include <QStringList>

class SteamCMDManager;

// Follows one SteamCMDManager while it lives: every state it passes through,
// in order, so that a test compares the course of a run in one line.
class StateRecorder : public QObject
{
    Q_OBJECT

public:
    explicit StateRecorder(SteamCMDManager &manager);

    // The status texts in order of change, a patch download's percentages
    // collapsed into its first entry ("DOWNLOADING PATCH... 0%").
    QStringList states;
    // Every state, the patch download's included.
    QList<SteamCMDState> all;

    // The payloads of the states of one kind, in order: SteamCMD's progress
    // lines for Downloading, the messages for Failed.
    QStringList texts(SteamCMDState::Kind kind) const;
    // The patch download's fractions, in order.
    QList<double> patchFractions() const;

    // Forgets what was recorded so far.
    void clear()
    {
        states.clear();
        all.clear();
    }

    // Waits for the end of the manager's current run (see RunWait.h); false
    // on time-out.
    bool waitForRunFinished(int timeoutMs = 30000);

private:
    SteamCMDManager &m_manager;
};
