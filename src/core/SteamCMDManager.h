#pragma once

#include "SteamCMDState.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <chrono>
#include <functional>
#include <memory>

class QNetworkAccessManager;
class QNetworkReply;
class PseudoTerminal;
class QProcess;
class QTemporaryFile;
class Utf8StreamDecoder;

// Acquires the game's data through SteamCMD: installs SteamCMD, runs the
// download, fixes the depot up and applies the community patch. Every
// published property changes on the main thread; console lines and state
// changes are posted to the event loop so they apply in the order written.
class SteamCMDManager : public QObject
{
    Q_OBJECT
    Q_PROPERTY(SteamCMDState state READ state NOTIFY stateChanged)
    // The state's parts, for views that cannot read a gadget's members.
    Q_PROPERTY(QString statusText READ statusText NOTIFY stateChanged)
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
    // Whether a SteamCMD child, the SteamCMD install, a patch download or unzip
    // is still under way. A failed state can still move on while this is true
    // (an exit 0 after a reported failure runs the success path).
    Q_PROPERTY(bool hasActiveWork READ hasActiveWork NOTIFY activeWorkChanged)

public:
    explicit SteamCMDManager(QObject *parent = nullptr);
    ~SteamCMDManager() override;

    // The Steam application identifier of the game.
    static QString appID();
    // The game's page on Steam's store.
    static QString storeURL();

    SteamCMDState state() const { return m_state; }
    QString statusText() const { return m_state.statusText(); }
    bool isRunning() const { return m_state.isRunning(); }
    SteamCMDState::Kind stateKind() const { return m_state.kind(); }
    QString consoleLog() const { return m_consoleLog; }
    QString steamGuardCode() const { return m_steamGuardCode; }
    void setSteamGuardCode(const QString &code);
    bool showPurchaseAlert() const { return m_showPurchaseAlert; }
    void setShowPurchaseAlert(bool show);
    QString lastUsername() const { return m_lastUsername; }

    // Folder layout, derived afresh on every read; reading creates nothing.
    QString supportDir() const;     // <data home>/Vantor Online
    QString steamCMDDir() const;    // supportDir/steamcmd
    QString steamCMDBinary() const; // steamCMDDir/steamcmd.sh (Linux), steamcmd (macOS)
    QString installDir() const;     // <Documents>/Vantor Online
    QString assetsDir() const;      // installDir/Assets
    QString baseGameDir() const;    // installDir/DL_Vantor
    bool isSteamCMDInstalled() const;
    bool areAssetsValid() const;

    // Adds text to the console as it is (no line end added) and echoes it to
    // standard output at once. The console receives it on the next event-loop turn.
    Q_INVOKABLE void appendLog(const QString &text);
    // Ends the workflow with a message: the state becomes failed one turn
    // later, the console line "\n[✗] <message>\n" one turn after that. It
    // stops nothing by itself.
    void fail(const QString &message);

    // Downloads, unpacks and prepares SteamCMD, reporting every step in the
    // console. completion(true) once it is ready, completion(false) after the
    // failure has been reported. Used by startDownload(); public for tests.
    void installSteamCMD(std::function<void(bool)> completion);

    // Starts a download run with the account's credentials, unless a workflow
    // is busy. A SteamCMD child still alive from an earlier run (waiting for a
    // Steam Guard code, or failed but not yet ended) is stopped first, and
    // nothing of that earlier run touches the new one afterwards.
    Q_INVOKABLE void startDownload(const QString &username, const QString &password);
    // Sends the typed Steam Guard code to the waiting SteamCMD.
    Q_INVOKABLE void submitSteamGuard();
    // Stops the current SteamCMD child and returns to idle. A patch download
    // or unzip under way goes on.
    Q_INVOKABLE void cancel();

    bool hasActiveWork() const;
    // Whether a SteamCMD child of any run is still alive (including one that
    // was asked to stop and has not ended yet).
    bool hasSteamCMDChild() const { return !m_children.isEmpty(); }

    // Whether SteamCMD runs on a pseudo-terminal (the default) or, as where
    // none can be opened, with three pipes.
    void setUsePseudoTerminal(bool use) { m_useTerminal = use; }
    // How long a SteamCMD child asked to stop may take before it is killed.
    void setStopGracePeriod(int milliseconds) { m_stopGraceMs = milliseconds; }

