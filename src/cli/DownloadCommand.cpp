// SPDX-License-Identifier: GPL-3.0-or-later
#include "DownloadCommand.h"

#include "CommandParser.h"
#include "LauncherViewModel.h"
#include "StdinLineReader.h"
#include "SteamCMDManager.h"
#include "TerminationSignals.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <memory>
#include <optional>
#include <termios.h>
#include <unistd.h>
#include <utility>

namespace {

constexpr int kStatusCompleted = 0;
constexpr int kStatusFailed = 1;
constexpr int kStatusUsage = 2;
constexpr int kStatusInterrupted = 130;
constexpr int kApprovalGraceMs = 500;

// A progress line is being redrawn on the terminal: what is said next
// starts below it.
bool g_progressShown = false;

void say(const QString &text)
{
    if (std::exchange(g_progressShown, false))
        std::fputc('\n', stderr);
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fflush(stderr);
}

// One line of progress, drawn over the last one; only on a terminal, where
// it can be redrawn (in a file it would only pile up).
void showProgress(const QString &detail)
{
    static const bool terminal = ::isatty(STDERR_FILENO) == 1;
    if (!terminal || detail.isEmpty())
        return;
    const QByteArray bytes = "\r\x1b[K" + detail.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fflush(stderr);
    g_progressShown = true;
}

// The terminal settings to put back if the password prompt is interrupted.
struct termios g_savedTerminal;

extern "C" void restoreTerminalAndDie(int number)
{
    ::tcsetattr(STDIN_FILENO, TCSANOW, &g_savedTerminal);
    ::signal(number, SIG_DFL);
    ::raise(number);
}

// Asks for the password on standard error with the terminal's echo off.
std::optional<QByteArray> promptPassword(StdinLineReader &input)
{
    say(QStringLiteral("Steam password: "));
    const bool haveSettings = ::tcgetattr(STDIN_FILENO, &g_savedTerminal) == 0;
    struct sigaction restore = {};
    struct sigaction previousInt;
    struct sigaction previousTerm;
    if (haveSettings) {
        restore.sa_handler = restoreTerminalAndDie;
        sigemptyset(&restore.sa_mask);
        ::sigaction(SIGINT, &restore, &previousInt);
        ::sigaction(SIGTERM, &restore, &previousTerm);
        struct termios quiet = g_savedTerminal;
        quiet.c_lflag &= ~tcflag_t(ECHO);
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
    }
    std::optional<QByteArray> line = input.readLineBlocking();
    if (haveSettings) {
        ::tcsetattr(STDIN_FILENO, TCSANOW, &g_savedTerminal);
        ::sigaction(SIGINT, &previousInt, nullptr);
        ::sigaction(SIGTERM, &previousTerm, nullptr);
    }
    say(QStringLiteral("\n"));
    return line;
}

} // namespace

const char *DownloadCommand::summary()
{
    return "download the game's data through SteamCMD";
}

int DownloadCommand::run(const QStringList &arguments)
{
    CommandParser parser(
        QStringLiteral("download"),
        QStringLiteral("Runs one whole Steam download, as the window's button does. Without\n"
                       "--password-stdin the keyring's password for the account is used, or\n"
                       "asked for on the terminal. Given credentials are saved in the keyring.\n"
                       "Exit status: 0 assets ready, 1 failed, 2 a usage problem, 130 stopped\n"
                       "by SIGINT or SIGTERM."));
    const QCommandLineOption usernameOption(
        QStringLiteral("username"),
        QStringLiteral("the Steam account (default: the one saved in the keyring)"),
        QStringLiteral("NAME"));
    const QCommandLineOption passwordStdinOption(
        QStringLiteral("password-stdin"),
        QStringLiteral("read the password from the first line of standard input"));
    parser.addOption(usernameOption);
    parser.addOption(passwordStdinOption);
    if (const std::optional<int> ended = parser.parse(arguments))
        return *ended;
    const bool haveUsername = parser.isSet(usernameOption);
    const QString username = parser.value(usernameOption);
    const bool passwordFromStdin = parser.isSet(passwordStdinOption);

    // The same state object as the window: it comes up with the account and
    // password remembered in the keyring, like the window's fields at start.
    LauncherViewModel model(LauncherViewModel::UpdateChecks::DontStart);
    // Nothing to show meanwhile: the command waits for the keyring's answer.
    if (model.isLoadingCredentials()) {
        QEventLoop wait;
        QObject::connect(&model, &LauncherViewModel::isLoadingCredentialsChanged, &wait,
                         &QEventLoop::quit);
        wait.exec();
    }
    if (haveUsername && username != model.steamUsername()) {
        model.setSteamUsername(username);
        model.setSteamPassword(QString()); // the stored password belongs to another account
    }
    if (model.steamUsername().isEmpty()) {
        return parser.usageError(QStringLiteral("--username NAME is required (no Steam account "
                                                "is saved in the keyring)"));
    }

    StdinLineReader input;
    std::optional<QByteArray> password;
    if (passwordFromStdin) {
        password = input.readLineBlocking();
        if (!password) {
            say(QStringLiteral("vantor-launcher download: standard input ended before the "
                               "password line\n"));
            return kStatusUsage;
        }
    } else if (!model.steamPassword().isEmpty()) {
        password = model.steamPassword().toUtf8();
    } else if (StdinLineReader::isTerminal()) {
        password = promptPassword(input);
        if (!password) {
            say(QStringLiteral("vantor-launcher download: no password entered\n"));
            return kStatusUsage;
        }
    } else {
        say(QStringLiteral("vantor-launcher download: no password: standard input is not a "
                           "terminal; give --password-stdin and write the password as the first "
                           "line of standard input\n"));
        return kStatusUsage;
    }
    model.setSteamPassword(QString::fromUtf8(*password));

    // As the window's button does: remember the credentials, then start. A
    // run can end within moments (a SteamCMD that fails at once), before a
    // save left to the event loop would be done: this one is waited for.
    model.saveCredentialsNow();
    DownloadCommand command(*model.steamCMD(), input);
    return command.exec(model.steamUsername(), model.steamPassword());
}

