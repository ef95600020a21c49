// SPDX-License-Identifier: GPL-3.0-or-later
#include "DownloadCommand.h"
#include "StatusOutput.h"

#include "CommandParser.h"
#include "LauncherViewModel.h"
#include "LineReader.h"
#include "Terminal.h"
#include "TerminationSignals.h"
#include "steam/SteamCMDManager.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <cstdio>
#include <memory>
#include <optional>
#include <unistd.h>
#include <utility>

namespace {

constexpr int kStatusCompleted = 0;
constexpr int kStatusFailed = 1;
constexpr int kStatusUsage = 2;
constexpr int kStatusInterrupted = 130;
constexpr int kApprovalGraceMs = 500;

// Whether SteamCMD's own prompt, which the console carries to standard
// output, already shows where a question written to fd would appear.
bool consoleShowsOn(int fd)
{
    return Terminal::isSameTerminal(STDOUT_FILENO, fd);
}

// Where a question goes: standard error, as everything the command says,
// unless that is no terminal while the answer is typed at one.
int questionFd(bool answerAtTerminal, const Terminal *terminal)
{
    if (answerAtTerminal && terminal && !Terminal::isTerminal(STDERR_FILENO))
        return terminal->fd();
    return STDERR_FILENO;
}

void ask(const QString &question, int fd, const Terminal *terminal)
{
    if (terminal && fd == terminal->fd())
        terminal->write(question.toUtf8());
    else
        StatusOutput::say(question);
}

// Asks for the password at the terminal that standard input is, and reads
// it there without showing it.
std::optional<QByteArray> askPassword(const QString &question, LineReader &input,
                                      const Terminal *terminal)
{
    const int fd = questionFd(true, terminal);
    std::optional<QByteArray> line =
        Terminal::readLineUnseen(input, [&] { ask(question, fd, terminal); });
    // The typed line end was not shown either.
    ask(QStringLiteral("\n"), fd, terminal);
    return line;
}

} // namespace

const char *DownloadCommand::summary()
{
    return QT_TRANSLATE_NOOP("CommandLine", "download the game's data through SteamCMD");
}

int DownloadCommand::run(const QStringList &arguments)
{
    CommandParser parser(
        QStringLiteral("download"),
        QCoreApplication::translate(
            "DownloadCommand",
            "Runs one whole Steam download, as the window's button does. Without\n"
            "--password-stdin the keyring's password for the account is used, or\n"
            "asked for on the terminal. Given credentials are saved in the keyring.\n"
            "A Steam Guard code is read from standard input, or from the terminal\n"
            "once standard input has ended.\n"
            "Exit status: 0 assets ready, 1 failed, 2 a usage problem, 130 stopped\n"
            "by SIGINT or SIGTERM."));
    const QCommandLineOption usernameOption(
        QStringLiteral("username"),
        QCoreApplication::translate("DownloadCommand",
                                    "the Steam account (default: the one saved in the keyring)"),
        QStringLiteral("NAME"));
    const QCommandLineOption passwordStdinOption(
        QStringLiteral("password-stdin"),
        QCoreApplication::translate("DownloadCommand",
                                    "read the password from the first line of standard input"));
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
        return parser.usageError(QCoreApplication::translate(
            "DownloadCommand", "--username NAME is required (no Steam account "
                               "is saved in the keyring)"));
    }

    LineReader input(STDIN_FILENO);
    // Where a person can still be asked once standard input is used up.
    std::unique_ptr<Terminal> terminal = Terminal::openControlling();
    const bool inputIsTerminal = Terminal::isTerminal(STDIN_FILENO);
    std::optional<QByteArray> password;
    if (passwordFromStdin && inputIsTerminal) {
        password = askPassword(QCoreApplication::translate("DownloadCommand", "Password: "), input,
                               terminal.get());
        if (!password) {
            StatusOutput::say(QCoreApplication::translate(
                "DownloadCommand", "vantor-launcher download: no password entered\n"));
            return kStatusUsage;
        }
    } else if (passwordFromStdin) {
        password = input.readLineBlocking();
        if (!password) {
            StatusOutput::say(QCoreApplication::translate(
                "DownloadCommand", "vantor-launcher download: standard input ended before the "
                                   "password line\n"));
            return kStatusUsage;
        }
    } else if (!model.steamPassword().isEmpty()) {
        password = model.steamPassword().toUtf8();
    } else if (inputIsTerminal) {
        password = askPassword(QCoreApplication::translate("DownloadCommand", "Steam password: "),
                               input, terminal.get());
        if (!password) {
            StatusOutput::say(QCoreApplication::translate(
                "DownloadCommand", "vantor-launcher download: no password entered\n"));
            return kStatusUsage;
        }
    } else {
        StatusOutput::say(QCoreApplication::translate(
            "DownloadCommand",
            "vantor-launcher download: no password: standard input is not a "
            "terminal; give --password-stdin and write the password as the first "
            "line of standard input\n"));
        return kStatusUsage;
    }
    model.setSteamPassword(QString::fromUtf8(*password));

    // As the window's button does: remember the credentials, then start. A
    // run can end within moments (a SteamCMD that fails at once), before a
    // save left to the event loop would be done: this one is waited for.
    model.saveCredentialsNow();
    DownloadCommand command(*model.steamCMD(), input, std::move(terminal));
    return command.exec(model.steamUsername(), model.steamPassword());
}

