// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SteamCMDOutput.h"
#include "SteamCMDState.h"

#include <QObject>
#include <QString>

#include <chrono>

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
    };

    DownloadRun(QNetworkAccessManager *network, Paths paths, Settings settings, QString username,
                QString password, QObject *parent = nullptr);
    ~DownloadRun() override;

    // Begins the run; it may end before this returns (a folder that cannot
    // be made, a SteamCMD that cannot be started).
    void start(bool steamCMDInstalled);
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
    // A line for under the status while the patch downloads (size done,
    // total, speed, time left); empty when there is none.
    void detailChanged(const QString &text);
    // hasActiveWork() or hasSteamCMDChild() may have changed.
    void activityChanged();
    void finished(DownloadRun::Outcome outcome);

private:
    void setState(const SteamCMDState &state);
    void log(const QString &text);
    void install();
    void launchSteamCMD();
    void onOutput(const QString &text);
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
    SteamCMDOutput m_output;
    PatchInstaller *m_patch = nullptr;
    int m_selfUpdateRestarts = 0;
    bool m_cancelled = false;
    bool m_abandoned = false;
    bool m_finished = false;
    Outcome m_outcome = Outcome::Failed;
};