DownloadCommand::DownloadCommand(SteamCMDManager &manager, StdinLineReader &input)
    : m_manager(manager), m_input(input)
{}

int DownloadCommand::exec(const QString &username, const QString &password)
{
    TerminationSignals termination;
    if (!termination.isValid())
        say(QStringLiteral("vantor-launcher download: cannot watch for SIGINT/SIGTERM\n"));
    connect(&termination, &TerminationSignals::received, this,
            &DownloadCommand::onTerminationSignal);
    // Standard output is the console: written here as it grows.
    m_manager.setEchoToStandardOutput(false);
    connect(&m_manager, &SteamCMDManager::consoleAppended, this, [](const QString &text) {
        // Console text takes the progress line's place on a shared terminal.
        if (std::exchange(g_progressShown, false))
            std::fputs("\r\x1b[K", stderr);
        const QByteArray bytes = text.toUtf8();
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
        std::fflush(stdout);
    });
    connect(&m_manager, &SteamCMDManager::stateChanged, this, &DownloadCommand::onStateChanged);
    connect(&m_manager, &SteamCMDManager::progressDetailChanged, this,
            [this] { showProgress(m_manager.progressDetail()); });
    connect(&m_manager, &SteamCMDManager::approvalPromptChanged, this, [this] {
        // Below a code prompt already shown, if the approval came a read later.
        if (!m_manager.approvalPrompt().isEmpty())
            say((m_prompting ? QStringLiteral("\n") : QString()) + m_manager.approvalPrompt() +
                QLatin1Char('\n'));
    });
    connect(&m_manager, &SteamCMDManager::runFinished, this, &DownloadCommand::onRunFinished);
    connect(&m_input, &StdinLineReader::lineRead, this, &DownloadCommand::onCodeLine);
    connect(&m_input, &StdinLineReader::endOfInput, this, &DownloadCommand::onEndOfInput);

    QTimer::singleShot(0, this,
                       [this, username, password] { m_manager.startDownload(username, password); });
    return QCoreApplication::exec();
}

void DownloadCommand::onStateChanged()
{
    if (m_manager.state().kind() == SteamCMDState::Kind::WaitingSteamGuard && !m_prompting &&
        !m_interrupted && !m_cancelledByInput)
        promptForCode();
}

void DownloadCommand::promptForCode()
{
    m_prompting = true;
    // During a phone approval a code line, if one comes, is passed on.
    if (m_manager.approvalPrompt().isEmpty())
        say(QStringLiteral("Steam Guard code: "));
    m_input.requestLine();
}

void DownloadCommand::onCodeLine(const QByteArray &line)
{
    m_prompting = false;
    // SteamCMD may have moved on (or ended) while the user was typing.
    if (m_manager.state().kind() != SteamCMDState::Kind::WaitingSteamGuard || m_interrupted)
        return;
    const QString code = QString::fromUtf8(line);
    if (code.isEmpty()) {
        promptForCode();
        return;
    }
    m_manager.setSteamGuardCode(code);
    m_manager.submitSteamGuard();
}

void DownloadCommand::onEndOfInput()
{
    m_prompting = false;
    if (m_interrupted || m_cancelledByInput)
        return;
    // A phone approval needs no code: SteamCMD is left to wait for it. Its
    // request may arrive a read after the Steam Guard notice, so a wait
    // for a code is given a moment to turn out to be an approval.
    QTimer::singleShot(kApprovalGraceMs, this, [this] {
        if (m_interrupted || m_cancelledByInput || !m_manager.approvalPrompt().isEmpty() ||
            m_manager.state().kind() != SteamCMDState::Kind::WaitingSteamGuard)
            return;
        cancelForEndOfInput();
    });
}

void DownloadCommand::cancelForEndOfInput()
{
    say(QStringLiteral("\nvantor-launcher download: no Steam Guard code (end of input), "
                       "cancelling\n"));
    m_cancelledByInput = true;
    // The run ends once the stopped SteamCMD has; runFinished() says so.
    m_manager.cancel();
}

void DownloadCommand::onTerminationSignal()
{
    if (m_interrupted)
        return;
    m_interrupted = true;
    say(QStringLiteral("\nvantor-launcher download: interrupted, stopping SteamCMD\n"));
    m_manager.cancel();
    // Without a SteamCMD child to wait for (an install or the patch under
    // way, which a cancel does not stop) the command leaves at once.
    if (!m_manager.currentRun() || !m_manager.currentRun()->hasSteamCMDChild())
        finish(kStatusInterrupted);
}

void DownloadCommand::onRunFinished(DownloadRun::Outcome outcome)
{
    if (m_interrupted)
        finish(kStatusInterrupted);
    else
        finish(outcome == DownloadRun::Outcome::Succeeded ? kStatusCompleted : kStatusFailed);
}

void DownloadCommand::finish(int status)
{
    if (m_finished)
        return;
    m_finished = true;
    if (status == kStatusFailed) {
        if (m_manager.state().kind() == SteamCMDState::Kind::Failed) {
            if (!m_manager.failureExplanation().isEmpty())
                say(m_manager.failureExplanation() + QLatin1Char('\n'));
            say(m_manager.statusText() + QLatin1Char('\n'));
        } else
            say(QStringLiteral("vantor-launcher download: cancelled\n"));
    }
    QCoreApplication::exit(status);
}
