// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

// The texts about the game's data that the window shares with the commands
// (GameFolders keeps them), reached in QML as `GameHints`, so the window
// holds no copies of its own.
class GameHints : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    // The chosen local folder lacks the game's archives.
    Q_PROPERTY(QString invalidFolder READ invalidFolder CONSTANT)
    // What the Steam tab still needs before LAUNCH is offered.
    Q_PROPERTY(QString steamLaunch READ steamLaunch CONSTANT)
    // What the local tab still needs before LAUNCH is offered.
    Q_PROPERTY(QString localLaunch READ localLaunch CONSTANT)

public:
    explicit GameHints(QObject *parent = nullptr);

    static QString invalidFolder();
    static QString steamLaunch();
    static QString localLaunch();
};
