// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// `vantor-launcher settings [options]`: prints every setting with its key
// and value, or changes them, moving the game data to a new install folder
// on request (Ctrl-C cancels the move, as it stops a download).
namespace SettingsCommand {

// Exit status: 0 done, 1 a change refused or failed (a move included),
// 2 a usage problem, 130 a move stopped by SIGINT or SIGTERM.
int run(const QStringList &args);

const char *summary();

} // namespace SettingsCommand