    // Whether console text is echoed to standard output (on by default; the
    // console is the launcher's log). Tests that pipe megabytes turn it off.
    void setEchoToStandardOutput(bool echo) { m_echoToStdout = echo; }

    // How long the SteamCMD and patch downloads wait without receiving a
    // byte before they give up (a minute unless changed; tests shorten it).
    static constexpr std::chrono::milliseconds defaultTransferTimeout{60000};
    void setTransferTimeout(std::chrono::milliseconds timeout) { m_transferTimeout = timeout; }
    std::chrono::milliseconds transferTimeout() const { return m_transferTimeout; }

Q_SIGNALS:
    void stateChanged();
    void consoleLogChanged();
    // The console's text grew by text (sent before consoleLogChanged).
    void consoleAppended(const QString &text);
    // The console was emptied (sent before consoleLogChanged).
    void consoleCleared();
    void steamGuardCodeChanged();
    void showPurchaseAlertChanged();
    void lastUsernameChanged();
    // hasActiveWork() or hasSteamCMDChild() changed.
    void activeWorkChanged();

private:
    void setState(const SteamCMDState &state);
    void postState(const SteamCMDState &state);
    void setConsoleLog(const QString &log);

    void bootstrapFetch(std::function<void(bool)> completion);
    void bootstrapExtract(const QByteArray &body, std::function<void(bool)> completion);
    void bootstrapFinish(std::function<void(bool)> completion);
    void bootstrapPermissions(std::function<void(bool)> completion);

    QNetworkAccessManager *network();

    void setLastUsername(const QString &username);
    void supersedePreviousRun();
    void launchAfterInstall(bool ok);
    void runSteamCMD(const QString &username, const QString &password);
    void takeOutput(const QByteArray &bytes, Utf8StreamDecoder *decoder, quint64 generation);
    // Asks a SteamCMD child to stop; one that is still running after the
    // grace period is killed.
    void stopChild(QProcess *child);
    void childFinished(QProcess *child, int status, quint64 generation, const QString &username,
                       const QString &password);
    void processOutput(const QString &chunk);
    void rememberPartialLine(const QString &text);
    void postProgressLines(const QString &text, const QString &lower, qsizetype carried);
    void writeToProcess(const QString &text);

    void reorganizeAssets();
    void cleanRNPatchFiles();
    void downloadCommunityPatch();
    struct PatchDownload;
    void patchDataArrived(PatchDownload &download);
    void patchFinished(const std::shared_ptr<PatchDownload> &download);
    void applyPatch(const QString &zip);

    void updateActiveWork();

    SteamCMDState m_state;
    QString m_consoleLog;
    QString m_steamGuardCode;
    bool m_showPurchaseAlert = false;
    QString m_lastUsername;
    bool m_echoToStdout = true;
    std::chrono::milliseconds m_transferTimeout = defaultTransferTimeout;
    QNetworkAccessManager *m_network = nullptr;

    // Every startDownload begins a new run; handlers of children, downloads
    // and unzips started for an older run see a different number and leave
    // the state, the console and the current child alone.
    quint64 m_generation = 0;
    // The SteamCMD child of the latest launch, cleared by its own termination
    // or by cancel(). Its standard input is the pipe Steam Guard codes go to.
    QPointer<QProcess> m_process;
    // The terminal of that child, when it runs on one.
    QPointer<PseudoTerminal> m_terminal;
    bool m_useTerminal = true;
    int m_stopGraceMs = 10'000;
    // The unfinished last line of the current child's output (and its lower
    // case), which the next read may complete.
    QString m_partialLine;
    QString m_partialLineLower;
    // Self-update restarts in a row within the current run.
    int m_selfUpdateRestarts = 0;
    // Every SteamCMD child that has not ended yet, whichever run it belongs to.
    QList<QProcess *> m_children;
    // SteamCMD is being installed; the credentials of the run waiting for it.
    bool m_installing = false;
    QString m_pendingUsername;
    QString m_pendingPassword;
    // The patch download under way (what keeps its progress observed).
    QPointer<QNetworkReply> m_patchReply;
    // The download is in place and unzip is about to start.
    bool m_patchReadyToApply = false;
    // The run whose patch stage started last: an unzip of an older run leaves
    // the temporary archive to the newer one.
    quint64 m_patchGeneration = 0;
    QPointer<QProcess> m_unzip;
    bool m_activeWork = false;
    bool m_hadSteamCMDChild = false;
};
