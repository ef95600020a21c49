// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Where the game's data lives and whether it is there: the folder layout of
// the SteamCMD install and the downloaded assets, the check of a local game
// folder, the engine's place, and the texts the window and the commands show
// about them. Nothing here keeps state or creates anything on disk; every
// answer is derived afresh from the user's folders when asked.
class GameFolders
{
public:
    GameFolders() = delete;

    // Folder layout. The support tree (SteamCMD) and the install tree (game
    // data) have different roots: the user's data home and the install folder.
    static QString supportDir();     // <data home>/Vantor Online
    static QString steamCMDDir();    // supportDir/steamcmd
    static QString steamCMDBinary(); // steamCMDDir/steamcmd.sh (Linux), steamcmd (macOS)
    static QString installDir(); // the settings' install folder (default <Documents>/Vantor Online)
    static QString assetsDir();  // installDir/Assets
    static QString baseGameDir(); // installDir/DL_Vantor

    // Anything at steamCMDBinary() counts, a folder too; executability is
    // not checked.
    static bool isSteamCMDInstalled();
    // Whether a Steam download is complete enough to launch: assetsDir holds
    // "inidl.big", and baseGameDir or assetsDir holds "ini.big" (names only,
    // in any letter case; subfolders are not searched). Missing or unreadable
    // folders count as empty.
    static bool areAssetsValid();

    // Whether folder is a Windows game folder: one of its immediate, visible
    // subfolders holds a name "ini.big" and one (the same or another) holds
    // "inidl.big", in any letter case. Never looks deeper; unreadable folders
    // count as holding nothing.
    static bool isGameFolder(const QString &folder);

    // Where the engine is started from: "VantorOnlineDL" beside the running
    // executable, or the file named by VANTOR_ENGINE_PATH (development).
    // Empty when there is no running application to locate.
    static QString enginePath();

    // Shown when the chosen local folder fails isGameFolder().
    static QString invalidFolderHint();
    // Shown instead of the launch action while the Steam assets are missing.
    static QString steamLaunchHint();
    // Shown instead of the launch action while no valid local folder is chosen.
    static QString localLaunchHint();
};
