// SPDX-License-Identifier: GPL-3.0-or-later
#include "LauncherViewModel.h"

#include "LogCategories.h"
#include "credentials/KeychainHelper.h"
#include "game/GameFolders.h"
#include "game/LaunchCommand.h"
#include "platform/DetachedEngineStarter.h"
#include "platform/FolderPicker.h"
#include "settings/InstallFolderController.h"
#include "settings/LauncherSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMetaMethod>
#include <QSettings>
#include <QTimer>

#include <utility>

namespace {

// The engine's own window needs a moment to appear before the launcher goes.
constexpr int kQuitDelayMs = 500;

// Relative paths are resolved against the launcher's working folder; absolute
// ones are kept exactly as they are.
QString absolutePath(const QString &path)
{
    return QDir::isRelativePath(path) ? QDir::cleanPath(QFileInfo(path).absoluteFilePath()) : path;
}

} // namespace

LauncherViewModel::LauncherViewModel(QObject *parent)
    : LauncherViewModel(UpdateChecks::Start, parent)
{}

LauncherViewModel::LauncherViewModel(UpdateChecks updateChecks, QObject *parent)
    : QObject(parent), m_installPath(storedInstallPath()), m_steamCMD(new SteamCMDManager(this)),
      m_updateChecker(new UpdateChecker(this)), m_settings(new LauncherSettings(this)),
      m_installFolder(new InstallFolderController(m_settings, m_steamCMD, this)),
      m_engineStarter(std::make_shared<DetachedEngineStarter>())
{
    m_stateKind = m_steamCMD->stateKind();
    connect(m_steamCMD, &SteamCMDManager::stateChanged, this,
            &LauncherViewModel::workflowStateChanged);
    // The end of the workflow's work (a patch unpacked, a child gone) can
    // leave new files behind without another change of state.
    connect(m_steamCMD, &SteamCMDManager::activeWorkChanged, this, [this] {
        if (!m_steamCMD->hasActiveWork())
            refresh(m_activeTab == Tab::Steam ? RecheckSteamAssets : RecheckNothing);
    });
    connect(m_steamCMD, &SteamCMDManager::downloadUnderWayChanged, this,
            [this] { refresh(RecheckNothing); });
    // The Steam data is elsewhere after a folder change, and not to be
    // started while it is being moved.
    connect(m_settings, &LauncherSettings::installDirChanged, this,
            [this] { refresh(RecheckSteamAssets); });
    connect(m_installFolder, &InstallFolderController::moveUnderWayChanged, this,
            [this] { refresh(RecheckSteamAssets); });
    refresh(RecheckLocalFolder | RecheckSteamAssets);
    loadCredentials();
    if (updateChecks == UpdateChecks::Start)
        m_updateChecker->startPeriodicChecks();
}

LauncherViewModel::~LauncherViewModel() = default;

// ---- stored settings ------------------------------------------------------

QString LauncherViewModel::installPathKey()
{
    return QStringLiteral("VANTOR_INSTALL_PATH");
}

QString LauncherViewModel::storedInstallPath()
{
    const QVariant value = QSettings().value(installPathKey());
    // A hand-edited list or other non-text value means no folder.
    if (value.typeId() != QMetaType::QString)
        return QString();
    return value.toString();
}

QString LauncherViewModel::folderPickerMessage()
{
    return QCoreApplication::translate("LauncherViewModel",
                                       "Select the Windows Game Folder (containing .big files)");
}

QString LauncherViewModel::installDirPickerMessage()
{
    return QCoreApplication::translate("LauncherViewModel",
                                       "Select the folder the Steam download goes to");
}

// ---- published properties -------------------------------------------------

void LauncherViewModel::setActiveTab(Tab tab)
{
    if (m_activeTab == tab)
        return;
    m_activeTab = tab;
    Q_EMIT activeTabChanged();
    refresh(currentTabFolders());
}

void LauncherViewModel::setInstallPath(const QString &path)
{
    if (m_installPath == path)
        return;
    m_installPath = path;
    Q_EMIT installPathChanged();
    refresh(RecheckLocalFolder);
}

void LauncherViewModel::setIsLaunching(bool launching)
{
    if (m_isLaunching == launching)
        return;
    m_isLaunching = launching;
    Q_EMIT isLaunchingChanged();
}

void LauncherViewModel::setAlertMessage(const std::optional<QString> &message)
{
    if (m_alertMessage == message)
        return;
    m_alertMessage = message;
    Q_EMIT alertMessageChanged();
}

void LauncherViewModel::dismissAlert()
{
    setAlertMessage(std::nullopt);
}

