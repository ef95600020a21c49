// SPDX-License-Identifier: GPL-3.0-or-later
#include "StandInStages.h"

SteamCMDManager::StagesFactory StandInStages::factory(std::shared_ptr<StandInPlan> plan)
{
    return [plan](const QString &, const QString &) -> std::unique_ptr<DownloadStages> {
        return std::make_unique<StandInStages>(plan);
    };
}

StandInStage *StandInStages::make(const QString &name, QList<StandInStep> &steps, QObject *parent)
{
    m_plan->started.append(name);
    auto *stage = new StandInStage(steps.isEmpty() ? StandInStep{} : steps.takeFirst(),
                                   &m_plan->codes, parent);
    m_plan->current = stage;
    return stage;
}

Operation *StandInStages::installSteamCMD(QObject *parent)
{
    return make(QStringLiteral("install"), m_plan->install, parent);
}

SteamCMDStage *StandInStages::startSteamCMD(bool mayRetryConfiguration, QObject *parent)
{
    m_plan->mayRetryConfiguration.append(mayRetryConfiguration);
    return make(QStringLiteral("steamcmd"), m_plan->steamCMD, parent);
}

void StandInStages::fixUpAssets(const std::function<void(const QString &)> &log)
{
    m_plan->started.append(QStringLiteral("fix-up"));
    log(QStringLiteral("[*] fixed up\n"));
}

Operation *StandInStages::downloadPatch(QObject *parent)
{
    return make(QStringLiteral("patch download"), m_plan->patchDownload, parent);
}

Operation *StandInStages::checkPatch(QObject *parent)
{
    return make(QStringLiteral("patch check"), m_plan->patchCheck, parent);
}

Operation *StandInStages::unpackPatch(QObject *parent)
{
    return make(QStringLiteral("patch unpack"), m_plan->patchUnpack, parent);
}

std::shared_ptr<StandInPlan> startStandInRun(SteamCMDManager &manager, QList<StandInStep> steamCMD,
                                             QList<StandInStep> install)
{
    auto plan = std::make_shared<StandInPlan>();
    if (steamCMD.isEmpty())
        steamCMD.append(StandInStep::hanging());
    plan->steamCMD = std::move(steamCMD);
    plan->steamCMDInstalled = install.isEmpty();
    plan->install = std::move(install);
    manager.setStagesFactory(StandInStages::factory(plan));
    manager.startDownload(QStringLiteral("player"), QStringLiteral("secret"));
    return plan;
}
