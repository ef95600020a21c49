// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// The commands around the game itself: check a folder, start the engine,
// and summarise the launcher's state for a bug report. Each takes the
// arguments after the command name and returns the exit status.
namespace GameCommands {

// validate DIR
int validate(const QStringList &args);
// launch [--source steam|local] [--path DIR]
int launch(const QStringList &args);
// status
int status(const QStringList &args);

} // namespace GameCommands
