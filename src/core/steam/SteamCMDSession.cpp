// SPDX-License-Identifier: GPL-3.0-or-later
#include "steam/SteamCMDSession.h"

#include "LogCategories.h"
#include "steam/DownloadProgress.h"
#include "steam/SteamCMDProcess.h"

#include <csignal>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace {

// "SteamCMD crashed (signal 11: Segmentation fault)": a signal nobody here
// sent is not an exit status, and its number alone means little to a player.
LocalizedText crashText(int signalNumber)
{
    if (const char *name = ::strsignal(signalNumber))
        //: %1 is the signal's number, %2 the system's name for it ("Segmentation fault").
        return LocalizedText::translate("SteamCMDSession", "SteamCMD crashed (signal %1: %2)")
            .arg(signalNumber)
            .arg(QString::fromLocal8Bit(name));
    return LocalizedText::translate("SteamCMDSession", "SteamCMD crashed (signal %1)")
        .arg(signalNumber);
}

} // namespace

SteamCMDSession::SteamCMDSession(Setup setup, QObject *parent)
    : SteamCMDStage(parent), m_setup(std::move(setup)),
      m_reader(m_setup.assetsDir, m_setup.steamCMDDir),
      m_progress(new DownloadProgress(m_setup.stallLimit, this))
{
    if (m_setup.downloadLimitKBps > 0)
        m_progress->setRateLimit(qint64(m_setup.downloadLimitKBps) * 1000);
    connect(m_progress, &DownloadProgress::detailChanged, this,
            &SteamCMDSession::progressDetailChanged);
    connect(m_progress, &DownloadProgress::stalled, this, [this] {
        Q_EMIT log(
            QStringLiteral("\n[!] SteamCMD has made no progress for %1. CANCEL and a new "
                           "download continue where it stopped.\n")
                .arg(TransferRate::formatDuration(
                    std::chrono::ceil<std::chrono::seconds>(m_progress->stallLimit()).count())));
    });
}

SteamCMDSession::~SteamCMDSession() = default;

QStringList SteamCMDSession::arguments(const Setup &setup)
{
    QStringList arguments{QStringLiteral("+@sSteamCmdForcePlatformType"), QStringLiteral("windows"),
                          QStringLiteral("+force_install_dir"), setup.assetsDir};
    if (setup.downloadLimitKBps > 0) {
        // Sources disagree on the unit SteamCMD reads here. Its wiki row
        // gives "<Kb/s>", a small b being bits, and the Steam client's own
        // DownloadThrottleKbps setting is documented in kilobits per
        // second: so the player's kilobytes go in as kilobits.
        arguments << QStringLiteral("+set_download_throttle")
                  << QString::number(qint64(setup.downloadLimitKBps) * 8);
    }
    arguments << QStringLiteral("+login") << setup.username << QStringLiteral("+app_update")
              << setup.appID << QStringLiteral("validate") << QStringLiteral("+quit");
    return arguments;
}

void SteamCMDSession::setState(const SteamCMDState &state)
{
    m_kind = state.kind();
    if (m_kind != SteamCMDState::Kind::WaitingSteamGuard)
        setAwaitingApproval(false);
    m_progress->setWatching(m_process && (m_kind == SteamCMDState::Kind::Downloading ||
                                          m_kind == SteamCMDState::Kind::Validating));
    Q_EMIT stateChanged(state);
}

void SteamCMDSession::setExplanation(const QString &explanation)
{
    if (m_explanation == explanation)
        return;
    m_explanation = explanation;
    Q_EMIT failureExplanationChanged(explanation);
}

void SteamCMDSession::setAwaitingApproval(bool awaiting)
{
    if (m_awaitingApproval == awaiting)
        return;
    m_awaitingApproval = awaiting;
    Q_EMIT awaitingApprovalChanged(awaiting);
}

void SteamCMDSession::reportFailure(const LocalizedText &message)
{
    // Said once, however often SteamCMD repeats it.
    if (m_failure == message)
        return;
    m_failure = message;
    m_kind = SteamCMDState::Kind::Failed;
    setAwaitingApproval(false);
    m_progress->setWatching(false);
    Q_EMIT failureFound(message);
}

void SteamCMDSession::stopForFailure()
{
    m_stoppingForFailure = true;
    if (m_process)
        m_process->stop();
}

void SteamCMDSession::run()
{
    setState(SteamCMDState::authenticating());
    Q_EMIT log(QStringLiteral("[*] Launching SteamCMD...\n"));

    std::error_code error;
    std::filesystem::create_directories(m_setup.assetsDir.toStdString(), error);
    if (error) {
        fail(LocalizedText::translate("SteamCMDSession", "Cannot create assets directory: %1")
                 .arg(QString::fromLocal8Bit(error.message())));
        return;
    }

    m_process = new SteamCMDProcess(this);
    m_process->setUsePseudoTerminal(m_setup.usePseudoTerminal);
    m_process->setStopGracePeriod(m_setup.stopGraceMs);
    connect(m_process, &SteamCMDProcess::usingPipes, this, [this](const QString &reason) {
        Q_EMIT log(QStringLiteral("[!] No terminal for SteamCMD (") + reason +
                   QStringLiteral("): its prompts may only show when it exits.\n"));
    });
    connect(m_process, &SteamCMDProcess::output, this, &SteamCMDSession::onOutput);
    connect(m_process, &SteamCMDProcess::failedToStart, this, [this](const QString &reason) {
        m_process->deleteLater();
        m_process = nullptr;
        if (abortRequested())
            cancelled();
        else
            fail(LocalizedText::translate("SteamCMDSession", "Failed to launch SteamCMD: %1")
                     .arg(reason));
    });
    connect(m_process, &SteamCMDProcess::finished, this,
            [this](int status, SteamCMDProcess::Ending ending) { onEnded(status, int(ending)); });

    const QStringList terminalArguments = arguments(m_setup);
    // Through pipes a prompt may never show, so there the password has to
    // ride on the command line, right after the user name.
    QStringList pipeArguments = terminalArguments;
    pipeArguments.insert(terminalArguments.indexOf(QStringLiteral("+login")) + 2, m_setup.password);
    m_process->setPipeArguments(pipeArguments);
    m_process->start(m_setup.binary, terminalArguments, m_setup.steamCMDDir);
}