DownloadCommand::DownloadCommand(SteamCMDManager &manager, LineReader &input,
                                 std::unique_ptr<Terminal> terminal)
    : m_manager(manager), m_input(input), m_codeInput(&input), m_terminal(std::move(terminal))
{}

DownloadCommand::~DownloadCommand() = default;

int DownloadCommand::exec(const QString &username, const QString &password)
{
    TerminationSignals termination;
    if (!termination.isValid())
        StatusOutput::say(QCoreApplication::translate(
            "DownloadCommand", "vantor-launcher download: cannot watch for SIGINT/SIGTERM\n"));
    connect(&termination, &TerminationSignals::received, this,
            &DownloadCommand::onTerminationSignal);
    // Standard output is the console: written here as it grows.
    connect(&m_manager, &SteamCMDManager::consoleAppended, this, [](const QString &text) {
        // Console text takes the progress line's place on a shared terminal.
        StatusOutput::clearProgress();
        const QByteArray bytes = text.toUtf8();
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
        std::fflush(stdout);
    });
    connect(&m_manager, &SteamCMDManager::stateChanged, this, &DownloadCommand::onStateChanged);
    connect(&m_manager, &SteamCMDManager::progressDetailChanged, this,
            [this] { StatusOutput::showProgress(m_manager.progressDetail()); });
    connect(&m_manager, &SteamCMDManager::approvalPromptChanged, this, [this] {
        // SteamCMD's own request ("Please confirm the login ...") is in the
        // console: on a screen that shows both it is not said again. Below a
        // code prompt already shown, if the approval came a read later.
        if (!m_manager.approvalPrompt().isEmpty() && !consoleShowsOn(STDERR_FILENO))
            StatusOutput::say((m_prompting ? QStringLiteral("\n") : QString()) +
                              m_manager.approvalPrompt() + QLatin1Char('\n'));
    });
    connect(&m_manager, &SteamCMDManager::runFinished, this, &DownloadCommand::onRunFinished);
    listenForCodes(m_input);

    QTimer::singleShot(0, this,
                       [this, username, password] { m_manager.startDownload(username, password); });
    return QCoreApplication::exec();
}

void DownloadCommand::onStateChanged()
{
    // Called for each progress line: the kind alone, not a copy of the state.
    if (m_manager.stateKind() == SteamCMDState::Kind::WaitingSteamGuard && !m_prompting &&
        !m_interrupted && !m_cancelledByInput)
        promptForCode();
}

void DownloadCommand::listenForCodes(LineReader &reader)
{
    connect(&reader, &LineReader::lineRead, this, &DownloadCommand::onCodeLine);
    connect(&reader, &LineReader::endOfInput, this, &DownloadCommand::onEndOfInput);
}

