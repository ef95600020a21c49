#pragma once

#include "SteamCMDManager.h"
#include "UpdateChecker.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QString>

#include <chrono>
#include <memory>
#include <optional>

class EngineStarter;
class FolderPicker;

// The state behind one launcher window: the chosen data source, the local
// game folder, the typed Steam credentials, the launch and its error alert.
// Owns the SteamCMD manager and the update checker and re-announces their
// changes through changed(), so a window bound to this object redraws when
// any of the three changes. Everything runs on the main thread.
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
    Q_PROPERTY(bool isUpdateDismissed READ isUpdateDismissed WRITE setUpdateDismissed NOTIFY
                   isUpdateDismissedChanged)
    Q_PROPERTY(SteamCMDManager *steamCMD READ steamCMD CONSTANT)
    Q_PROPERTY(UpdateChecker *updateChecker READ updateChecker CONSTANT)
    // Derived: recomputed on every read, announced through changed().
    Q_PROPERTY(bool isPathValid READ isPathValid NOTIFY changed)
    Q_PROPERTY(bool canLaunch READ canLaunch NOTIFY changed)
    Q_PROPERTY(QString effectiveInstallPath READ effectiveInstallPath NOTIFY changed)

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

    // "Steam" and "Local Archive"; any other text names no tab.
    static std::optional<Tab> tabFromRawValue(const QString &rawValue);
    static QString rawValue(Tab tab);
    static QList<Tab> allTabs();

    // User-settings key of the local game folder.
    static QString installPathKey();
    // The folder stored by the last folder choice; empty when there is none
    // or the stored value is not a string.
    static QString storedInstallPath();
    // The message of the folder dialog.
    static QString folderPickerMessage();
    // Where the engine is started from: "VantorOnlineDL" beside the running
    // executable, or the file named by VANTOR_ENGINE_PATH (development).
    // Empty when there is no running application to locate.
    static QString enginePath();
    // True when one of the folder's immediate, visible subfolders holds a
    // name "ini.big" and one (the same or another) holds "inidl.big",
    // compared in lower case. Never looks deeper; unreadable folders count
    // as holding nothing.
    static bool validateGameFolder(const QString &folder);

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

    bool isUpdateDismissed() const { return m_isUpdateDismissed; }
    // The banner stays closed for the rest of the run: false after true is ignored.
    void setUpdateDismissed(bool dismissed);

    SteamCMDManager *steamCMD() const { return m_steamCMD; }
    UpdateChecker *updateChecker() const { return m_updateChecker; }

    // Whether installPath passes validateGameFolder(), read afresh each
    // time. The window asks on every redraw, and a folder of thousands of
    // subfolders takes tens of milliseconds to check: an answer that took
    // slowFolderCheck or longer is reused for the same path for
    // folderCheckReuse, so such a folder is read at most that often.
    bool isPathValid() const;
    static constexpr std::chrono::milliseconds slowFolderCheck{4};
    static constexpr std::chrono::milliseconds folderCheckReuse{2000};
    bool canLaunch() const;
    QString effectiveInstallPath() const;

    // Stores the typed name and password exactly as typed; does nothing
    // while either is empty.
    Q_INVOKABLE void saveCredentials();
    // Asks the folder picker; a chosen folder becomes installPath and the
    // stored setting on the next event-loop turn, valid or not.
    Q_INVOKABLE void chooseFolder();
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
    void isUpdateDismissedChanged();
    // Any change of this object, its manager or its checker.
    void changed();
    // The engine is running: the launcher should quit now.
    void quitRequested();

private:
    void setIsLaunching(bool launching);
    void setAlertMessage(const std::optional<QString> &message);
    void forwardChanges(QObject *source);
    void loadCredentials();

    Tab m_activeTab = Tab::Steam;
    QString m_installPath;
    // The last folder check: which path, its answer, and since when.
    struct FolderCheck
    {
        QString path;
        bool valid = false;
        QElapsedTimer age;
    };
    mutable FolderCheck m_folderCheck;
    bool m_isLaunching = false;
    std::optional<QString> m_alertMessage;
    QString m_steamUsername;
    QString m_steamPassword;
    bool m_isUpdateDismissed = false;

    SteamCMDManager *m_steamCMD = nullptr;
    UpdateChecker *m_updateChecker = nullptr;
    std::shared_ptr<FolderPicker> m_folderPicker;
    std::shared_ptr<EngineStarter> m_engineStarter;
};
