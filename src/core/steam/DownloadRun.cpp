// SPDX-License-Identifier: GPL-3.0-or-later
#include "steam/DownloadRun.h"

#include "LogCategories.h"
#include "steam/DownloadStages.h"
#include "steam/SteamCMDStage.h"

namespace {

// How often the patch's detail line may change: often enough to look alive,
// rarely enough that formatting it costs nothing next to the transfer.
constexpr qint64 kDetailIntervalMs = 250;

} // namespace

DownloadRun::DownloadRun(std::unique_ptr<DownloadStages> stages, QObject *parent)
    : Operation(parent), m_stages(std::move(stages))
{}

DownloadRun::~DownloadRun()
{
    // Stages go with the run (their children are killed); their last
    // signals must not reach a half-destroyed run.
    if (m_stage)
        m_stage->disconnect(this);
}

bool DownloadRun::hasSteamCMDChild() const
{
    return m_steam && m_steam->hasChild();
}

void DownloadRun::setState(const SteamCMDState &state)
{
    m_state = state;
    if (state.kind() != SteamCMDState::Kind::WaitingSteamGuard)
        setAwaitingApproval(false);
    Q_EMIT stateChanged(state);
}

void DownloadRun::setExplanation(const QString &explanation)
{
    if (m_explanation == explanation)
        return;
    m_explanation = explanation;
    Q_EMIT failureExplanationChanged(explanation);
}

void DownloadRun::setAwaitingApproval(bool awaiting)
{
    if (m_awaitingApproval == awaiting)
        return;
    m_awaitingApproval = awaiting;
    Q_EMIT awaitingApprovalChanged(awaiting);
}

void DownloadRun::setDetail(const QString &detail)
{
    if (m_detail == detail)
        return;
    m_detail = detail;
    Q_EMIT progressDetailChanged(detail);
}

void DownloadRun::log(const QString &text)
{
    Q_EMIT consoleAppended(text);
}

void DownloadRun::showFailure(const LocalizedText &message)
{
    qCInfo(lcSteamCmd) << "download failed:" << message.english();
    setState(SteamCMDState::failed(message));
    log(QStringLiteral("\n[✗] ") + message.english() + QStringLiteral("\n"));
}

void DownloadRun::failRun(const LocalizedText &message)
{
    // A failure shown when it was found is not shown twice.
    if (m_state != SteamCMDState::failed(message))
        showFailure(message);
    fail(message);
}

void DownloadRun::refuse(const LocalizedText &message)
{
    m_refusal = message;
    start();
}

void DownloadRun::run()
{
    if (!m_refusal.isEmpty())
        return failRun(m_refusal);
    if (m_stages->isSteamCMDInstalled())
        launchSteamCMD();
    else
        install();
}

void DownloadRun::runStage(Operation *stage, StageEnd onEnd)
{
    m_stage = stage;
    connect(stage, &Operation::log, this, &DownloadRun::log);
    connect(stage, &Operation::finished, this, [this, stage, onEnd](Outcome outcome) {
        const LocalizedText message = stage->localizedMessage();
        m_stage = nullptr;
        stage->disconnect(this);
        stage->deleteLater();
        // Nothing follows a cancel, whatever the stage's own end.
        if (abortRequested() || outcome == Outcome::Cancelled)
            cancelled();
        else
            onEnd(outcome, message);
        // Only now: the next stage already counts as work, so
        // observers never see a gap between the two.
        Q_EMIT activityChanged();
    });
    Q_EMIT activityChanged();
    stage->start();
}

void DownloadRun::onAbort()
{
    setState(SteamCMDState::idle());
    log(QStringLiteral("\n--- CANCELLED ---\n"));
    // The run ends when the stage has stopped (SteamCMD may take its grace
    // period); between stages there is nothing to wait for.
    if (m_stage)
        m_stage->abort();
    else
        cancelled();
}

void DownloadRun::abandon()
{
    if (isFinished()) {
        deleteLater();
        return;
    }
    connect(this, &Operation::finished, this, &QObject::deleteLater);
    if (m_steam)
        qCInfo(lcSteamCmd) << "stopping the SteamCMD child of the previous run";
    abort();
}

// ---- SteamCMD -------------------------------------------------------------

void DownloadRun::install()
{
    setState(SteamCMDState::downloadingSteamCMD());
    runStage(m_stages->installSteamCMD(this),
             [this](Outcome outcome, const LocalizedText &message) {
                 if (outcome == Outcome::Succeeded)
                     launchSteamCMD();
                 else
                     failRun(message);
             });
}

