// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "StandInStage.h"

#include "steam/DownloadStages.h"
#include "steam/SteamCMDManager.h"

#include <QList>
#include <QPointer>
#include <QStringList>

#include <memory>

// What the stand-in stages of a run (or of every run of a manager) do, and
// what they saw. Each kind's steps are taken in order, one per start; a
// kind without steps left succeeds.
struct StandInPlan
{
    bool steamCMDInstalled = true;
    QList<StandInStep> install;
    QList<StandInStep> steamCMD;
    QList<StandInStep> patchDownload;
    QList<StandInStep> patchCheck;
    QList<StandInStep> patchUnpack;

    // The stages in the order they started: "install", "steamcmd",
    // "fix-up", "patch download", "patch check", "patch unpack".
    QStringList started;
    // Per SteamCMD start, whether a missing configuration could be retried.
    QList<bool> mayRetryConfiguration;
    QStringList codes;
    // The stage started last.
    QPointer<StandInStage> current;
};

class StandInStages : public DownloadStages
{
public:
    explicit StandInStages(std::shared_ptr<StandInPlan> plan) : m_plan(std::move(plan)) {}

    // For a manager: every run gets stand-in stages of this plan.
    static SteamCMDManager::StagesFactory factory(std::shared_ptr<StandInPlan> plan);

    bool isSteamCMDInstalled() const override { return m_plan->steamCMDInstalled; }
    Operation *installSteamCMD(QObject *parent) override;
    SteamCMDStage *startSteamCMD(bool mayRetryConfiguration, QObject *parent) override;
    void fixUpAssets(const std::function<void(const QString &)> &log) override;
    Operation *downloadPatch(QObject *parent) override;
    Operation *checkPatch(QObject *parent) override;
    Operation *unpackPatch(QObject *parent) override;

private:
    StandInStage *make(const QString &name, QList<StandInStep> &steps, QObject *parent);

    std::shared_ptr<StandInPlan> m_plan;
};

// Starts a run of the manager over stand-in stages: SteamCMD's starts take
// `steamCMD` (one start that runs until cancelled when empty), and SteamCMD
// counts as installed unless `install` gives the installer's steps. The
// plan's current stage may be made to speak (Q_EMIT plan->current->log(...)).
std::shared_ptr<StandInPlan> startStandInRun(SteamCMDManager &manager,
                                             QList<StandInStep> steamCMD = {},
                                             QList<StandInStep> install = {});
