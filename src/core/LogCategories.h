// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>

// One category per area, so a user can turn on the area they report a bug in:
//   QT_LOGGING_RULES="vantor.steamcmd.debug=true" vantor-launcher
Q_DECLARE_LOGGING_CATEGORY(lcSteamCmd)
Q_DECLARE_LOGGING_CATEGORY(lcPatch)
Q_DECLARE_LOGGING_CATEGORY(lcKeychain)
Q_DECLARE_LOGGING_CATEGORY(lcUpdate)
Q_DECLARE_LOGGING_CATEGORY(lcLaunch)
Q_DECLARE_LOGGING_CATEGORY(lcUi)
Q_DECLARE_LOGGING_CATEGORY(lcGame)
Q_DECLARE_LOGGING_CATEGORY(lcSettings)
Q_DECLARE_LOGGING_CATEGORY(lcDesktop)
Q_DECLARE_LOGGING_CATEGORY(lcL10n)
