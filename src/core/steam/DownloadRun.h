// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "operation/Operation.h"
#include "steam/SteamCMDState.h"
#include "transfer/TransferRate.h"

#include <QElapsedTimer>
#include <QString>

#include <functional>
#include <memory>

class DownloadStages;
class SteamCMDStage;

// One download run, as a sequence of operations made by the stages it is
// given: install SteamCMD if it is missing, start SteamCMD (again after each
// self-update, a bounded number of times, and once more after a missing
// configuration), fix the depot up, then download, check and unpack the
// community patch. State and console changes are emitted at once, in the
// order they happen; the run ends in exactly one outcome and one finished().
//
// Cancelling aborts whatever stage runs and starts no other after it,
// whatever that stage's own end: the run ends cancelled once the stage has
// stopped, and the state stays idle meanwhile.
class DownloadRun : public Operation
{
    Q_OBJECT

public:
    using Outcome = Operation::Outcome;

    explicit DownloadRun(std::unique_ptr<DownloadStages> stages, QObject *parent = nullptr);
    ~DownloadRun() override;

    // Ends the run with a message instead of starting it (another download
    // holds the install).
    void refuse(const LocalizedText &message);
    // Sends a Steam Guard code (already trimmed) to the waiting SteamCMD.
    void submitSteamGuardCode(const QString &code);
    // Shows idle and "--- CANCELLED ---", then aborts the stage under way.
    void cancel() { abort(); }
    // The run was replaced by a newer one: it stops what it runs and
    // deletes itself once that has ended.
    void abandon();

    SteamCMDState state() const { return m_state; }
    // What SteamCMD's last failure means and what to do, or empty.
    QString failureExplanation() const { return m_explanation; }
    // Whether SteamCMD waits for the sign-in to be approved on the phone.
    bool awaitingApproval() const { return m_awaitingApproval; }
    // Whether a SteamCMD child of this run is alive.
    bool hasSteamCMDChild() const;
    // A stage of this run is under way (one being stopped included).
    bool hasActiveWork() const { return isRunning(); }

    // Restarts in a row after self-updates before the run gives up: one is
    // normal, a SteamCMD that asks for ever would otherwise spin for ever.
    static constexpr int maxSelfUpdateRestarts = 5;

Q_SIGNALS:
    void stateChanged(const SteamCMDState &state);
    void consoleAppended(const QString &text);
    // SteamCMD said the account does not own the game.
    void purchaseRequired();
    void failureExplanationChanged(const QString &explanation);
    void awaitingApprovalChanged(bool awaiting);
    // A line for under the status: the phase, size, speed and time left of
    // SteamCMD's download or of the patch download ("" for none).
    void progressDetailChanged(const QString &detail);
    // hasActiveWork() or hasSteamCMDChild() may have changed.
    void activityChanged();

protected:
    void run() override;
    void onAbort() override;

private:
    using StageEnd = std::function<void(Outcome outcome, const LocalizedText &message)>;
    void runStage(Operation *stage, StageEnd onEnd);
    void setState(const SteamCMDState &state);
    void setExplanation(const QString &explanation);
    void setAwaitingApproval(bool awaiting);
    void setDetail(const QString &detail);
    void log(const QString &text);
    // The failed state and the console line "\n[✗] <message>\n".
    void showFailure(const LocalizedText &message);
    void failRun(const LocalizedText &message);
    void install();
    void launchSteamCMD();
    void onSteamCMDEnded(SteamCMDStage *steam, Outcome outcome, const LocalizedText &message);
    void downloadPatch();
    void patchProgressed(qint64 done, qint64 total);
    void checkPatch();
    void unpackPatch();

    std::unique_ptr<DownloadStages> m_stages;
    SteamCMDState m_state;
    // The stage under way, and the same as SteamCMD's when it is one.
    Operation *m_stage = nullptr;
    SteamCMDStage *m_steam = nullptr;
    int m_selfUpdateRestarts = 0;
    // "Missing configuration" may be retried once per run.
    bool m_retriedConfiguration = false;
    bool m_awaitingApproval = false;
    QString m_explanation;
    QString m_detail;
    LocalizedText m_refusal;
    TransferRate m_rate;
    QElapsedTimer m_sinceDetail;
};
