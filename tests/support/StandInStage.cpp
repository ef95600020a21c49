// SPDX-License-Identifier: GPL-3.0-or-later
#include "StandInStage.h"

#include <QTimer>

StandInStep StandInStep::failing(const QString &message, int exitStatus)
{
    StandInStep step;
    step.outcome = Operation::Outcome::Failed;
    step.message = message;
    step.exitStatus = exitStatus;
    return step;
}

StandInStep StandInStep::hanging()
{
    StandInStep step;
    step.hang = true;
    return step;
}

StandInStage::StandInStage(StandInStep step, QStringList *codes, QObject *parent)
    : SteamCMDStage(parent), m_step(std::move(step)), m_codes(codes)
{}

void StandInStage::submitSteamGuardCode(const QString &code)
{
    m_codes->append(code);
}

void StandInStage::run()
{
    if (!m_step.log.isEmpty())
        Q_EMIT log(m_step.log);
    for (const SteamCMDState &state : std::as_const(m_step.states))
        Q_EMIT stateChanged(state);
    if (!m_step.hang)
        QTimer::singleShot(0, this, &StandInStage::endNow);
}

void StandInStage::endNow()
{
    end(m_step.outcome);
}

void StandInStage::onAbort()
{
    const Operation::Outcome outcome =
        m_step.outcomeWhenAborted.value_or(Operation::Outcome::Cancelled);
    QTimer::singleShot(m_step.stopDelayMs, this, [this, outcome] { end(outcome); });
}

void StandInStage::end(Operation::Outcome outcome)
{
    setExitStatus(m_step.exitStatus);
    if (m_step.missingConfiguration)
        setMissingConfiguration();
    switch (outcome) {
    case Operation::Outcome::Succeeded:
        return succeed();
    case Operation::Outcome::Failed:
        return fail(m_step.message);
    case Operation::Outcome::Cancelled:
        return cancelled();
    }
}
