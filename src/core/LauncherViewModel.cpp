#include "LauncherViewModel.h"

#include "KeychainHelper.h"
#include "LogCategories.h"
#include "platform/DetachedEngineStarter.h"
#include "platform/FolderPicker.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMetaMethod>
#include <QMetaProperty>
#include <QProcessEnvironment>
#include <QSet>
#include <QSettings>
#include <QTimer>

#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>

namespace {

// The engine's own window needs a moment to appear before the launcher goes.
constexpr int kQuitDelayMs = 500;

const QString kEngineFileName = QStringLiteral("VantorOnlineDL");

// Lists the names in a folder, hidden ones included, in the order the file
// system gives them; an unreadable or missing folder lists as empty.
enum class Marker
{
    None,
    Base,      // ini.big
    Expansion, // inidl.big
};

// Which marker a file name is, compared in lower case.
Marker markerOf(const char *name)
{
    // Nearly every name is plain ASCII: compare it as it is. Others take the
    // full Unicode lower-casing, whatever letters it maps.
    bool ascii = true;
    for (const char *c = name; *c; ++c)
        ascii = ascii && (static_cast<unsigned char>(*c) < 0x80);
    if (ascii) {
        if (::strcasecmp(name, "ini.big") == 0)
            return Marker::Base;
        if (::strcasecmp(name, "inidl.big") == 0)
            return Marker::Expansion;
        return Marker::None;
    }
    const QString lower = QFile::decodeName(name).toLower();
    if (lower == QLatin1String("ini.big"))
        return Marker::Base;
    if (lower == QLatin1String("inidl.big"))
        return Marker::Expansion;
    return Marker::None;
}

// Whether a listed entry is a folder, links to folders included; only
// entries whose type the listing does not give are looked up.
bool isFolder(const QByteArray &path, unsigned char type)
{
    if (type == DT_DIR)
        return true;
    if (type != DT_LNK && type != DT_UNKNOWN)
        return false;
    struct stat status;
    return ::stat(path.constData(), &status) == 0 && S_ISDIR(status.st_mode);
}

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
      m_updateChecker(new UpdateChecker(this)),
      m_engineStarter(std::make_shared<DetachedEngineStarter>())
{
    forwardChanges(m_steamCMD);
    forwardChanges(m_updateChecker);
    loadCredentials();
    if (updateChecks == UpdateChecks::Start)
        m_updateChecker->startPeriodicChecks();
}

LauncherViewModel::~LauncherViewModel() = default;

// ---- tabs -----------------------------------------------------------------

std::optional<LauncherViewModel::Tab> LauncherViewModel::tabFromRawValue(const QString &rawValue)
{
    for (const Tab tab : allTabs()) {
        if (LauncherViewModel::rawValue(tab) == rawValue)
            return tab;
    }
    return std::nullopt;
}

QString LauncherViewModel::rawValue(Tab tab)
{
    switch (tab) {
    case Tab::Steam:
        return QStringLiteral("Steam");
    case Tab::Local:
        return QStringLiteral("Local Archive");
    }
    return QString();
}

QList<LauncherViewModel::Tab> LauncherViewModel::allTabs()
{
    return {Tab::Steam, Tab::Local};
}

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

// ---- published properties -------------------------------------------------

void LauncherViewModel::setActiveTab(Tab tab)
{
    if (m_activeTab == tab)
        return;
    m_activeTab = tab;
    Q_EMIT activeTabChanged();
    Q_EMIT changed();
}

void LauncherViewModel::setInstallPath(const QString &path)
{
    if (m_installPath == path)
        return;
    m_installPath = path;
    Q_EMIT installPathChanged();
    Q_EMIT changed();
}

void LauncherViewModel::setIsLaunching(bool launching)
{
    if (m_isLaunching == launching)
        return;
    m_isLaunching = launching;
    Q_EMIT isLaunchingChanged();
    Q_EMIT changed();
}

void LauncherViewModel::setAlertMessage(const std::optional<QString> &message)
{
    if (m_alertMessage == message)
        return;
    m_alertMessage = message;
    Q_EMIT alertMessageChanged();
    Q_EMIT changed();
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
    Q_EMIT changed();
}

void LauncherViewModel::setSteamPassword(const QString &password)
{
    if (m_steamPassword == password)
        return;
    m_steamPassword = password;
    Q_EMIT steamPasswordChanged();
    Q_EMIT changed();
}

void LauncherViewModel::setUpdateDismissed(bool dismissed)
{
    if (!dismissed || m_isUpdateDismissed)
        return;
    m_isUpdateDismissed = true;
    Q_EMIT isUpdateDismissedChanged();
    Q_EMIT changed();
}

// ---- wiring ---------------------------------------------------------------

void LauncherViewModel::forwardChanges(QObject *source)
{
    // Every change signal of the source's properties, whichever they are,
    // becomes changed() here: the window then redraws from any of them.
    // Connections die with either object, so nothing outlives its owner.
    const QMetaMethod forward = QMetaMethod::fromSignal(&LauncherViewModel::changed);
    const QMetaObject *meta = source->metaObject();
    QSet<int> connected;
    for (int i = 0; i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        if (!property.hasNotifySignal())
            continue;
        const QMetaMethod signal = property.notifySignal();
        if (connected.contains(signal.methodIndex()))
            continue;
        connected.insert(signal.methodIndex());
        connect(source, signal, this, forward);
    }
}

void LauncherViewModel::loadCredentials()
{
    const std::optional<QString> name = KeychainHelper::savedUsername();
    if (!name)
        return;
    setSteamUsername(*name);
    setSteamPassword(KeychainHelper::load(*name).value_or(QString()));
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

bool LauncherViewModel::isPathValid() const
{
    if (m_installPath.isEmpty())
        return false;
    // A usual game folder is checked in well under a millisecond and always
    // afresh. Only a check that took long is reused for a while: a folder
    // of thousands of subfolders would otherwise stall every redraw.
    FolderCheck &check = m_folderCheck;
    if (check.path == m_installPath && check.age.isValid() &&
        check.age.elapsed() < folderCheckReuse.count())
        return check.valid;
    QElapsedTimer took;
    took.start();
    const bool valid = validateGameFolder(m_installPath);
    check = {};
    if (took.elapsed() >= slowFolderCheck.count()) {
        check.path = m_installPath;
        check.valid = valid;
        check.age.start();
    }
    return valid;
}

bool LauncherViewModel::canLaunch() const
{
    switch (m_activeTab) {
    case Tab::Local:
        return isPathValid();
    case Tab::Steam:
        // The folder check comes first: it alone decides when assets are missing.
        return m_steamCMD->areAssetsValid() && !m_steamCMD->state().isRunning();
    }
    return false;
}

QString LauncherViewModel::effectiveInstallPath() const
{
    switch (m_activeTab) {
    case Tab::Local:
        return m_installPath;
    case Tab::Steam:
        return m_steamCMD->installDir();
    }
    return QString();
}

// ---- operations -----------------------------------------------------------

void LauncherViewModel::saveCredentials()
{
    if (m_steamUsername.isEmpty() || m_steamPassword.isEmpty())
        return;
    // Exactly as typed: spaces can be part of a password.
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
        setInstallPath(path);
        QSettings settings;
        settings.setValue(installPathKey(), m_installPath);
        settings.sync();
        if (settings.status() != QSettings::NoError)
            qCWarning(lcUi) << "could not store the game folder in" << settings.fileName();
    });
}

