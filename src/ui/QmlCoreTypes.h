// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Makes the core's types known to QML under the VantorLauncher module, so
// the window's files can name them (typed properties, enum values) while
// the core itself stays free of QML.

#include "LauncherViewModel.h"
#include "settings/InstallFolderController.h"
#include "settings/LauncherSettings.h"
#include "steam/SteamCMDManager.h"
#include "steam/SteamCMDState.h"
#include "update/AppUpdate.h"
#include "update/UpdateChecker.h"

#include <QtQml/qqml.h>

// The workflow's kinds, as SteamCMDState.Idle, SteamCMDState.Completed, ...
namespace SteamCMDStateForeign {
Q_NAMESPACE
QML_FOREIGN_NAMESPACE(SteamCMDState)
QML_NAMED_ELEMENT(SteamCMDState)
} // namespace SteamCMDStateForeign

// The window's state object, with its tabs as LauncherViewModel.Steam / .Local.
struct LauncherViewModelForeign
{
    Q_GADGET
    QML_FOREIGN(LauncherViewModel)
    QML_NAMED_ELEMENT(LauncherViewModel)
    QML_UNCREATABLE("one per window, made by the launcher")
};

struct SteamCMDManagerForeign
{
    Q_GADGET
    QML_FOREIGN(SteamCMDManager)
    QML_NAMED_ELEMENT(SteamCMDManager)
    QML_UNCREATABLE("owned by the launcher's view model")
};

struct UpdateCheckerForeign
{
    Q_GADGET
    QML_FOREIGN(UpdateChecker)
    QML_NAMED_ELEMENT(UpdateChecker)
    QML_UNCREATABLE("owned by the launcher's view model")
};

struct LauncherSettingsForeign
{
    Q_GADGET
    QML_FOREIGN(LauncherSettings)
    QML_NAMED_ELEMENT(LauncherSettings)
    QML_UNCREATABLE("owned by the launcher's view model")
};

struct InstallFolderControllerForeign
{
    Q_GADGET
    QML_FOREIGN(InstallFolderController)
    QML_NAMED_ELEMENT(InstallFolderController)
    QML_UNCREATABLE("owned by the launcher's view model")
};

struct AppUpdateForeign
{
    Q_GADGET
    QML_FOREIGN(AppUpdate)
    QML_VALUE_TYPE(appUpdate)
    QML_UNCREATABLE("made by the update checker")
};
