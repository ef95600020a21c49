// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "steam/DownloadRun.h"
#include "steam/SteamCMDState.h"
#include "steam/SteamDownloadStages.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <chrono>
#include <functional>
#include <memory>

class InstallLock;
class QNetworkAccessManager;
class RunLog;

// Acquires the game's data through SteamCMD: the face the window and the
// commands see. Each startDownload() makes one DownloadRun, whose state and
// console this object publishes as they change; when the run ends (or a
// newer one replaces it) it is dropped. Every published property changes on
// the main thread, directly and in order.
class SteamCMDManager : public QObject
{
    Q_OBJECT
    Q_PROPERTY(SteamCMDState state READ state NOTIFY stateChanged)
    // The state's parts, for views that cannot read a gadget's members.
    Q_PROPERTY(QString statusText READ statusText NOTIFY stateChanged)
    // The same in the player's language, for the window.
    Q_PROPERTY(QString translatedStatusText READ translatedStatusText NOTIFY stateChanged)
    Q_PROPERTY(bool isRunning READ isRunning NOTIFY stateChanged)
    Q_PROPERTY(SteamCMDState::Kind stateKind READ stateKind NOTIFY stateChanged)
    Q_PROPERTY(QString consoleLog READ consoleLog NOTIFY consoleLogChanged)
    Q_PROPERTY(QString steamGuardCode READ steamGuardCode WRITE setSteamGuardCode NOTIFY
                   steamGuardCodeChanged)
    Q_PROPERTY(bool showPurchaseAlert READ showPurchaseAlert WRITE setShowPurchaseAlert NOTIFY
                   showPurchaseAlertChanged)
    Q_PROPERTY(QString lastUsername READ lastUsername NOTIFY lastUsernameChanged)
    Q_PROPERTY(QString storeURL READ storeURL CONSTANT)
    Q_PROPERTY(QString installDir READ installDir CONSTANT)
    // Whether a run, or a replaced run still stopping, is under way. A failed
    // state can still move on while this is true (an exit 0 after a
    // reported failure runs the success path).
    Q_PROPERTY(bool hasActiveWork READ hasActiveWork NOTIFY activeWorkChanged)
    // A download run has started and has neither ended nor been cancelled,
    // the Steam Guard wait included (where isRunning is false): what the
    // window offers CANCEL for, and no second DOWNLOAD ASSETS or LAUNCH.
    Q_PROPERTY(bool downloadUnderWay READ downloadUnderWay NOTIFY downloadUnderWayChanged)
    // Shown under the status line: what a failure means and what to do; the
    // phone approval SteamCMD waits for; size, speed and time left of the
    // download. Each empty when there is nothing to say.
    Q_PROPERTY(QString failureExplanation READ failureExplanation NOTIFY failureExplanationChanged)
    Q_PROPERTY(QString approvalPrompt READ approvalPrompt NOTIFY approvalPromptChanged)
    Q_PROPERTY(QString progressDetail READ progressDetail NOTIFY progressDetailChanged)

public:
    explicit SteamCMDManager(QObject *parent = nullptr);
    ~SteamCMDManager() override;

    // The Steam application identifier of the game.
    static QString appID();
    // The game's page on Steam's store.
    static QString storeURL();

    SteamCMDState state() const { return m_state; }
    QString statusText() const { return m_state.statusText(); }
    QString translatedStatusText() const { return m_state.translatedStatusText(); }
    bool isRunning() const { return m_state.isRunning(); }
    SteamCMDState::Kind stateKind() const { return m_state.kind(); }
    QString consoleLog() const { return m_consoleLog; }
    QString steamGuardCode() const { return m_steamGuardCode; }
    void setSteamGuardCode(const QString &code);
    bool showPurchaseAlert() const { return m_showPurchaseAlert; }
    void setShowPurchaseAlert(bool show);
    QString lastUsername() const { return m_lastUsername; }
    QString failureExplanation() const { return m_failureExplanation; }
    QString approvalPrompt() const { return m_approvalPrompt; }
    QString progressDetail() const { return m_progressDetail; }

    // Where each run's console is kept as a file, the last few runs.
    static QString logFolder();

    // Folder layout, derived afresh on every read; reading creates nothing.
    QString supportDir() const;     // <data home>/Vantor Online
    QString steamCMDDir() const;    // supportDir/steamcmd
    QString steamCMDBinary() const; // steamCMDDir/steamcmd.sh (Linux), steamcmd (macOS)
    QString installDir() const;     // <Documents>/Vantor Online
    QString assetsDir() const;      // installDir/Assets
    QString baseGameDir() const;    // installDir/DL_Vantor
    bool isSteamCMDInstalled() const;
    bool areAssetsValid() const;

    // Makes the stages of each run from its account; the real ones unless
    // changed (tests and the screenshot scenes give stand-ins).
    using StagesFactory = std::function<std::unique_ptr<DownloadStages>(const QString &username,
                                                                        const QString &password)>;
    void setStagesFactory(StagesFactory factory) { m_stagesFactory = std::move(factory); }

