// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/InstallFolderController.h"
#include "settings/LauncherSettings.h"
#include "steam/SteamCMDManager.h"
#include "update/UpdateChecker.h"

#include <QObject>
#include <QString>

#include <memory>
#include <optional>

class EngineStarter;
class FolderPicker;

// The state behind one launcher window: the chosen data source, the local
// game folder, the typed Steam credentials, the launch and its error alert.
// Owns the SteamCMD manager and the update checker, which a window reads
// directly. Every property has its own change signal, sent only when its value
// changes. Everything runs on the main thread.
class LauncherViewModel : public QObject
{
    Q_OBJECT
    Q_PROPERTY(Tab activeTab READ activeTab WRITE setActiveTab NOTIFY activeTabChanged)
    Q_PROPERTY(QString installPath READ installPath NOTIFY installPathChanged)
    Q_PROPERTY(bool isLaunching READ isLaunching NOTIFY isLaunchingChanged)
    Q_PROPERTY(QString alertMessage READ alertMessageOrEmpty NOTIFY alertMessageChanged)
    Q_PROPERTY(bool hasAlert READ hasAlert NOTIFY alertMessageChanged)
    Q_PROPERTY(
        QString steamUsername READ steamUsername WRITE setSteamUsername NOTIFY steamUsernameChanged)
    Q_PROPERTY(
        QString steamPassword READ steamPassword WRITE setSteamPassword NOTIFY steamPasswordChanged)
    // True from construction until the keyring's answer has been applied.
    Q_PROPERTY(
        bool isLoadingCredentials READ isLoadingCredentials NOTIFY isLoadingCredentialsChanged)
    Q_PROPERTY(bool isUpdateDismissed READ isUpdateDismissed WRITE setUpdateDismissed NOTIFY
                   isUpdateDismissedChanged)
    Q_PROPERTY(SteamCMDManager *steamCMD READ steamCMD CONSTANT)
    Q_PROPERTY(UpdateChecker *updateChecker READ updateChecker CONSTANT)
    Q_PROPERTY(LauncherSettings *settings READ settings CONSTANT)
    Q_PROPERTY(InstallFolderController *installFolder READ installFolder CONSTANT)
    // Derived from the folders on disk; see isPathValid() for when.
    Q_PROPERTY(bool isPathValid READ isPathValid NOTIFY isPathValidChanged)
    Q_PROPERTY(bool canLaunch READ canLaunch NOTIFY canLaunchChanged)
    Q_PROPERTY(
        QString effectiveInstallPath READ effectiveInstallPath NOTIFY effectiveInstallPathChanged)
    Q_PROPERTY(double steamProgress READ steamProgress NOTIFY steamProgressChanged)

public:
    // The two sources of game data, in tab-bar order.
    enum class Tab
    {
        Steam,
        Local,
    };
    Q_ENUM(Tab)

    // Whether construction starts the periodic update checks. The window
    // wants them; a one-shot command does not.
    enum class UpdateChecks
    {
        Start,
        DontStart,
    };

    explicit LauncherViewModel(QObject *parent = nullptr);
    explicit LauncherViewModel(UpdateChecks updateChecks, QObject *parent = nullptr);
    ~LauncherViewModel() override;

    // User-settings key of the local game folder.
    static QString installPathKey();
    // The folder stored by the last folder choice; empty when there is none
    // or the stored value is not a string.
    static QString storedInstallPath();
    // The message of the folder dialog.
    static QString folderPickerMessage();
    // The message of the dialog that asks for a new install folder.
    static QString installDirPickerMessage();

    Tab activeTab() const { return m_activeTab; }
    void setActiveTab(Tab tab);

    QString installPath() const { return m_installPath; }
    // For this run only: the user setting is written only by chooseFolder().
    void setInstallPath(const QString &path);

    bool isLaunching() const { return m_isLaunching; }

    std::optional<QString> alertMessage() const { return m_alertMessage; }
    QString alertMessageOrEmpty() const { return m_alertMessage.value_or(QString()); }
    bool hasAlert() const { return m_alertMessage.has_value(); }
    Q_INVOKABLE void dismissAlert();

    QString steamUsername() const { return m_steamUsername; }
    void setSteamUsername(const QString &name);
    QString steamPassword() const { return m_steamPassword; }
    void setSteamPassword(const QString &password);
    // The keyring is read without blocking: the window shows at once and the
    // fields fill when the answer arrives. What the player typed meanwhile
    // stays; the stored password fills an empty password field only beside
    // its own account.
    bool isLoadingCredentials() const { return m_isLoadingCredentials; }

    bool isUpdateDismissed() const { return m_isUpdateDismissed; }
    // The banner stays closed for the rest of the run: false after true is ignored.
    void setUpdateDismissed(bool dismissed);

