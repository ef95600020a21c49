// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "l10n/LocalizedText.h"

#include <QString>

// One SteamCMD per install. Two downloads at once (two windows, or a window
// and the `download` command) would fight over SteamCMD's files and the one
// Steam session an account may have.
//
// The lock is an flock() on an open descriptor of a file in the support
// folder, so the system releases it when the holder ends in any way, killed
// included. The holder writes its process id into the file for the message
// the next one gets. The descriptor is not inherited by child processes: a
// SteamCMD left behind by a killed launcher does not keep it.
class InstallLock
{
public:
    // The lock file inside the support folder.
    static QString pathIn(const QString &supportDir);

    explicit InstallLock(QString path);
    ~InstallLock();
    InstallLock(const InstallLock &) = delete;
    InstallLock &operator=(const InstallLock &) = delete;

    // Takes the lock without waiting. False when someone else holds it
    // (holderPid() and errorString() say who) or the file cannot be opened.
    bool tryLock();
    void unlock();
    bool isLocked() const { return m_fd >= 0; }

    // After a failed tryLock(): whether another holder has it (false: the
    // lock file itself could not be used).
    bool isHeldElsewhere() const { return m_heldElsewhere; }
    // After a failed tryLock(): the holder's process id, -1 when unknown.
    qint64 holderPid() const { return m_holder; }
    // After a failed tryLock(): "Another download is already running
    // (process 4242)", or why the lock file could not be used.
    QString errorString() const { return m_error.english(); }
    LocalizedText error() const { return m_error; }
    QString path() const { return m_path; }

private:
    QString m_path;
    int m_fd = -1;
    qint64 m_holder = -1;
    bool m_heldElsewhere = false;
    LocalizedText m_error;
};
