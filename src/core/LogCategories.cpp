// SPDX-License-Identifier: GPL-3.0-or-later
#include "LogCategories.h"

Q_LOGGING_CATEGORY(lcSteamCmd, "vantor.steamcmd", QtInfoMsg)
Q_LOGGING_CATEGORY(lcPatch, "vantor.patch", QtInfoMsg)
Q_LOGGING_CATEGORY(lcKeychain, "vantor.keychain", QtInfoMsg)
Q_LOGGING_CATEGORY(lcUpdate, "vantor.update", QtInfoMsg)
Q_LOGGING_CATEGORY(lcLaunch, "vantor.launch", QtInfoMsg)
Q_LOGGING_CATEGORY(lcUi, "vantor.ui", QtInfoMsg)
Q_LOGGING_CATEGORY(lcGame, "vantor.game", QtInfoMsg)
Q_LOGGING_CATEGORY(lcSettings, "vantor.settings", QtInfoMsg)
Q_LOGGING_CATEGORY(lcDesktop, "vantor.desktop", QtInfoMsg)
Q_LOGGING_CATEGORY(lcL10n, "vantor.l10n", QtInfoMsg)