QString LauncherViewModel::enginePath()
{
    const QString overridden = qEnvironmentVariable("VANTOR_ENGINE_PATH");
    if (!overridden.isEmpty())
        return QFileInfo(overridden).absoluteFilePath();
    if (!QCoreApplication::instance())
        return QString();
    const QString dir = QCoreApplication::applicationDirPath();
    if (dir.isEmpty())
        return QString();
    return dir + QLatin1Char('/') + kEngineFileName;
}

void LauncherViewModel::launchGame()
{
    if (!canLaunch())
        return;
    setIsLaunching(true);

    const QString engine = enginePath();
    if (engine.isEmpty()) {
        qCWarning(lcLaunch) << "cannot locate the running launcher; nothing started";
        setIsLaunching(false);
        return;
    }
    if (!QFileInfo::exists(engine)) {
        setAlertMessage(QStringLiteral("Engine binary not found at ") + engine);
        setIsLaunching(false);
        return;
    }

    // Resolved against the launcher's folder, where it was validated: the
    // engine's working folder is a different one.
    const QString dataFolder = absolutePath(effectiveInstallPath());
    // A copy of the launcher's environment: the desktop's startup
    // notification (DESKTOP_STARTUP_ID, XDG_ACTIVATION_TOKEN) travels with it,
    // which is all the engine's window needs to come forward on Linux.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("VANTOR_INSTALL_PATH"), dataFolder);

    const EngineStarter::Result result =
        m_engineStarter->start(engine, QFileInfo(engine).absolutePath(), environment);
    if (!result.started) {
        setAlertMessage(QStringLiteral("Failed to launch game: ") + result.errorDescription);
        setIsLaunching(false);
        return;
    }
    qCInfo(lcLaunch) << "engine started, pid" << result.pid << "data folder" << dataFolder;

    // Never sleeps: the timer dies with this object, and so does the quit.
    QTimer::singleShot(kQuitDelayMs, this, [this] { Q_EMIT quitRequested(); });
}

// ---- folder validation ----------------------------------------------------

bool LauncherViewModel::validateGameFolder(const QString &folder)
{
    // Read straight from the directories: names and types come with the
    // listing, so a folder of thousands of subfolders costs one open and a
    // few reads per subfolder, not a status query and sorting per entry.
    // The window asks this on every redraw.
    const QByteArray top = QFile::encodeName(folder);
    DIR *dir = ::opendir(top.constData());
    if (!dir)
        return false; // missing, not a folder or unreadable: holds nothing

    bool baseGameFound = false;
    bool expansionFound = false;
    while (const dirent *entry = ::readdir(dir)) {
        // Top level: visible entries only (dot-names are hidden here).
        if (entry->d_name[0] == '.')
            continue;
        const QByteArray path = top + '/' + entry->d_name;
        if (!isFolder(path, entry->d_type))
            continue;
        // One level down, hidden names count too; never any deeper.
        DIR *sub = ::opendir(path.constData());
        if (!sub)
            continue;
        while (const dirent *inner = ::readdir(sub)) {
            switch (markerOf(inner->d_name)) {
            case Marker::Base:
                baseGameFound = true;
                break;
            case Marker::Expansion:
                expansionFound = true;
                break;
            case Marker::None:
                break;
            }
        }
        ::closedir(sub);
        if (baseGameFound && expansionFound)
            break;
    }
    ::closedir(dir);
    return baseGameFound && expansionFound;
}