void DownloadCommand::promptForCode()
{
    m_prompting = true;
    // Asked again after a code: Steam refused it, as the sentence the run
    // has put under the status says (once: the console's "[!] " line says
    // it where the console shares the terminal).
    if (m_codeSent && !m_manager.failureExplanation().isEmpty() && !consoleShowsOn(STDERR_FILENO))
        StatusOutput::say(m_manager.failureExplanation() + QLatin1Char('\n'));
    // One prompt per question: SteamCMD's own ("Steam Guard code:",
    // "Two-factor code:") reaches standard output through the console, so
    // the command adds one only where that is not on the same terminal.
    // During a phone approval a code line, if one comes, is passed on.
    // Once asked, the question stands when the answer moves on to the
    // terminal (standard input ended meanwhile).
    const int fd = questionFd(Terminal::isTerminal(m_codeInput->fd()), m_terminal.get());
    const bool asked = m_askedOn == fd || Terminal::isSameTerminal(m_askedOn, fd);
    if (m_manager.approvalPrompt().isEmpty() && !consoleShowsOn(fd) && !asked) {
        ask(QCoreApplication::translate("DownloadCommand", "Steam Guard code: "), fd,
            m_terminal.get());
        m_askedOn = fd;
    }
    m_codeInput->requestLine();
}

bool DownloadCommand::continueAtTerminal()
{
    // Only a standard input other than the terminal (a pipe, a file) is
    // given up for it: an end typed at the terminal is the person's answer.
    if (m_codeInput != &m_input || !m_terminal || Terminal::isTerminal(m_input.fd()))
        return false;
    m_terminalInput = std::make_unique<LineReader>(m_terminal->fd());
    listenForCodes(*m_terminalInput);
    m_codeInput = m_terminalInput.get();
    return true;
}

void DownloadCommand::onCodeLine(const QByteArray &line)
{
    m_prompting = false;
    m_askedOn = -1;
    // SteamCMD may have moved on (or ended) while the user was typing.
    if (m_manager.state().kind() != SteamCMDState::Kind::WaitingSteamGuard || m_interrupted)
        return;
    const QString code = QString::fromUtf8(line);
    if (code.isEmpty()) {
        promptForCode();
        return;
    }
    m_codeSent = true;
    m_manager.setSteamGuardCode(code);
    m_manager.submitSteamGuard();
}

void DownloadCommand::onEndOfInput()
{
    m_prompting = false;
    if (m_interrupted || m_cancelledByInput)
        return;
    // Standard input is used up (by --password-stdin, say), but the person
    // who started the command is still at its terminal: the code is asked
    // for there, as ssh and sudo ask.
    if (continueAtTerminal()) {
        if (m_manager.state().kind() == SteamCMDState::Kind::WaitingSteamGuard)
            promptForCode();
        return;
    }
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
    StatusOutput::say(QCoreApplication::translate(
        "DownloadCommand", "\nvantor-launcher download: the input ended without a Steam Guard "
                           "code, cancelling\n"));
    m_cancelledByInput = true;
    // The run ends once the stopped SteamCMD has; runFinished() says so.
    m_manager.cancel();
}

void DownloadCommand::onTerminationSignal()
{
    if (m_interrupted)
        return;
    m_interrupted = true;
    StatusOutput::say(QCoreApplication::translate(
        "DownloadCommand", "\nvantor-launcher download: interrupted, stopping SteamCMD\n"));
    // The run ends once whatever stage it is in has stopped (SteamCMD is
    // waited for); runFinished() then says so.
    if (m_manager.currentRun())
        m_manager.cancel();
    else
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
            // The explanation is a "[!] " line of the console too: once per
            // screen.
            if (!m_manager.failureExplanation().isEmpty() && !consoleShowsOn(STDERR_FILENO))
                StatusOutput::say(m_manager.failureExplanation() + QLatin1Char('\n'));
            StatusOutput::say(m_manager.translatedStatusText() + QLatin1Char('\n'));
        } else
            StatusOutput::say(QCoreApplication::translate("DownloadCommand",
                                                          "vantor-launcher download: cancelled\n"));
    }
    QCoreApplication::exit(status);
}
