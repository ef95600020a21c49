// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/InstallFolderController.h"

#include "LogCategories.h"
#include "game/GameFolders.h"
#include "settings/InstallFolderMove.h"
#include "settings/LauncherSettings.h"
#include "steam/InstallLock.h"
#include "steam/SteamCMDManager.h"

#include <QDir>

InstallFolderController::InstallFolderController(LauncherSettings *settings,
                                                 SteamCMDManager *steamCMD, QObject *parent)
    : QObject(parent), m_settings(settings), m_steamCMD(steamCMD)
{
    connect(m_settings, &LauncherSettings::installDirChanged, this,
            &InstallFolderController::installDirChanged);
    if (m_steamCMD) {
        m_steamCMD->setBlocker([this] {
            return m_moveUnderWay
                       ? LocalizedText::translate("InstallFolderController",
                                                  "The game data is being moved to another "
                                                  "folder; start the download once the move "
                                                  "has ended.")
                       : LocalizedText();
        });
    }
}

InstallFolderController::~InstallFolderController()
{
    if (m_steamCMD)
        m_steamCMD->setBlocker({});
    // A move still under way goes with its object, which puts the old
    // folder back in use.
    if (m_move)
        m_move->disconnect(this);
}

QString InstallFolderController::installDir() const
{
    return m_settings->installDir();
}

QString InstallFolderController::changeInstallDir(const QString &folder, bool moveData)
{
    if (folder.isEmpty() || !QDir::isAbsolutePath(folder))
        return tr("The install folder must be an absolute path.");
    if (m_steamCMD && m_steamCMD->downloadUnderWay())
        return tr("A download is running. Stop it before changing the install folder.");
    // A cancelled SteamCMD may still be writing while it stops.
    if (m_steamCMD && m_steamCMD->hasActiveWork())
        return tr("A download is still stopping. Try again in a moment.");
    if (m_moveUnderWay)
        return tr("The game data is being moved already.");
    if (!moveData) {
        if (!LauncherSettings::storeInstallDir(folder))
            return tr("Could not store the install folder.");
        m_settings->reload();
        qCInfo(lcSettings) << "install folder is now" << m_settings->installDir();
        setMoveStatus(tr("The game data now goes to %1.").arg(m_settings->installDir()));
        return QString();
    }

    const QString source = m_settings->installDir();
    const QString target = QDir::cleanPath(folder);
    if (const QString why = InstallFolderMove::refusal(source, target); !why.isEmpty())
        return why;
    // Another launcher's download (or move) of this install refuses the move.
    auto lock = std::make_unique<InstallLock>(InstallLock::pathIn(GameFolders::supportDir()));
    if (!lock->tryLock()) {
        if (lock->isHeldElsewhere())
            //: %1 says which download holds the install folder.
            return tr("%1. Stop it before changing the install folder.")
                .arg(lock->error().translated());
        qCWarning(lcSettings) << "moving without the download lock:" << lock->errorString();
    }
    m_lock = std::move(lock);

    m_move = new InstallFolderMove(source, target, this);
    connect(m_move, &Operation::progress, this, [this](qint64 done, qint64 total) {
        setMoveProgress(total > 0 ? double(done) / double(total) : -1);
    });
    connect(m_move, &Operation::finished, this, &InstallFolderController::onMoveFinished);
    setMoveUnderWay(true);
    setMoveProgress(-1);
    setMoveStatus(tr("Moving the game data to %1...").arg(target));
    m_move->start();
    return QString();
}

void InstallFolderController::cancelMove()
{
    if (m_move)
        m_move->abort();
}

void InstallFolderController::onMoveFinished()
{
    InstallFolderMove *move = std::exchange(m_move, nullptr);
    move->disconnect(this);
    move->deleteLater();
    m_lock.reset();
    const bool succeeded = move->outcome() == Operation::Outcome::Succeeded;
    QString status;
    switch (move->outcome()) {
    case Operation::Outcome::Succeeded:
        status = move->summary();
        break;
    case Operation::Outcome::Failed:
        status = move->localizedMessage().translated();
        break;
    case Operation::Outcome::Cancelled:
        status =
            tr("The move was cancelled; the game data stays in \"%1\".").arg(move->sourceDir());
        break;
    }
    qCInfo(lcSettings) << "move ended:" << status;
    m_settings->reload();
    setMoveProgress(-1);
    setMoveStatus(status);
    setMoveUnderWay(false);
    Q_EMIT moveFinished(succeeded, status);
}

void InstallFolderController::setMoveStatus(const QString &status)
{
    if (m_moveStatus == status)
        return;
    m_moveStatus = status;
    Q_EMIT moveStatusChanged();
}

void InstallFolderController::setMoveUnderWay(bool underWay)
{
    if (m_moveUnderWay == underWay)
        return;
    m_moveUnderWay = underWay;
    Q_EMIT moveUnderWayChanged();
}

void InstallFolderController::setMoveProgress(double progress)
{
    if (m_moveProgress == progress)
        return;
    m_moveProgress = progress;
    Q_EMIT moveProgressChanged();
}