void LauncherViewModel::setSteamUsername(const QString &name)
{
    if (m_steamUsername == name)
        return;
    m_steamUsername = name;
    Q_EMIT steamUsernameChanged();
}

void LauncherViewModel::setSteamPassword(const QString &password)
{
    if (m_steamPassword == password)
        return;
    m_steamPassword = password;
    Q_EMIT steamPasswordChanged();
}

void LauncherViewModel::setUpdateDismissed(bool dismissed)
{
    if (!dismissed || m_isUpdateDismissed)
        return;
    m_isUpdateDismissed = true;
    Q_EMIT isUpdateDismissedChanged();
}

// ---- wiring ---------------------------------------------------------------

void LauncherViewModel::loadCredentials()
{
    // A locked or slow keyring can take many seconds: the answer comes on
    // the event loop, after the window is up.
    KeychainHelper::lookUpLater(
        this, [this](std::optional<QString> account, std::optional<QString> password) {
            applyStoredCredentials(account, password);
        });
}

void LauncherViewModel::applyStoredCredentials(const std::optional<QString> &account,
                                               const std::optional<QString> &password)
{
    if (account) {
        // The player may have typed while the keyring was answering: a field
        // with text in it is theirs.
        if (m_steamUsername.isEmpty())
            setSteamUsername(*account);
        // A password belongs to its account: not beside another typed name.
        if (m_steamPassword.isEmpty() && m_steamUsername == *account)
            setSteamPassword(password.value_or(QString()));
    }
    m_isLoadingCredentials = false;
    Q_EMIT isLoadingCredentialsChanged();
}

void LauncherViewModel::setFolderPicker(std::shared_ptr<FolderPicker> picker)
{
    m_folderPicker = std::move(picker);
}

void LauncherViewModel::setEngineStarter(std::shared_ptr<EngineStarter> starter)
{
    m_engineStarter = starter ? std::move(starter) : std::make_shared<DetachedEngineStarter>();
}

// ---- derived values -------------------------------------------------------

LauncherViewModel::Recheck LauncherViewModel::currentTabFolders() const
{
    return m_activeTab == Tab::Local ? RecheckLocalFolder : RecheckSteamAssets;
}

void LauncherViewModel::refresh(unsigned recheck)
{
    if (recheck & RecheckLocalFolder) {
        // An empty path is no folder: nothing is listed for it.
        const bool valid = !m_installPath.isEmpty() && GameFolders::isGameFolder(m_installPath);
        if (valid != m_isPathValid) {
            m_isPathValid = valid;
            Q_EMIT isPathValidChanged();
        }
    }
    if (recheck & RecheckSteamAssets)
        m_steamAssetsValid = GameFolders::areAssetsValid();

    bool canLaunch = false;
    QString effective;
    switch (m_activeTab) {
    case Tab::Local:
        canLaunch = m_isPathValid;
        effective = m_installPath;
        break;
    case Tab::Steam:
        canLaunch = m_steamAssetsValid && !m_steamCMD->downloadUnderWay() &&
                    !m_installFolder->moveUnderWay();
        effective = GameFolders::installDir();
        break;
    }
    if (canLaunch != m_canLaunch) {
        m_canLaunch = canLaunch;
        Q_EMIT canLaunchChanged();
    }
    if (effective != m_effectiveInstallPath) {
        m_effectiveInstallPath = effective;
        Q_EMIT effectiveInstallPathChanged();
    }
}

double LauncherViewModel::steamProgress() const
{
    if (std::exchange(m_steamProgressStale, false))
        m_steamProgress = m_steamCMD->state().fraction();
    return m_steamProgress;
}

void LauncherViewModel::workflowStateChanged()
{
    // A long download brings hundreds of thousands of progress lines, and
    // the fraction takes another reading of each: the command line, which
    // shows no bar, does not pay for it.
    static const QMetaMethod progressSignal =
        QMetaMethod::fromSignal(&LauncherViewModel::steamProgressChanged);
    if (isSignalConnected(progressSignal)) {
        m_steamProgressStale = false;
        const double progress = m_steamCMD->state().fraction();
        if (progress != m_steamProgress) {
            m_steamProgress = progress;
            Q_EMIT steamProgressChanged();
        }
    } else {
        m_steamProgressStale = true;
    }
    // Progress lines change only the state's text: nothing to look at then.
    const SteamCMDState::Kind kind = m_steamCMD->stateKind();
    if (kind == m_stateKind)
        return;
    m_stateKind = kind;
    // The local tab does not depend on the workflow.
    refresh(m_activeTab == Tab::Steam ? RecheckSteamAssets : RecheckNothing);
}