void DownloadRun::launchSteamCMD()
{
    setExplanation(QString());
    SteamCMDStage *steam = m_stages->startSteamCMD(!m_retriedConfiguration, this);
    m_steam = steam;
    // After a cancel the run shows idle whatever SteamCMD still says.
    connect(steam, &SteamCMDStage::stateChanged, this, [this](const SteamCMDState &state) {
        if (!abortRequested())
            setState(state);
    });
    connect(steam, &SteamCMDStage::failureFound, this, [this](const LocalizedText &message) {
        if (!abortRequested())
            showFailure(message);
    });
    connect(steam, &SteamCMDStage::purchaseRequired, this, [this] {
        if (!abortRequested())
            Q_EMIT purchaseRequired();
    });
    connect(steam, &SteamCMDStage::failureExplanationChanged, this, [this](const QString &text) {
        if (!abortRequested())
            setExplanation(text);
    });
    connect(steam, &SteamCMDStage::awaitingApprovalChanged, this, [this](bool awaiting) {
        if (!abortRequested())
            setAwaitingApproval(awaiting);
    });
    connect(steam, &SteamCMDStage::progressDetailChanged, this, &DownloadRun::setDetail);
    runStage(steam, [this, steam](Outcome outcome, const LocalizedText &message) {
        onSteamCMDEnded(steam, outcome, message);
    });
}

void DownloadRun::onSteamCMDEnded(SteamCMDStage *steam, Outcome outcome,
                                  const LocalizedText &message)
{
    m_steam = nullptr;
    setDetail(QString());
    if (outcome == Outcome::Succeeded) {
        setExplanation(QString());
        log(QStringLiteral("\n[✓] Vanilla download completed successfully!\n"));
        m_stages->fixUpAssets([this](const QString &line) { log(line); });
        return downloadPatch();
    }
    if (steam->selfUpdated()) {
        if (m_selfUpdateRestarts < maxSelfUpdateRestarts) {
            ++m_selfUpdateRestarts;
            log(QStringLiteral("\n[*] SteamCMD updated itself. Restarting process...\n"));
            return launchSteamCMD();
        }
        const int asked = m_selfUpdateRestarts + 1;
        return failRun(LocalizedText::translate("DownloadRun",
                                                "SteamCMD asked to be restarted %n times in a "
                                                "row (exit code 42)",
                                                "", asked));
    }
    if (steam->missingConfiguration() && !m_retriedConfiguration) {
        m_retriedConfiguration = true;
        log(QStringLiteral("\n[*] Steam did not send the game's configuration, which often "
                           "clears up on a second try. Starting SteamCMD once more...\n"));
        return launchSteamCMD();
    }
    failRun(message);
}

void DownloadRun::submitSteamGuardCode(const QString &code)
{
    if (m_steam) {
        m_steam->submitSteamGuardCode(code);
        return;
    }
    // No SteamCMD to hear it: the code is lost, as the console line says
    // nothing about delivery.
    log(QStringLiteral("> Steam Guard code submitted\n"));
    setState(SteamCMDState::authenticating());
}

// ---- community patch ------------------------------------------------------

void DownloadRun::downloadPatch()
{
    setState(SteamCMDState::downloadingPatch(0.0));
    log(QStringLiteral("\n[⭳] Downloading Community Patch & Maps...\n"));
    Operation *download = m_stages->downloadPatch(this);
    m_rate.reset();
    m_sinceDetail.invalidate();
    connect(download, &Operation::progress, this, &DownloadRun::patchProgressed);
    runStage(download, [this](Outcome outcome, const LocalizedText &message) {
        setDetail(QString());
        if (outcome == Outcome::Succeeded)
            checkPatch();
        else
            failRun(message);
    });
}

void DownloadRun::patchProgressed(qint64 done, qint64 total)
{
    if (abortRequested())
        return;
    // Without a known size there is no fraction to show.
    if (total > 0)
        setState(SteamCMDState::downloadingPatch(double(done) / double(total)));
    const bool last = total >= 0 && done >= total;
    if (m_sinceDetail.isValid() && m_sinceDetail.elapsed() < kDetailIntervalMs && !last)
        return;
    m_sinceDetail.start();
    m_rate.addSample(done, total);
    setDetail(m_rate.translatedText());
}

void DownloadRun::checkPatch()
{
    setState(SteamCMDState::unpackingPatch());
    runStage(m_stages->checkPatch(this), [this](Outcome outcome, const LocalizedText &message) {
        if (outcome == Outcome::Succeeded)
            unpackPatch();
        else
            failRun(message);
    });
}

void DownloadRun::unpackPatch()
{
    runStage(m_stages->unpackPatch(this), [this](Outcome outcome, const LocalizedText &message) {
        if (outcome != Outcome::Succeeded)
            return failRun(message);
        setState(SteamCMDState::completed());
        succeed();
    });
}
