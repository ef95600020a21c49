// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameHints.h"

#include "game/GameFolders.h"

GameHints::GameHints(QObject *parent) : QObject(parent) {}

QString GameHints::invalidFolder()
{
    return GameFolders::invalidFolderHint();
}

QString GameHints::steamLaunch()
{
    return GameFolders::steamLaunchHint();
}

QString GameHints::localLaunch()
{
    return GameFolders::localLaunchHint();
}
