// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DownloadAnnouncer.h"

#include "platform/DesktopNotifier.h"
#include "platform/TaskbarProgress.h"
#include "settings/LauncherSettings.h"
#include "steam/SteamCMDManager.h"

DownloadAnnouncer::DownloadAnnouncer(SteamCMDManager *manager, LauncherSettings *settings,
                                     QObject *parent)
    : QObject(parent), m_manager(manager), m_settings(settings),
      m_notifier(new DesktopNotifier(this)), m_taskbar(new TaskbarProgress(this)),
      m_notifyWhenDone(settings->notifyWhenDone()),
      m_showTaskbarProgress(settings->showTaskbarProgress())
{
    connect(m_manager, &SteamCMDManager::stateChanged, this, &DownloadAnnouncer::updateProgress);
    connect(m_manager, &SteamCMDManager::downloadUnderWayChanged, this,
            &DownloadAnnouncer::updateProgress);
    connect(m_manager, &SteamCMDManager::runFinished, this, &DownloadAnnouncer::runFinished);
    connect(m_settings, &LauncherSettings::notifyWhenDoneChanged, this,
            [this] { m_notifyWhenDone = m_settings->notifyWhenDone(); });
    connect(m_settings, &LauncherSettings::showTaskbarProgressChanged, this, [this] {
        m_showTaskbarProgress = m_settings->showTaskbarProgress();
        updateProgress();
    });
    connect(m_notifier, &DesktopNotifier::activated, this, &DownloadAnnouncer::raiseRequested);
    updateProgress();
}

DownloadAnnouncer::~DownloadAnnouncer() = default;

void DownloadAnnouncer::updateProgress()
{
    const double fraction = m_manager->state().fraction();
    if (m_showTaskbarProgress && m_manager->downloadUnderWay() && fraction >= 0)
        m_taskbar->setProgress(fraction);
    else
        m_taskbar->clear();
}

void DownloadAnnouncer::runFinished(DownloadRun::Outcome outcome)
{
    updateProgress();
    if (!m_notifyWhenDone || m_windowActive)
        return;
    switch (outcome) {
    case DownloadRun::Outcome::Succeeded:
        //: A desktop notification; LAUNCH is the window's button.
        m_notifier->notify(tr("Assets ready"),
                           tr("The game is downloaded and patched: LAUNCH starts it."),
                           QStringLiteral("transfer.complete"));
        break;
    case DownloadRun::Outcome::Failed: {
        const SteamCMDState state = m_manager->state();
        m_notifier->notify(tr("Download failed"),
                           state.kind() == SteamCMDState::Kind::Failed
                               ? state.translatedText()
                               : state.translatedStatusText(),
                           QStringLiteral("transfer.error"));
        break;
    }
    case DownloadRun::Outcome::Cancelled:
        m_notifier->notify(tr("Download stopped"),
                           tr("A new download continues where this one stopped."),
                           QStringLiteral("transfer"));
        break;
    }
}
