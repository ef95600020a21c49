// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

// Brings a finished SteamCMD depot into the layout the engine reads: the
// base game's folder moves from the assets beside them, and the publisher's
// modern patch archives go before the community patch is applied. Neither
// step ends the workflow; what they do is reported as console lines.
class AssetFixup
{
public:
    using Log = std::function<void(const QString &)>;

    // Moves assetsDir/DL_Vantor to baseGameDir, replacing an earlier copy.
    static void reorganizeAssets(const QString &assetsDir, const QString &baseGameDir,
                                 const Log &log);
    // Deletes the four modern patch archives from assetsDir and installDir
    // (only there: subfolders and the base game keep theirs).
    static void cleanRNPatchFiles(const QString &assetsDir, const QString &installDir,
                                  const Log &log);
};
