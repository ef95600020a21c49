// SPDX-License-Identifier: GPL-3.0-or-later
#include "DownloadRun.h"

#include "AssetFixup.h"
#include "DownloadProgress.h"
#include "LogCategories.h"
#include "PatchInstaller.h"
#include "SteamCMDInstaller.h"
#include "SteamCMDManager.h"
#include "SteamCMDProcess.h"

#include <filesystem>
#include <system_error>

namespace {

// SteamCMD's status when it has updated itself and wants to be started again.
constexpr int kSelfUpdateStatus = 42;

} // namespace

DownloadRun::DownloadRun(QNetworkAccessManager *network, Paths paths, Settings settings,
                         QString username, QString password, QObject *parent)
    : QObject(parent), m_network(network), m_paths(std::move(paths)), m_settings(settings),
      m_username(std::move(username)), m_password(std::move(password)),
      m_reader(m_paths.assetsDir, m_paths.steamCMDDir),
      m_progress(new DownloadProgress(m_settings.stallLimit, this))
{
    connect(m_progress, &DownloadProgress::detailChanged, this,
            &DownloadRun::progressDetailChanged);
    connect(m_progress, &DownloadProgress::stalled, this, [this] {
        log(QStringLiteral("\n[!] SteamCMD has made no progress for %1. CANCEL and a new "
                           "download continue where it stopped.\n")
                .arg(TransferRate::formatDuration(
                    std::chrono::ceil<std::chrono::seconds>(m_settings.stallLimit).count())));
    });
}

DownloadRun::~DownloadRun() = default;

bool DownloadRun::hasActiveWork() const
{
    return m_installer || m_process || (m_patch && m_patch->isBusy());
}