    SteamCMDManager *steamCMD() const { return m_steamCMD; }
    UpdateChecker *updateChecker() const { return m_updateChecker; }
    LauncherSettings *settings() const { return m_settings; }
    InstallFolderController *installFolder() const { return m_installFolder; }

    // Whether installPath is a game folder (GameFolders::isGameFolder).
    // The folders are looked at when something the answers depend on
    // changes: the path, the tab, the kind of the workflow's state, the end
    // of its work, a folder chosen (again) and a launch. Reading costs
    // nothing, so a window may read on every redraw; a folder of thousands
    // of subfolders is listed once per change, not per console line.
    bool isPathValid() const { return m_isPathValid; }
    // Local tab: isPathValid. Steam tab: the assets are valid, the
    // workflow is not running and the game data is not being moved.
    bool canLaunch() const { return m_canLaunch; }
    // The folder a launch hands the engine: installPath on the local tab,
    // the Steam install folder on the Steam tab.
    QString effectiveInstallPath() const { return m_effectiveInstallPath; }
    // How far the Steam workflow's current step has come, 0..1 (a SteamCMD
    // phase, the patch download); -1 while no fraction is known.
    double steamProgress() const;

    // Stores the typed name and password exactly as typed; does nothing
    // while either is empty. Does not wait for the keyring (the window).
    Q_INVOKABLE void saveCredentials();
    // The same, returning once the keyring has answered: for a command that
    // may end before a save in the background would.
    void saveCredentialsNow();
    // Asks the folder picker; a chosen folder becomes installPath and the
    // stored setting on the next event-loop turn, valid or not.
    Q_INVOKABLE void chooseFolder();
    // Asks the folder picker for a new Steam install folder and hands it to
    // installFolder()->changeInstallDir() (with the data moved there when
    // moveData is set). Returns why the change was refused; empty when it
    // was made, the move started or the question was cancelled.
    Q_INVOKABLE QString chooseInstallDir(bool moveData);
    // Starts the engine for the current source; quitRequested() follows half
    // a second after a successful start, an alert after a failed one.
    Q_INVOKABLE void launchGame();

    void setFolderPicker(std::shared_ptr<FolderPicker> picker);
    // Replaces the detached process start (tests); nullptr restores it.
    void setEngineStarter(std::shared_ptr<EngineStarter> starter);

Q_SIGNALS:
    void activeTabChanged();
    void installPathChanged();
    void isLaunchingChanged();
    void alertMessageChanged();
    void steamUsernameChanged();
    void steamPasswordChanged();
    void isLoadingCredentialsChanged();
    void isUpdateDismissedChanged();
    void isPathValidChanged();
    void canLaunchChanged();
    void effectiveInstallPathChanged();
    void steamProgressChanged();
    // The engine is running: the launcher should quit now.
    void quitRequested();

private:
    void setIsLaunching(bool launching);
    void setAlertMessage(const std::optional<QString> &message);
    void loadCredentials();
    void applyStoredCredentials(const std::optional<QString> &account,
                                const std::optional<QString> &password);
    // Which folders refresh() looks at again.
    enum Recheck : unsigned
    {
        RecheckNothing = 0,
        RecheckLocalFolder = 1,
        RecheckSteamAssets = 2,
    };
    // The folders the current tab depends on.
    Recheck currentTabFolders() const;
    // Recomputes the derived values, looking only at the folders named, and
    // announces those that changed.
    void refresh(unsigned recheck);
    void workflowStateChanged();

    Tab m_activeTab = Tab::Steam;
    QString m_installPath;
    bool m_isPathValid = false;
    bool m_steamAssetsValid = false;
    bool m_canLaunch = false;
    QString m_effectiveInstallPath;
    // The kind of the workflow's state when last looked at: progress lines
    // change the state's text many times a second, its kind rarely.
    SteamCMDState::Kind m_stateKind = SteamCMDState::Kind::Idle;
    // Worked out again for each progress line only while someone listens
    // for its changes; otherwise when next asked for.
    mutable double m_steamProgress = -1;
    mutable bool m_steamProgressStale = false;
    bool m_isLaunching = false;
    std::optional<QString> m_alertMessage;
    QString m_steamUsername;
    QString m_steamPassword;
    bool m_isLoadingCredentials = true;
    bool m_isUpdateDismissed = false;

    SteamCMDManager *m_steamCMD = nullptr;
    UpdateChecker *m_updateChecker = nullptr;
    LauncherSettings *m_settings = nullptr;
    InstallFolderController *m_installFolder = nullptr;
    std::shared_ptr<FolderPicker> m_folderPicker;
    std::shared_ptr<EngineStarter> m_engineStarter;
};
