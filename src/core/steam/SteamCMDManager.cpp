// SPDX-License-Identifier: GPL-3.0-or-later
#include "steam/SteamCMDManager.h"

#include "Endpoints.h"
#include "LogCategories.h"
#include "game/GameFolders.h"
#include "patch/ExtractedTree.h"
#include "settings/LauncherSettings.h"
#include "steam/InstallLock.h"
#include "steam/RunLog.h"

#include <QNetworkAccessManager>

SteamCMDManager::SteamCMDManager(QObject *parent) : QObject(parent)
{
    qRegisterMetaType<SteamCMDState>();
    // What a launcher killed while unpacking the patch left behind: one
    // look at the install folder's names, made once at start.
    ExtractedTree::removeLeftovers(installDir());
}

SteamCMDManager::~SteamCMDManager()
{
    if (m_runLog)
        m_runLog->close();
    // Runs go with the manager (their children are killed); their last
    // signals must not reach a half-destroyed object.
    if (m_run)
        m_run->disconnect(this);
    for (const QPointer<DownloadRun> &run : std::as_const(m_replaced)) {
        if (run)
            run->disconnect(this);
    }
}

QString SteamCMDManager::appID()
{
    return SteamDownloadStages::appID();
}

QString SteamCMDManager::storeURL()
{
    return Endpoints::storePage();
}

void SteamCMDManager::setSteamGuardCode(const QString &code)
{
    if (m_steamGuardCode == code)
        return;
    m_steamGuardCode = code;
    Q_EMIT steamGuardCodeChanged();
}

void SteamCMDManager::setShowPurchaseAlert(bool show)
{
    if (m_showPurchaseAlert == show)
        return;
    m_showPurchaseAlert = show;
    Q_EMIT showPurchaseAlertChanged();
}

void SteamCMDManager::setLastUsername(const QString &username)
{
    if (m_lastUsername == username)
        return;
    m_lastUsername = username;
    Q_EMIT lastUsernameChanged();
}

void SteamCMDManager::setProgressDetail(const QString &text)
{
    if (m_progressDetail == text)
        return;
    m_progressDetail = text;
    Q_EMIT progressDetailChanged();
}

void SteamCMDManager::setState(const SteamCMDState &state)
{
    if (m_state == state)
        return;
    m_state = state;
    // The detail line belongs to SteamCMD's download and verification and
    // to the patch download.
    if (state.kind() != SteamCMDState::Kind::Downloading &&
        state.kind() != SteamCMDState::Kind::Validating &&
        state.kind() != SteamCMDState::Kind::DownloadingPatch)
        setProgressDetail(QString());
    Q_EMIT stateChanged();
}

void SteamCMDManager::setFailureExplanation(const QString &text)
{
    if (m_failureExplanation == text)
        return;
    m_failureExplanation = text;
    Q_EMIT failureExplanationChanged();
}

void SteamCMDManager::setApprovalPrompt(const QString &text)
{
    if (m_approvalPrompt == text)
        return;
    m_approvalPrompt = text;
    Q_EMIT approvalPromptChanged();
}

QString SteamCMDManager::logFolder()
{
    return RunLog::defaultFolder();
}

// ---- folder layout --------------------------------------------------------

QString SteamCMDManager::supportDir() const
{
    return GameFolders::supportDir();
}

QString SteamCMDManager::steamCMDDir() const
{
    return GameFolders::steamCMDDir();
}

QString SteamCMDManager::steamCMDBinary() const
{
    return GameFolders::steamCMDBinary();
}

QString SteamCMDManager::installDir() const
{
    return GameFolders::installDir();
}

QString SteamCMDManager::assetsDir() const
{
    return GameFolders::assetsDir();
}

QString SteamCMDManager::baseGameDir() const
{
    return GameFolders::baseGameDir();
}

bool SteamCMDManager::isSteamCMDInstalled() const
{
    return GameFolders::isSteamCMDInstalled();
}

bool SteamCMDManager::areAssetsValid() const
{
    return GameFolders::areAssetsValid();
}

SteamDownloadStages::Paths SteamCMDManager::paths() const
{
    return {steamCMDDir(), steamCMDBinary(), installDir(), assetsDir(), baseGameDir()};
}

// ---- console and failures -------------------------------------------------

void SteamCMDManager::appendLog(const QString &text)
{
    if (text.isEmpty())
        return;
    // Appended in place: the console holds everything SteamCMD says during a
    // run, and copying it whole for every chunk would grow quadratically.
    m_consoleLog += text;
    if (m_runLog)
        m_runLog->append(text);
    Q_EMIT consoleAppended(text);
    Q_EMIT consoleLogChanged();
}

void SteamCMDManager::clearConsole()
{
    if (m_consoleLog.isEmpty())
        return;
    m_consoleLog.clear();
    Q_EMIT consoleCleared();
    Q_EMIT consoleLogChanged();
}

// ---- runs -----------------------------------------------------------------

QNetworkAccessManager *SteamCMDManager::network()
{
    if (!m_network)
        m_network = new QNetworkAccessManager(this);
    return m_network;
}

std::unique_ptr<DownloadStages> SteamCMDManager::makeStages(const QString &username,
                                                            const QString &password)
{
    if (m_stagesFactory)
        return m_stagesFactory(username, password);
    // The limit as stored when the run starts: the window and the command
    // line read the same file.
    SteamDownloadStages::Settings settings = m_runSettings;
    settings.downloadLimitKBps = LauncherSettings::storedDownloadLimit();
    return std::make_unique<SteamDownloadStages>(network(), paths(), settings, username, password);
}

