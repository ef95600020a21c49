// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "steam/DownloadRun.h"

#include <QObject>

class DesktopNotifier;
class LauncherSettings;
class SteamCMDManager;
class TaskbarProgress;

// Tells the desktop how a download goes while the player looks elsewhere.
// While a download is under way, the task bar shows what the window's bar
// shows (the fraction of the step under way, while one is known), and the
// bar goes when the download ends or is cancelled. When a download ends
// while the window is not active, a notification says how: assets ready,
// failed (with its message) or stopped; clicking it asks for the window
// (raiseRequested()). Each part follows its setting (LauncherSettings:
// showTaskbarProgress, notifyWhenDone), changes included.
class DownloadAnnouncer : public QObject
{
    Q_OBJECT

public:
    // Both must outlive the announcer.
    DownloadAnnouncer(SteamCMDManager *manager, LauncherSettings *settings,
                      QObject *parent = nullptr);
    ~DownloadAnnouncer() override;

    // Whether the player is looking at the launcher (the window knows:
    // the application is active); not known to be, until told.
    void setWindowActive(bool active) { m_windowActive = active; }
    bool isWindowActive() const { return m_windowActive; }

Q_SIGNALS:
    // The player clicked the notification: show the window.
    void raiseRequested();

private:
    void updateProgress();
    void runFinished(DownloadRun::Outcome outcome);

    SteamCMDManager *m_manager;
    LauncherSettings *m_settings;
    DesktopNotifier *m_notifier;
    TaskbarProgress *m_taskbar;
    // The settings as last announced: the state changes with every
    // SteamCMD line, and each read of a setting reads the file.
    bool m_notifyWhenDone;
    bool m_showTaskbarProgress;
    bool m_windowActive = false;
};
