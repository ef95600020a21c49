// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/GameFolders.h"

#include "LogCategories.h"
#include "settings/LauncherSettings.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <dirent.h>
#include <sys/stat.h>

namespace {

const QString kFolderName = QStringLiteral("Vantor Online");
const QString kEngineFileName = QStringLiteral("VantorOnlineDL");

QString joinPath(const QString &dir, const QString &name)
{
    return dir + QLatin1Char('/') + name;
}

// The two archives that tell a game folder: the base game's and the
// expansion's INI archive. Flags, so one listing can report both.
enum Marker : unsigned
{
    NoMarker = 0,
    BaseGame = 1,  // ini.big
    Expansion = 2, // inidl.big
    BothMarkers = BaseGame | Expansion,
};

// Whether name equals lower (an ASCII lower-case literal) ignoring the case
// of ASCII letters. Independent of the C locale, whose case tables may map
// 'I' elsewhere.
bool equalsIgnoringAsciiCase(const char *name, const char *lower)
{
    for (; *name && *lower; ++name, ++lower) {
        char c = *name;
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
        if (c != *lower)
            return false;
    }
    return *name == *lower;
}

// Which marker a file name is, compared in lower case.
unsigned markerOf(const char *name)
{
    // Nearly every name is plain ASCII: compare it as it is. Others take the
    // full Unicode lower-casing, whatever letters it maps.
    bool ascii = true;
    for (const char *c = name; *c && ascii; ++c)
        ascii = static_cast<unsigned char>(*c) < 0x80;
    if (ascii) {
        if (equalsIgnoringAsciiCase(name, "ini.big"))
            return BaseGame;
        if (equalsIgnoringAsciiCase(name, "inidl.big"))
            return Expansion;
        return NoMarker;
    }
    const QString lower = QFile::decodeName(name).toLower();
    if (lower == QLatin1String("ini.big"))
        return BaseGame;
    if (lower == QLatin1String("inidl.big"))
        return Expansion;
    return NoMarker;
}

// The markers among the names of one folder, hidden names included. Read
// straight from the directory: names come with the listing, so a folder
// costs one open and a few reads, with no status query or sorting per
// entry. A missing, unreadable or non-folder path holds nothing.
unsigned markersIn(const QByteArray &dir)
{
    DIR *listing = ::opendir(dir.constData());
    if (!listing)
        return NoMarker;
    unsigned found = NoMarker;
    while (const dirent *entry = ::readdir(listing))
        found |= markerOf(entry->d_name);
    ::closedir(listing);
    return found;
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

} // namespace

// ---- folder layout --------------------------------------------------------

QString GameFolders::supportDir()
{
    return joinPath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
                    kFolderName);
}

QString GameFolders::steamCMDDir()
{
    return joinPath(supportDir(), QStringLiteral("steamcmd"));
}

QString GameFolders::steamCMDBinary()
{
#ifdef Q_OS_MACOS
    return joinPath(steamCMDDir(), QStringLiteral("steamcmd"));
#else
    // The Linux distribution starts through its wrapper script, which sets up
    // the library path for the 32-bit binary beside it.
    return joinPath(steamCMDDir(), QStringLiteral("steamcmd.sh"));
#endif
}

QString GameFolders::installDir()
{
    return LauncherSettings::storedInstallDir();
}

QString GameFolders::assetsDir()
{
    return joinPath(installDir(), QStringLiteral("Assets"));
}

QString GameFolders::baseGameDir()
{
    return joinPath(installDir(), QStringLiteral("DL_Vantor"));
}

// ---- what is on disk ------------------------------------------------------

bool GameFolders::isSteamCMDInstalled()
{
    return QFileInfo::exists(steamCMDBinary());
}

bool GameFolders::areAssetsValid()
{
    const QString assets = assetsDir();
    const unsigned inAssets = markersIn(QFile::encodeName(assets));
    // The base game's archive may still lie in Assets (before the fix-up
    // moves its folder out) or already in DL_Vantor beside it.
    const bool valid =
        (inAssets & Expansion) &&
        ((inAssets & BaseGame) || (markersIn(QFile::encodeName(baseGameDir())) & BaseGame));
    qCDebug(lcGame) << "checked the Steam assets in" << assets << (valid ? "valid" : "invalid");
    return valid;
}

bool GameFolders::isGameFolder(const QString &folder)
{
    const QByteArray top = QFile::encodeName(folder);
    DIR *dir = ::opendir(top.constData());
    if (!dir) {
        qCDebug(lcGame) << "checked the game folder" << folder << "cannot be listed";
        return false;
    }
    unsigned found = NoMarker;
    int searched = 0;
    while (const dirent *entry = ::readdir(dir)) {
        // Top level: visible entries only (dot-names are hidden here).
        if (entry->d_name[0] == '.')
            continue;
        const QByteArray path = top + '/' + entry->d_name;
        if (!isFolder(path, entry->d_type))
            continue;
        // One level down, hidden names count too; never any deeper.
        found |= markersIn(path);
        ++searched;
        if (found == BothMarkers)
            break;
    }
    ::closedir(dir);
    const bool valid = found == BothMarkers;
    qCDebug(lcGame) << "checked the game folder" << folder << (valid ? "valid" : "invalid")
                    << "after" << searched << "subfolders";
    return valid;
}

// ---- the engine -----------------------------------------------------------

QString GameFolders::enginePath()
{
    const QString overridden = qEnvironmentVariable("VANTOR_ENGINE_PATH");
    if (!overridden.isEmpty())
        return QFileInfo(overridden).absoluteFilePath();
    if (!QCoreApplication::instance())
        return QString();
    const QString dir = QCoreApplication::applicationDirPath();
    if (dir.isEmpty())
        return QString();
    return joinPath(dir, kEngineFileName);
}

// ---- texts ----------------------------------------------------------------

QString GameFolders::invalidFolderHint()
{
    //: The file names ini.big and inidl.big stay as they are.
    return QCoreApplication::translate(
        "GameFolders", "INVALID TARGET \u2014 No ini.big / inidl.big detected in subdirectories");
}

QString GameFolders::steamLaunchHint()
{
    return QCoreApplication::translate("GameFolders",
                                       "DOWNLOAD GAME ASSETS VIA STEAM TO ENABLE LAUNCH");
}

QString GameFolders::localLaunchHint()
{
    //: The local tab's hint: the chosen folder must hold both versions of the game.
    return QCoreApplication::translate("GameFolders",
                                       "SELECT THE PARENT DIRECTORY CONTAINING BOTH GAME VERSIONS");
}