void SteamCMDManager::startDownload(const QString &username, const QString &password)
{
    if (m_state.isRunning())
        return;

    if (DownloadRun *previous = std::exchange(m_run, nullptr)) {
        // From here on the old run is heard only as work still under way.
        previous->disconnect(this);
        connect(previous, &DownloadRun::activityChanged, this, &SteamCMDManager::updateActiveWork);
        connect(previous, &QObject::destroyed, this, &SteamCMDManager::updateActiveWork);
        m_replaced.append(previous);
        previous->abandon();
    }
    clearConsole();
    setLastUsername(username);
    setFailureExplanation(QString());
    setApprovalPrompt(QString());
    setProgressDetail(QString());
    m_runLog = std::make_unique<RunLog>();
    if (m_runLog->open())
        m_runLog->addSecret(password);
    else
        m_runLog.reset();

    auto *run = new DownloadRun(makeStages(username, password), this);
    m_run = run;
    connect(run, &DownloadRun::stateChanged, this, &SteamCMDManager::setState);
    connect(run, &DownloadRun::failureExplanationChanged, this,
            &SteamCMDManager::setFailureExplanation);
    connect(run, &DownloadRun::progressDetailChanged, this, &SteamCMDManager::setProgressDetail);
    connect(run, &DownloadRun::awaitingApprovalChanged, this, [this](bool awaiting) {
        setApprovalPrompt(awaiting ? tr("Approve the sign-in in the Steam Mobile "
                                        "app on your phone")
                                   : QString());
    });
    connect(run, &DownloadRun::consoleAppended, this, &SteamCMDManager::appendLog);
    connect(run, &DownloadRun::purchaseRequired, this, [this] { setShowPurchaseAlert(true); });
    connect(run, &DownloadRun::activityChanged, this, &SteamCMDManager::updateActiveWork);
    connect(run, &DownloadRun::finished, this,
            [this, run](Operation::Outcome outcome) { onRunFinished(run, outcome); });
    updateActiveWork();
    updateDownloadUnderWay();
    if (const LocalizedText blocked = m_blocker ? m_blocker() : LocalizedText();
        !blocked.isEmpty()) {
        run->refuse(blocked);
        return;
    }
    // Held until no SteamCMD of this manager is left (a replaced run's child
    // included); another launcher's run refuses this one at once.
    if (!m_lock || !m_lock->isLocked()) {
        m_lock = std::make_unique<InstallLock>(InstallLock::pathIn(supportDir()));
        if (!m_lock->tryLock()) {
            if (m_lock->isHeldElsewhere()) {
                run->refuse(m_lock->error());
                return;
            }
            // A support folder that cannot hold the lock file (read-only,
            // full) fails the run where it really matters, with its own
            // message, not here.
            qCWarning(lcSteamCmd) << "running without the download lock:" << m_lock->errorString();
        }
    }
    run->start();
}

void SteamCMDManager::onRunFinished(DownloadRun *run, DownloadRun::Outcome outcome)
{
    if (m_run != run)
        return;
    m_run = nullptr;
    run->disconnect(this);
    run->deleteLater();
    if (m_runLog)
        m_runLog->close();
    setProgressDetail(QString());
    updateActiveWork();
    updateDownloadUnderWay();
    Q_EMIT runFinished(outcome);
}

void SteamCMDManager::submitSteamGuard()
{
    if (m_state.kind() != SteamCMDState::Kind::WaitingSteamGuard)
        return;
    if (m_steamGuardCode.isEmpty())
        return;
    const QString code = m_steamGuardCode.trimmed();
    setSteamGuardCode(QString());
    if (m_runLog)
        m_runLog->addSecret(code);
    if (m_run)
        m_run->submitSteamGuardCode(code);
}

void SteamCMDManager::cancel()
{
    if (m_run) {
        m_run->cancel();
        updateDownloadUnderWay();
        return;
    }
    // No run to stop: only the state and the console say so.
    setState(SteamCMDState::idle());
    appendLog(QStringLiteral("\n--- CANCELLED ---\n"));
}

// ---- work under way -------------------------------------------------------

bool SteamCMDManager::hasSteamCMDChild() const
{
    if (m_run && m_run->hasSteamCMDChild())
        return true;
    for (const QPointer<DownloadRun> &run : m_replaced) {
        if (run && run->hasSteamCMDChild())
            return true;
    }
    return false;
}

void SteamCMDManager::updateActiveWork()
{
    m_replaced.removeAll(nullptr);
    bool active = m_run != nullptr;
    for (const QPointer<DownloadRun> &run : std::as_const(m_replaced))
        active = active || run->hasActiveWork();
    const bool child = hasSteamCMDChild();
    if (!active && m_lock)
        m_lock->unlock();
    if (active == m_activeWork && child == m_hadSteamCMDChild)
        return;
    m_activeWork = active;
    m_hadSteamCMDChild = child;
    Q_EMIT activeWorkChanged();
}

void SteamCMDManager::updateDownloadUnderWay()
{
    const bool underWay = m_run && !m_run->abortRequested();
    if (underWay == m_downloadUnderWay)
        return;
    m_downloadUnderWay = underWay;
    Q_EMIT downloadUnderWayChanged();
}
