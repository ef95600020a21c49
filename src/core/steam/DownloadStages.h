// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

class Operation;
class QObject;
class SteamCMDStage;

// Makes the stages of one download run. The run asks for each stage when it
// is due and owns what it gets (the stage's parent is the run); tests give a
// run stand-in stages that end as the test says.
class DownloadStages
{
public:
    virtual ~DownloadStages() = default;

    virtual bool isSteamCMDInstalled() const = 0;
    // Fetches and unpacks SteamCMD into its folder.
    virtual Operation *installSteamCMD(QObject *parent) = 0;
    // One start of SteamCMD with the run's account. mayRetryConfiguration:
    // a missing app configuration may go unexplained, as the run starts
    // SteamCMD once more for it.
    virtual SteamCMDStage *startSteamCMD(bool mayRetryConfiguration, QObject *parent) = 0;
    // Puts the downloaded depot into the layout the engine reads; quick,
    // so done in one go. Each console line goes to log.
    virtual void fixUpAssets(const std::function<void(const QString &)> &log) = 0;
    // The community patch: download (progress in bytes), check, unpack.
    virtual Operation *downloadPatch(QObject *parent) = 0;
    virtual Operation *checkPatch(QObject *parent) = 0;
    virtual Operation *unpackPatch(QObject *parent) = 0;
};
