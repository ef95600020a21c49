// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "steam/SteamCMDStage.h"

#include <QList>
#include <QString>

#include <optional>

// How a stand-in stage behaves: what it says, how it ends, how it takes an
// abort. The defaults succeed at once (on the next turn of the event loop).
struct StandInStep
{
    Operation::Outcome outcome = Operation::Outcome::Succeeded;
    QString message;
    // Console text and (for SteamCMD) states, given when the stage starts.
    QString log;
    QList<SteamCMDState> states;
    // As SteamCMD: the status it exits with (42: it updated itself), and
    // whether it reported a missing configuration.
    int exitStatus = 0;
    bool missingConfiguration = false;
    // Runs until aborted, or until ended by StandInStage::endNow().
    bool hang = false;
    // The end an aborted stage reaches (a SteamCMD that exits 0 anyway), and
    // how long it takes to stop.
    std::optional<Operation::Outcome> outcomeWhenAborted;
    int stopDelayMs = 0;

    static StandInStep failing(const QString &message, int exitStatus = 1);
    static StandInStep hanging();
};

// Any stage of a download run, ending as its step says.
class StandInStage : public SteamCMDStage
{
    Q_OBJECT

public:
    StandInStage(StandInStep step, QStringList *codes, QObject *parent);

    void submitSteamGuardCode(const QString &code) override;
    bool hasChild() const override { return isRunning(); }
    // Ends a hanging stage now, as its step says.
    void endNow();

protected:
    void run() override;
    void onAbort() override;

private:
    void end(Operation::Outcome outcome);

    StandInStep m_step;
    QStringList *m_codes;
};
