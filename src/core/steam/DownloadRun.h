// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SteamCMDReader.h"
#include "SteamCMDState.h"

#include <QObject>
#include <QString>

#include <chrono>

class DownloadProgress;
class PatchInstaller;
class QNetworkAccessManager;
class SteamCMDInstaller;
class SteamCMDProcess;

// One download run: install SteamCMD if it is missing, run it (again after
// each self-update, a bounded number of times), fix the depot up, apply the
// community patch. Each stage reports to the run, which moves to the next
// one or ends. State and console changes are emitted at once, in the order
// they happen; the run ends in exactly one outcome and one finished().
class DownloadRun : public QObject
{
    Q_OBJECT

public:
    enum class Outcome
    {
        Succeeded, // the assets are ready
        Failed,    // state() holds the message
        Cancelled, // cancel() was asked for and the run did not complete
    };
    Q_ENUM(Outcome)

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
    };

    DownloadRun(QNetworkAccessManager *network, Paths paths, Settings settings, QString username,
                QString password, QObject *parent = nullptr);
    ~DownloadRun() override;

    // Begins the run; it may end before this returns (a folder that cannot
    // be made, a SteamCMD that cannot be started).
    void start(bool steamCMDInstalled);
    // Ends the run at once with a message, before anything has started
    // (another download holds the install).
    void refuse(const QString &message);
    // Sends a Steam Guard code (already trimmed) to the waiting SteamCMD.
    void submitSteamGuardCode(const QString &code);
    // Stops the SteamCMD child, if there is one, and shows idle. The child's
    // exit is judged as any other (status 0 still runs the later stages); an
    // install or patch under way goes on.
    void cancel();
    // Ends the workflow with a message: failed state, then the console line
    // "\n[✗] <message>\n". Stops nothing by itself.
    void fail(const QString &message);
    // The run was replaced by a newer one: it stops its children and drops
    // its downloads, says nothing more, and deletes itself once no child of
    // it is left.
    void abandon();

    SteamCMDState state() const { return m_state; }
    // What SteamCMD's last failure means and what to do, or empty.
    QString failureExplanation() const { return m_explanation; }
    // Whether SteamCMD waits for the sign-in to be approved on the phone.
    bool awaitingApproval() const { return m_awaitingApproval; }
    bool isFinished() const { return m_finished; }
    Outcome outcome() const { return m_outcome; }
    bool hasSteamCMDChild() const { return m_process != nullptr; }
    // A child, a download or an install of this run is under way.
    bool hasActiveWork() const;

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
    void finished(DownloadRun::Outcome outcome);

private:
    void setState(const SteamCMDState &state);
    void log(const QString &text);
    void install();
    void launchSteamCMD();
    void onOutput(const QString &text);
    void onEvent(const SteamCMDReader::Event &event);
    void onFailure(const SteamFailure &failure);
    void onPasswordPrompt();
    bool retryAfterMissingConfiguration();
    void setExplanation(const QString &explanation);
    void setAwaitingApproval(bool awaiting);
    void onSteamCMDEnded(int status);
    void applyPatch();
    void finish();
    void releaseIfIdle();

    QNetworkAccessManager *m_network;
    Paths m_paths;
    Settings m_settings;
    QString m_username;
    QString m_password;

    SteamCMDState m_state;
    SteamCMDInstaller *m_installer = nullptr;
    SteamCMDProcess *m_process = nullptr;
    SteamCMDReader m_reader;
    DownloadProgress *m_progress;
    PatchInstaller *m_patch = nullptr;
    int m_selfUpdateRestarts = 0;
    // Per SteamCMD start: the password was typed at its prompt; a failure
    // that ends the start was found (later output changes no state).
    bool m_passwordTyped = false;
    bool m_stopping = false;
    // "Missing configuration" was seen and may be retried once per run.
    bool m_missingConfiguration = false;
    bool m_retriedConfiguration = false;
    bool m_awaitingApproval = false;
    QString m_explanation;
    bool m_cancelled = false;
    bool m_abandoned = false;
    bool m_finished = false;
    Outcome m_outcome = Outcome::Failed;
};