void DownloadRun::setState(const SteamCMDState &state)
{
    m_state = state;
    const SteamCMDState::Kind kind = state.kind();
    if (kind != SteamCMDState::Kind::WaitingSteamGuard)
        setAwaitingApproval(false);
    m_progress->setWatching(m_process && (kind == SteamCMDState::Kind::Downloading ||
                                          kind == SteamCMDState::Kind::Validating));
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

void DownloadRun::log(const QString &text)
{
    Q_EMIT consoleAppended(text);
}

void DownloadRun::fail(const QString &message)
{
    qCWarning(lcSteamCmd) << "workflow failed:" << message;
    setState(SteamCMDState::failed(message));
    log(QStringLiteral("\n[✗] ") + message + QStringLiteral("\n"));
}

void DownloadRun::finish()
{
    if (m_finished)
        return;
    m_finished = true;
    if (m_state.kind() == SteamCMDState::Kind::Completed)
        m_outcome = Outcome::Succeeded;
    else
        m_outcome = m_cancelled ? Outcome::Cancelled : Outcome::Failed;
    Q_EMIT activityChanged();
    Q_EMIT finished(m_outcome);
}

void DownloadRun::start(bool steamCMDInstalled)
{
    if (steamCMDInstalled)
        launchSteamCMD();
    else
        install();
}

void DownloadRun::refuse(const QString &message)
{
    fail(message);
    finish();
}

// ---- SteamCMD install -----------------------------------------------------

void DownloadRun::install()
{
    setState(SteamCMDState::downloadingSteamCMD());
    m_installer =
        new SteamCMDInstaller(m_network, m_paths.steamCMDDir, m_paths.steamCMDBinary, this);
    m_installer->setTransferTimeout(m_settings.transferTimeout);
    connect(m_installer, &SteamCMDInstaller::log, this, &DownloadRun::log);
    connect(m_installer, &SteamCMDInstaller::finished, this,
            [this](bool ok, const QString &failure) {
                m_installer->deleteLater();
                m_installer = nullptr;
                // A cancel during the install does not stop the launch: the
                // run goes on with SteamCMD ready.
                if (ok) {
                    launchSteamCMD();
                } else {
                    fail(failure);
                    finish();
                }
            });
    Q_EMIT activityChanged();
    m_installer->start();
}

// ---- SteamCMD -------------------------------------------------------------

void DownloadRun::launchSteamCMD()
{
    setState(SteamCMDState::authenticating());
    log(QStringLiteral("[*] Launching SteamCMD...\n"));

    std::error_code error;
    std::filesystem::create_directories(m_paths.assetsDir.toStdString(), error);
    if (error) {
        fail(QStringLiteral("Cannot create assets directory: ") +
             QString::fromLocal8Bit(error.message()));
        finish();
        return;
    }

    m_reader.restart();
    m_progress->restart();
    m_passwordTyped = false;
    m_stopping = false;
    m_missingConfiguration = false;
    setExplanation(QString());
    m_process = new SteamCMDProcess(this);
    m_process->setUsePseudoTerminal(m_settings.usePseudoTerminal);
    m_process->setStopGracePeriod(m_settings.stopGraceMs);
    connect(m_process, &SteamCMDProcess::usingPipes, this, [this](const QString &reason) {
        log(QStringLiteral("[!] No terminal for SteamCMD (") + reason +
            QStringLiteral("): its prompts may only show when it exits.\n"));
    });
    connect(m_process, &SteamCMDProcess::output, this, &DownloadRun::onOutput);
    connect(m_process, &SteamCMDProcess::failedToStart, this, [this](const QString &reason) {
        m_process->deleteLater();
        m_process = nullptr;
        if (!m_abandoned) {
            fail(QStringLiteral("Failed to launch SteamCMD: ") + reason);
            finish();
        }
        Q_EMIT activityChanged();
        releaseIfIdle();
    });
    connect(m_process, &SteamCMDProcess::finished, this,
            [this](int status) { onSteamCMDEnded(status); });
    Q_EMIT activityChanged();
    // One list element each: the user name reaches SteamCMD exactly as
    // typed, whatever blanks or quotes it holds. On a terminal the password
    // stays off the command line, where every local user could read it: it
    // is typed at SteamCMD's prompt, which does not come at all while
    // SteamCMD's own login token is good. Through pipes a prompt may never
    // show, so there it has to ride on the command line.
    QStringList arguments{QStringLiteral("+@sSteamCmdForcePlatformType"),
                          QStringLiteral("windows"),
                          QStringLiteral("+force_install_dir"),
                          m_paths.assetsDir,
                          QStringLiteral("+login"),
                          m_username,
                          QStringLiteral("+app_update"),
                          SteamCMDManager::appID(),
                          QStringLiteral("validate"),
                          QStringLiteral("+quit")};
    QStringList pipeArguments = arguments;
    pipeArguments.insert(6, m_password);
    m_process->setPipeArguments(pipeArguments);
    m_process->start(m_paths.steamCMDBinary, arguments, m_paths.steamCMDDir);
}

void DownloadRun::onOutput(const QString &text)
{
    // A superseded run's child is still drained, but nobody hears it.
    if (m_abandoned)
        return;
    log(text);
    // The failure reasons come first: a sentence before the failure line it
    // explains.
    const QList<SteamCMDReader::Event> events = m_reader.feed(text);
    QStringList progressLines;
    for (const SteamCMDReader::Event &event : events) {
        if (event.kind == SteamCMDReader::Event::Kind::Progress)
            progressLines.append(event.line);
    }
    m_progress->output(progressLines, m_reader.saidMore());
    for (const SteamCMDReader::Event &event : events) {
        // SteamCMD is being stopped for a failure: its last words move nothing.
        if (m_stopping)
            break;
        onEvent(event);
    }
}

void DownloadRun::onEvent(const SteamCMDReader::Event &event)
{
    using Kind = SteamCMDReader::Event::Kind;
    switch (event.kind) {
    case Kind::SteamGuardPrompt:
        setState(SteamCMDState::waitingSteamGuard());
        break;
    case Kind::NotOwned:
        // SteamCMD is left to end by itself.
        fail(SteamFailureReasons::notOwned());
        Q_EMIT purchaseRequired();
        break;
    case Kind::Progress:
        setState(SteamCMDState::downloading(event.line));
        break;
    case Kind::Validating:
        setState(SteamCMDState::validating());
        break;
    case Kind::LoginFailure:
        if (m_state != SteamCMDState::failed(SteamFailureReasons::authenticationFailed()))
            fail(SteamFailureReasons::authenticationFailed());
        m_stopping = true;
        if (m_process)
            m_process->stop();
        break;
    case Kind::PhoneApproval:
        // A kind of Steam Guard wait: the code field stays, for a code
        // SteamCMD may ask for next.
        setAwaitingApproval(true);
        setState(SteamCMDState::waitingSteamGuard());
        break;
    case Kind::ApprovalConfirmed:
        if (m_state.kind() == SteamCMDState::Kind::WaitingSteamGuard)
            setState(SteamCMDState::authenticating());
        break;
    case Kind::PasswordPrompt:
        onPasswordPrompt();
        break;
    case Kind::Failure:
        onFailure(event.failure);
        break;
    }
}

void DownloadRun::onPasswordPrompt()
{
    if (!m_passwordTyped) {
        // Once per start; the password itself is never logged.
        m_passwordTyped = true;
        log(QStringLiteral("> Password submitted\n"));
        if (m_process && m_process->write((m_password + QLatin1Char('\n')).toUtf8()))
            m_reader.lineEnded();
        return;
    }
    // Asked again in the same start: the password was refused.
    onFailure(SteamFailureReasons::forKind(SteamFailure::Kind::InvalidPassword,
                                           {m_paths.assetsDir, m_paths.steamCMDDir, {}}));
}

void DownloadRun::onFailure(const SteamFailure &failure)
{
    // SteamCMD is being stopped for a failure already explained.
    if (m_stopping)
        return;
    // Often gone on a second try: that try comes first, without a word of
    // failure yet.
    if (failure.retryOnce && !m_retriedConfiguration) {
        m_missingConfiguration = true;
        return;
    }
    setExplanation(failure.explanation);
    log(QStringLiteral("\n[!] ") + failure.explanation + QStringLiteral("\n"));
    if (!failure.endsRun)
        return;
    if (m_state != SteamCMDState::failed(failure.failure))
        fail(failure.failure);
    m_stopping = true;
    if (m_process)
        m_process->stop();
}

bool DownloadRun::retryAfterMissingConfiguration()
{
    if (!m_missingConfiguration || m_retriedConfiguration || m_cancelled)
        return false;
    m_retriedConfiguration = true;
    log(QStringLiteral("\n[*] Steam did not send the game's configuration, which often clears "
                       "up on a second try. Starting SteamCMD once more...\n"));
    launchSteamCMD();
    return true;
}

void DownloadRun::submitSteamGuardCode(const QString &code)
{
    log(QStringLiteral("> Steam Guard code submitted\n"));
    // Nothing to write to: the code is lost, as the console line says
    // nothing about delivery. Once written, the reader knows: typed at
    // SteamCMD's prompt, its line end has ended the prompt's line, and a
    // prompt that comes back means Steam refused the code.
    if (m_process && m_process->write((code + QLatin1Char('\n')).toUtf8()))
        m_reader.codeSubmitted();
    // A sentence about the code before is no longer the news.
    setExplanation(QString());
    setState(SteamCMDState::authenticating());
}

void DownloadRun::onSteamCMDEnded(int status)
{
    m_process->deleteLater();
    m_process = nullptr;
    m_progress->setWatching(false);
    if (m_abandoned) {
        qCInfo(lcSteamCmd) << "a SteamCMD child of a replaced run ended with status" << status;
        Q_EMIT activityChanged();
        releaseIfIdle();
        return;
    }

    if (status == 0) {
        // Also after a failure reported from the output or a cancel:
        // SteamCMD's own verdict on the download is its exit status.
        setExplanation(QString());
        log(QStringLiteral("\n[✓] Vanilla download completed successfully!\n"));
        const auto logLine = [this](const QString &line) {
            log(line);
        };
        AssetFixup::reorganizeAssets(m_paths.assetsDir, m_paths.baseGameDir, logLine);
        AssetFixup::cleanRNPatchFiles(m_paths.assetsDir, m_paths.installDir, logLine);
        applyPatch();
    } else if (status == kSelfUpdateStatus && !m_cancelled &&
               m_selfUpdateRestarts < maxSelfUpdateRestarts) {
        ++m_selfUpdateRestarts;
        log(QStringLiteral("\n[*] SteamCMD updated itself. Restarting process...\n"));
        launchSteamCMD();
    } else if (status == kSelfUpdateStatus && !m_cancelled) {
        fail(QStringLiteral("SteamCMD asked to be restarted %1 times in a row (exit code 42)")
                 .arg(m_selfUpdateRestarts + 1));
        finish();
    } else if (!retryAfterMissingConfiguration()) {
        // A failure SteamCMD reported in its output (a wrong password, a game
        // not owned) is the one message of this run. One it gave no words
        // for (a refused Steam Guard code) is said now.
        const SteamFailure silent = m_reader.reasonForExit();
        if (m_state.kind() != SteamCMDState::Kind::Failed && !m_cancelled && !silent.isNull())
            onFailure(silent);
        if (m_state.kind() != SteamCMDState::Kind::Failed)
            fail(QStringLiteral("SteamCMD exited with code ") + QString::number(status));
        finish();
    }
    // Only now: the next stage (patch download, restarted child) already
    // counts as work, so observers never see a gap between the two.
    Q_EMIT activityChanged();
}

void DownloadRun::cancel()
{
    m_cancelled = true;
    if (m_process)
        m_process->stop();
    setState(SteamCMDState::idle());
    log(QStringLiteral("\n--- CANCELLED ---\n"));
}

// ---- community patch ------------------------------------------------------

void DownloadRun::applyPatch()
{
    setState(SteamCMDState::downloadingPatch(0.0));
    log(QStringLiteral("\n[⭳] Downloading Community Patch & Maps...\n"));
    m_patch = new PatchInstaller(m_network, m_paths.installDir, this);
    m_patch->setTransferTimeout(m_settings.transferTimeout);
    connect(m_patch, &PatchInstaller::progress, this,
            [this](double fraction) { setState(SteamCMDState::downloadingPatch(fraction)); });
    connect(m_patch, &PatchInstaller::unpacking, this,
            [this] { setState(SteamCMDState::unpackingPatch()); });
    connect(m_patch, &PatchInstaller::log, this, &DownloadRun::log);
    connect(m_patch, &PatchInstaller::detailChanged, this, &DownloadRun::progressDetailChanged);
    connect(m_patch, &PatchInstaller::busyChanged, this, [this] {
        Q_EMIT activityChanged();
        releaseIfIdle();
    });
    connect(m_patch, &PatchInstaller::finished, this, [this](bool ok, const QString &failure) {
        if (ok)
            setState(SteamCMDState::completed());
        else
            fail(failure);
        finish();
    });
    m_patch->start();
}

// ---- replaced by a newer run ---------------------------------------------

void DownloadRun::abandon()
{
    m_abandoned = true;
    // Aborts the fetch or the tar of an install: the newer run installs
    // SteamCMD itself, not beside this one.
    delete m_installer;
    m_installer = nullptr;
    // A child waiting for its Steam Guard code, or one that reported a
    // failure and has not ended yet, would otherwise keep running beside the
    // new one.
    if (m_process) {
        qCInfo(lcSteamCmd) << "stopping the SteamCMD child of the previous run";
        m_process->stop();
    }
    if (m_patch)
        m_patch->abandon();
    releaseIfIdle();
}

void DownloadRun::releaseIfIdle()
{
    if (m_abandoned && !hasActiveWork())
        deleteLater();
}