    // Asked as each download starts: a non-empty answer refuses the run
    // with that message as its failure (the console's "[✗] " line and the
    // status). Whoever changes the install folder's data (a move) sets it.
    using Blocker = std::function<LocalizedText()>;
    void setBlocker(Blocker blocker) { m_blocker = std::move(blocker); }

    // Starts a download run with the account's credentials, unless a workflow
    // is busy. A run still alive (its SteamCMD waiting for a Steam Guard
    // code, or failed but not yet ended) is replaced: its child is stopped
    // and nothing of it touches the new run afterwards.
    Q_INVOKABLE void startDownload(const QString &username, const QString &password);
    // Sends the typed Steam Guard code to the waiting SteamCMD.
    Q_INVOKABLE void submitSteamGuard();
    // Stops the current run, whatever stage it is in, and returns to idle;
    // the run ends cancelled once that stage has stopped.
    Q_INVOKABLE void cancel();

    // The run under way, from startDownload() until its finished(); nullptr
    // otherwise. runFinished() follows the run's finished().
    DownloadRun *currentRun() const { return m_run; }

    bool hasActiveWork() const { return m_activeWork; }
    bool downloadUnderWay() const { return m_downloadUnderWay; }
    // Whether a SteamCMD child of any run is still alive (including one that
    // was asked to stop and has not ended yet).
    bool hasSteamCMDChild() const;

    // Whether SteamCMD runs on a pseudo-terminal (the default) or, as where
    // none can be opened, with three pipes.
    void setUsePseudoTerminal(bool use) { m_runSettings.usePseudoTerminal = use; }
    // How long a SteamCMD child asked to stop may take before it is killed.
    void setStopGracePeriod(int milliseconds) { m_runSettings.stopGraceMs = milliseconds; }
    // How long SteamCMD may go without new output while it downloads before
    // the console says it has stalled (five minutes unless changed).
    void setStallLimit(std::chrono::milliseconds limit) { m_runSettings.stallLimit = limit; }

    // How long the SteamCMD and patch downloads wait without receiving a
    // byte before they give up (a minute unless changed; tests shorten it).
    static constexpr std::chrono::milliseconds defaultTransferTimeout{60000};
    void setTransferTimeout(std::chrono::milliseconds timeout)
    {
        m_runSettings.transferTimeout = timeout;
    }
    std::chrono::milliseconds transferTimeout() const { return m_runSettings.transferTimeout; }

Q_SIGNALS:
    void stateChanged();
    void consoleLogChanged();
    // The console grew by text (consoleLogChanged() follows).
    void consoleAppended(const QString &text);
    // The console was emptied (consoleLogChanged() follows).
    void consoleCleared();
    void steamGuardCodeChanged();
    void showPurchaseAlertChanged();
    void lastUsernameChanged();
    void failureExplanationChanged();
    void approvalPromptChanged();
    void progressDetailChanged();
    // hasActiveWork() or hasSteamCMDChild() changed.
    void activeWorkChanged();
    void downloadUnderWayChanged();
    // The run started by startDownload() has ended, in this outcome; the
    // state and the console hold its last words.
    void runFinished(DownloadRun::Outcome outcome);

private:
    void setState(const SteamCMDState &state);
    void setLastUsername(const QString &username);
    void setFailureExplanation(const QString &text);
    void setApprovalPrompt(const QString &text);
    void setProgressDetail(const QString &text);
    void appendLog(const QString &text);
    void clearConsole();
    QNetworkAccessManager *network();
    SteamDownloadStages::Paths paths() const;
    std::unique_ptr<DownloadStages> makeStages(const QString &username, const QString &password);
    void onRunFinished(DownloadRun *run, DownloadRun::Outcome outcome);
    void updateActiveWork();
    void updateDownloadUnderWay();

    SteamCMDState m_state;
    QString m_consoleLog;
    QString m_steamGuardCode;
    bool m_showPurchaseAlert = false;
    QString m_lastUsername;
    QString m_failureExplanation;
    QString m_approvalPrompt;
    QString m_progressDetail;
    // One download per install at a time, across processes; held from a
    // run's start until no child of any run of this manager is left.
    std::unique_ptr<InstallLock> m_lock;
    std::unique_ptr<RunLog> m_runLog;
    SteamDownloadStages::Settings m_runSettings;
    StagesFactory m_stagesFactory;
    Blocker m_blocker;
    QNetworkAccessManager *m_network = nullptr;

    DownloadRun *m_run = nullptr;
    // Replaced runs still stopping; each deletes itself when it has ended.
    QList<QPointer<DownloadRun>> m_replaced;
    bool m_activeWork = false;
    bool m_downloadUnderWay = false;
    bool m_hadSteamCMDChild = false;
};
