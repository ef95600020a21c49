#pragma once

#include "SteamCMDState.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class QNetworkAccessManager;
class QProcess;

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

    // Whether console text is echoed to standard output (on by default; the
    // console is the launcher's log). Tests that pipe megabytes turn it off.
    void setEchoToStandardOutput(bool echo) { m_echoToStdout = echo; }

Q_SIGNALS:
    void stateChanged();
    void consoleLogChanged();
    void steamGuardCodeChanged();
    void showPurchaseAlertChanged();
    void lastUsernameChanged();

private:
    void setState(const SteamCMDState &state);
    void postState(const SteamCMDState &state);
    void setConsoleLog(const QString &log);

    void bootstrapFetch(std::function<void(bool)> completion);
    void bootstrapExtract(const QByteArray &body, std::function<void(bool)> completion);
    void bootstrapFinish(std::function<void(bool)> completion);

    QNetworkAccessManager *network();

    SteamCMDState m_state;
    QString m_consoleLog;
    QString m_steamGuardCode;
    bool m_showPurchaseAlert = false;
    QString m_lastUsername;
    bool m_echoToStdout = true;
    QNetworkAccessManager *m_network = nullptr;
};