void SteamCMDSession::onAbort()
{
    // The end comes when the child has gone (asked, then killed after the
    // grace period); until then the run waits and starts nothing else.
    if (m_process)
        m_process->stop();
    else
        cancelled();
}

void SteamCMDSession::onOutput(const QString &text)
{
    Q_EMIT log(text);
    // Once stopped for a cancel, what SteamCMD still says is kept in the
    // console, but it moves no state: the player asked for the stop.
    if (abortRequested())
        return;
    // The failure reasons come first: a sentence before the failure line
    // it explains.
    const QList<SteamCMDReader::Event> events = m_reader.feed(text);
    QStringList progressLines;
    for (const SteamCMDReader::Event &event : events) {
        if (event.kind == SteamCMDReader::Event::Kind::Progress)
            progressLines.append(event.line);
    }
    m_progress->output(progressLines, m_reader.saidMore());
    for (const SteamCMDReader::Event &event : events) {
        if (m_stoppingForFailure)
            break;
        onEvent(event);
    }
}

void SteamCMDSession::onEvent(const SteamCMDReader::Event &event)
{
    using Kind = SteamCMDReader::Event::Kind;
    switch (event.kind) {
    case Kind::SteamGuardPrompt:
        setState(SteamCMDState::waitingSteamGuard());
        break;
    case Kind::NotOwned:
        // SteamCMD is left to end by itself.
        reportFailure(SteamFailureReasons::localizedNotOwned());
        Q_EMIT purchaseRequired();
        break;
    case Kind::Progress:
        setState(SteamCMDState::downloading(event.line));
        break;
    case Kind::Validating:
        setState(SteamCMDState::validating());
        break;
    case Kind::LoginFailure:
        reportFailure(SteamFailureReasons::localizedAuthenticationFailed());
        stopForFailure();
        break;
    case Kind::PhoneApproval:
        // A kind of Steam Guard wait: the code field stays, for a code
        // SteamCMD may ask for next.
        setAwaitingApproval(true);
        setState(SteamCMDState::waitingSteamGuard());
        break;
    case Kind::ApprovalConfirmed:
        if (m_kind == SteamCMDState::Kind::WaitingSteamGuard)
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

void SteamCMDSession::onPasswordPrompt()
{
    if (!m_passwordTyped) {
        // Once per start; the password itself is never logged.
        m_passwordTyped = true;
        Q_EMIT log(QStringLiteral("> Password submitted\n"));
        if (m_process && m_process->write((m_setup.password + QLatin1Char('\n')).toUtf8()))
            m_reader.lineEnded();
        return;
    }
    // Asked again in the same start: the password was refused.
    onFailure(SteamFailureReasons::forKind(SteamFailure::Kind::InvalidPassword,
                                           {m_setup.assetsDir, m_setup.steamCMDDir, {}}));
}

void SteamCMDSession::onFailure(const SteamFailure &failure)
{
    if (m_stoppingForFailure)
        return;
    // Often gone on a second try: that try comes first, without a word of
    // failure yet.
    if (failure.retryOnce && m_setup.mayRetryConfiguration) {
        setMissingConfiguration();
        return;
    }
    setExplanation(failure.translatedExplanation);
    Q_EMIT log(QStringLiteral("\n[!] ") + failure.explanation + QStringLiteral("\n"));
    if (!failure.endsRun)
        return;
    reportFailure(failure.localizedFailure());
    stopForFailure();
}

void SteamCMDSession::submitSteamGuardCode(const QString &code)
{
    Q_EMIT log(QStringLiteral("> Steam Guard code submitted\n"));
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

void SteamCMDSession::onEnded(int status, int ending)
{
    m_process->deleteLater();
    m_process = nullptr;
    m_progress->setWatching(false);
    if (abortRequested())
        return cancelled();

    switch (SteamCMDProcess::Ending(ending)) {
    case SteamCMDProcess::Ending::Stopped:
        // Only a failure already reported stops SteamCMD without a cancel.
        if (!m_failure.isEmpty())
            return fail(m_failure);
        break;
    case SteamCMDProcess::Ending::Crashed:
        qCWarning(lcSteamCmd) << "SteamCMD was killed by signal" << status;
        return fail(m_failure.isEmpty() ? crashText(status) : m_failure);
    case SteamCMDProcess::Ending::Exited:
        break;
    }
    setExitStatus(status);
    if (status == 0) {
        // SteamCMD's own verdict on the download, also after a failure it
        // reported on the way.
        setExplanation(QString());
        return succeed();
    }
    // A failure SteamCMD reported in its output (a wrong password, a game
    // not owned) is the one message of this start. One it gave no words for
    // (a refused Steam Guard code) is said now.
    const SteamFailure silent = m_reader.reasonForExit();
    if (m_failure.isEmpty() && !silent.isNull())
        onFailure(silent);
    fail(m_failure.isEmpty()
             ? LocalizedText::translate("SteamCMDSession", "SteamCMD exited with code %1")
                   .arg(status)
             : m_failure);
}
