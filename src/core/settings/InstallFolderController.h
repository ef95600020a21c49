// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

class InstallFolderMove;
class InstallLock;
class LauncherSettings;
class SteamCMDManager;

// Changes where the Steam download goes, for the window and the command
// line alike: the setting alone, or with the game data the launcher put in
// the current folder moved over first (InstallFolderMove). Never while a
// download runs, and no download starts while a move runs: the SteamCMD
// manager is blocked meanwhile, and the install lock (one download per
// install, across processes) is held for the move.
class InstallFolderController : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString installDir READ installDir NOTIFY installDirChanged)
    Q_PROPERTY(bool moveUnderWay READ moveUnderWay NOTIFY moveUnderWayChanged)
    // 0..1 while a move's size is known, else -1.
    Q_PROPERTY(double moveProgress READ moveProgress NOTIFY moveProgressChanged)
    // What the last change or move said ("" before any).
    Q_PROPERTY(QString moveStatus READ moveStatus NOTIFY moveStatusChanged)

public:
    InstallFolderController(LauncherSettings *settings, SteamCMDManager *steamCMD,
                            QObject *parent = nullptr);
    ~InstallFolderController() override;

    QString installDir() const;
    bool moveUnderWay() const { return m_moveUnderWay; }
    double moveProgress() const { return m_moveProgress; }
    QString moveStatus() const { return m_moveStatus; }

    // Makes folder the install folder. With moveData the launcher's data in
    // the current folder is moved there first, as an operation that can be
    // cancelled; without it only the setting changes. Returns why the change
    // was refused, or an empty string when it was made or the move started.
    Q_INVOKABLE QString changeInstallDir(const QString &folder, bool moveData);
    // Stops the move under way; the data stays where it was (moveFinished
    // follows, not succeeded).
    Q_INVOKABLE void cancelMove();

    // The move under way, from changeInstallDir() until moveFinished();
    // nullptr otherwise.
    InstallFolderMove *currentMove() const { return m_move; }

Q_SIGNALS:
    void installDirChanged();
    void moveUnderWayChanged();
    void moveProgressChanged();
    void moveStatusChanged();
    // Once per started move.
    void moveFinished(bool succeeded, const QString &message);

private:
    void setMoveStatus(const QString &status);
    void setMoveUnderWay(bool underWay);
    void setMoveProgress(double progress);
    void onMoveFinished();

    LauncherSettings *m_settings;
    QPointer<SteamCMDManager> m_steamCMD;
    InstallFolderMove *m_move = nullptr;
    std::unique_ptr<InstallLock> m_lock;
    bool m_moveUnderWay = false;
    double m_moveProgress = -1;
    QString m_moveStatus;
};