// ---- operations -----------------------------------------------------------

void LauncherViewModel::saveCredentials()
{
    if (m_steamUsername.isEmpty() || m_steamPassword.isEmpty())
        return;
    // Exactly as typed: spaces can be part of a password.
    KeychainHelper::saveLater(m_steamUsername, m_steamPassword);
}

void LauncherViewModel::saveCredentialsNow()
{
    if (m_steamUsername.isEmpty() || m_steamPassword.isEmpty())
        return;
    KeychainHelper::save(m_steamUsername, m_steamPassword);
}

void LauncherViewModel::chooseFolder()
{
    if (!m_folderPicker) {
        qCWarning(lcUi) << "no folder picker available; the folder stays as it is";
        return;
    }
    const std::optional<QString> chosen = m_folderPicker->pickFolder(folderPickerMessage());
    if (!chosen || chosen->isEmpty())
        return;
    // The engine runs in its own folder, so a relative answer would point
    // elsewhere there: keep the folder as an absolute path.
    const QString path = absolutePath(*chosen);
    // Applied once the dialog has fully closed. Stored even when the folder
    // fails validation, so the warning stays until another folder is chosen.
    QTimer::singleShot(0, this, [this, path] {
        if (path == m_installPath)
            refresh(RecheckLocalFolder); // chosen again, perhaps after fixing it
        else
            setInstallPath(path);
        QSettings settings;
        settings.setValue(installPathKey(), m_installPath);
        settings.sync();
        if (settings.status() != QSettings::NoError)
            qCWarning(lcUi) << "could not store the game folder in" << settings.fileName();
    });
}

QString LauncherViewModel::chooseInstallDir(bool moveData)
{
    if (!m_folderPicker) {
        qCWarning(lcUi) << "no folder picker available; the install folder stays as it is";
        return QString();
    }
    const std::optional<QString> chosen = m_folderPicker->pickFolder(installDirPickerMessage());
    if (!chosen || chosen->isEmpty())
        return QString();
    return m_installFolder->changeInstallDir(absolutePath(*chosen), moveData);
}

void LauncherViewModel::launchGame()
{
    // The folder handed to the engine is judged as it is now, not as it was
    // at the last change.
    refresh(currentTabFolders());
    if (!canLaunch())
        return;
    // The window stops a download before it launches: the launcher quits
    // after a launch, and its teardown would kill a SteamCMD at work.
    if (m_steamCMD->hasActiveWork()) {
        qCWarning(lcLaunch) << "a download is under way; nothing started";
        return;
    }
    setIsLaunching(true);

    const QString engine = GameFolders::enginePath();
    if (engine.isEmpty()) {
        qCWarning(lcLaunch) << "cannot locate the running launcher; nothing started";
        setIsLaunching(false);
        return;
    }
    if (!QFileInfo::exists(engine)) {
        setAlertMessage(tr("Engine binary not found at %1").arg(engine));
        setIsLaunching(false);
        return;
    }

    // Resolved against the launcher's folder, where it was validated: the
    // engine's working folder is a different one.
    const QString dataFolder = absolutePath(effectiveInstallPath());
    // The environment is a copy of the launcher's: the desktop's startup
    // notification (DESKTOP_STARTUP_ID, XDG_ACTIVATION_TOKEN) travels with it,
    // which is all the engine's window needs to come forward on Linux. The
    // launch options are read afresh: the command line may have changed them.
    const LaunchCommand command =
        LaunchCommand::build(engine, dataFolder, LaunchCommand::Options::stored());
    if (!command.ok()) {
        qCWarning(lcLaunch) << "nothing started:" << command.error();
        setAlertMessage(tr("Failed to launch game: %1").arg(command.error()));
        setIsLaunching(false);
        return;
    }
    qCInfo(lcLaunch) << "starting" << command.program() << "with arguments" << command.arguments();

    const EngineStarter::Result result =
        m_engineStarter->start(command.program(), command.arguments(),
                               QFileInfo(engine).absolutePath(), command.environment());
    if (!result.started) {
        setAlertMessage(tr("Failed to launch game: %1").arg(result.errorDescription));
        setIsLaunching(false);
        return;
    }
    qCInfo(lcLaunch) << "engine started, pid" << result.pid << "data folder" << dataFolder;

    // Never sleeps: the timer dies with this object, and so does the quit.
    QTimer::singleShot(kQuitDelayMs, this, [this] { Q_EMIT quitRequested(); });
}
