// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "operation/Operation.h"
#include "steam/SteamCMDState.h"

#include <QString>

// One start of SteamCMD as the download run sees it: it signs in, downloads
// and ends. It succeeds when SteamCMD exits with status 0 (SteamCMD's own
// verdict, also after a failure it reported on the way), fails with the
// failure it reported or with the text of its exit status, and is cancelled
// when it was aborted, whatever SteamCMD's last status. Whether to start
// SteamCMD again (after a self-update, or once after a missing
// configuration) is the run's business: it reads selfUpdated() and
// missingConfiguration() at the end.
class SteamCMDStage : public Operation
{
    Q_OBJECT

public:
    using Operation::Operation;

    // SteamCMD's status when it has updated itself and wants to be started again.
    static constexpr int selfUpdateStatus = 42;

    // Sends a Steam Guard code (already trimmed) to the waiting SteamCMD.
    virtual void submitSteamGuardCode(const QString &code) = 0;
    // Whether a SteamCMD child of this start is alive (one asked to stop
    // and not yet ended included).
    virtual bool hasChild() const = 0;

    // The status SteamCMD exited with by itself; -1 while running, or when
    // it was stopped, crashed or never started.
    int exitStatus() const { return m_exitStatus; }
    bool selfUpdated() const { return m_exitStatus == selfUpdateStatus; }
    // SteamCMD reported a missing app configuration, and this start was
    // allowed to leave it unexplained for one more try.
    bool missingConfiguration() const { return m_missingConfiguration; }

Q_SIGNALS:
    void stateChanged(const SteamCMDState &state);
    // A failure that decides the run, found in SteamCMD's output before it
    // exits; the run shows it at once.
    void failureFound(const LocalizedText &message);
    // SteamCMD said the account does not own the game.
    void purchaseRequired();
    void failureExplanationChanged(const QString &explanation);
    void awaitingApprovalChanged(bool awaiting);
    // The phase, size, speed and time left of SteamCMD's download ("" for none).
    void progressDetailChanged(const QString &detail);

protected:
    void setExitStatus(int status) { m_exitStatus = status; }
    void setMissingConfiguration() { m_missingConfiguration = true; }

private:
    int m_exitStatus = -1;
    bool m_missingConfiguration = false;
};
