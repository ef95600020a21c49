// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakeSteamCMD.h"
#include "LauncherRun.h"
#include "LoopbackHttpServer.h"
#include "TerminalSession.h"
#include "TestArchives.h"
#include "TestFiles.h"
#include "TestHome.h"
#include "credentials/KeychainHelper.h"
#include "steam/SteamCMDManager.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTest>

#include <csignal>
#include <memory>
#include <unistd.h>

// Runs the built launcher's `download` command end to end against a fake
// SteamCMD and a loopback patch server, in a temporary home.
class TestDownloadCommand : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void completesWithSteamGuard();
    void failureEndsWithErrorLine_data();
    void failureEndsWithErrorLine();
    void messagesFollowTheLanguageAndTheConsoleStays();
    void signalStopsChildAndExits130_data();
    void signalStopsChildAndExits130();
    void usageProblems_data();
    void usageProblems();
    void keyringRemembersCredentials();
    void awkwardCredentialsStayUnchangedAndUnseen_data();
    void awkwardCredentialsStayUnchangedAndUnseen();
    void phoneApprovalNeedsNoCode();
    void refusedCodeSaidBeforeAskingAgain();
    void secondDownloadRefusedAtOnce();
    void guardCodeAskedAtTheTerminal_data();
    void guardCodeAskedAtTheTerminal();
    void passwordTypedAtTheTerminalIsNotShown();

private:
    QString fake(const QString &name) const { return m_home->filePath("fake/" + name); }
    void writeFake(const QByteArray &body)
    {
        QVERIFY(writeFakeSteamCMD(SteamCMDManager().steamCMDBinary(), fake(""), body));
    }
    // The n-th SteamCMD run's argument (0: its working folder), or "<none>".
    QString argument(int run, int index) const
    {
        const QByteArray argv = readFile(fake(QString("argv-%1").arg(run)));
        return argv.isEmpty() ? "<none>" : QString::fromUtf8(argv).split('\n').value(index);
    }
    qint64 fakePid() const { return readFile(fake("pid-1")).toLongLong(); }
    // Waits for the launcher's exit while this process keeps serving (the
    // loopback server runs on this event loop, so no blocking waits).
    static bool waitForExit(QProcess &launcher, int timeoutMs)
    {
        return LauncherRun::waitForExit(launcher, timeoutMs);
    }
    // Starts the launcher; returns once it has been started.
    void start(QProcess &launcher, const QStringList &arguments, const QByteArray &input,
               bool closeInput = true);

    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<LoopbackHttpServer> m_server;
};

namespace {

const QString kPatchPath = QStringLiteral("/releases/latest/download/VO_Mac_Patch.zip");

bool privateKeyring()
{
    return qEnvironmentVariableIsSet("VANTOR_PRIVATE_KEYRING");
}

} // namespace

void TestDownloadCommand::init()
{
    m_home = std::make_unique<TestHome>();
    QVERIFY(m_home->isValid());
    m_server = std::make_unique<LoopbackHttpServer>();
    QVERIFY(m_server->listen());
    // The launcher inherits this environment: the temporary home and the
    // loopback server.
    qputenv("VANTOR_PATCH_URL", m_server->url(kPatchPath).toUtf8());
    qputenv("VANTOR_STEAMCMD_URL", LoopbackHttpServer::closedPortUrl("/steamcmd.tar.gz").toUtf8());
    // The launcher saves credentials in the keyring: only ever the private
    // one of the test wrapper, never the session's own.
    if (!privateKeyring())
        qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
}

void TestDownloadCommand::cleanup()
{
    // Each case starts with an empty keyring.
    if (privateKeyring()) {
        for (int i = 0; i < 10; ++i) {
            const std::optional<QString> account = KeychainHelper::savedUsername();
            if (!account)
                break;
            KeychainHelper::deleteItem(*account);
        }
    }
    qunsetenv("VANTOR_PATCH_URL");
    qunsetenv("VANTOR_STEAMCMD_URL");
    m_server.reset();
    m_home.reset();
}

void TestDownloadCommand::start(QProcess &launcher, const QStringList &arguments,
                                const QByteArray &input, bool closeInput)
{
    launcher.setProgram(LauncherRun::program());
    launcher.setArguments(arguments);
    // No controlling terminal, whatever runs the tests: the command would
    // ask at it once standard input has ended.
    launcher.setChildProcessModifier([] { ::setsid(); });
    launcher.start();
    QVERIFY(launcher.waitForStarted(10000));
    launcher.write(input);
    if (closeInput)
        launcher.closeWriteChannel();
}

void TestDownloadCommand::completesWithSteamGuard()
{
    LoopbackHttpServer::Response patch;
    patch.body = makeZip({{"patch.ini", "patched\n"}});
    m_server->setRoute(kPatchPath, patch);

    writeFake("A=\"$4\"\n"
              "printf 'Steam Guard code:'\n"
              "IFS= read -r code\n"
              "[ \"$code\" = 4242 ] || { echo \"wrong code '$code'\"; exit 5; }\n"
              "echo ' Update state (0x61) downloading, progress: 50.00 (1 / 2)'\n"
              "mkdir -p \"$A/DL_Vantor\"\n"
              "echo x > \"$A/inidl.big\"; echo x > \"$A/DL_Vantor/ini.big\"\n"
              "exit 0\n");

    QProcess launcher;
    // Password and code written at once: the code must not be swallowed
    // while the password is read.
    start(launcher, {"download", "--username", "player one", "--password-stdin"},
          "pass word\n4242\n", false);
    QVERIFY(waitForExit(launcher, 60000));
    const QString out = QString::fromUtf8(launcher.readAllStandardOutput());
    const QString err = QString::fromUtf8(launcher.readAllStandardError());
    QCOMPARE(launcher.exitStatus(), QProcess::NormalExit);
    QVERIFY2(launcher.exitCode() == 0, qPrintable(err));

    // On a terminal the password is not on SteamCMD's command line.
    QCOMPARE(argument(1, 6), QString("player one"));
    QCOMPARE(argument(1, 7), QString("+app_update"));
    QVERIFY(err.contains("Steam Guard code: "));
    QVERIFY(!err.contains("pass word") && !out.contains("pass word"));
    QVERIFY(!out.contains("4242"));
    // Standard output is the console, with unzip's own report where it ran.
    const QString head = "[*] Launching SteamCMD...\n"
                         "Steam Guard code:> Steam Guard code submitted\n"
                         " Update state (0x61) downloading, progress: 50.00 (1 / 2)\n"
                         "\n[✓] Vanilla download completed successfully!\n"
                         "[✓] Moved DL_Vantor/ alongside Assets/\n"
                         "\n[⭳] Downloading Community Patch & Maps...\n"
                         "[*] Unpacking patch...\n";
    QVERIFY2(out.startsWith(head), qPrintable(out));
    QVERIFY2(out.mid(head.size()).contains("inflating: "), qPrintable(out));
    QVERIFY(out.endsWith("[✓] Community Patch successfully applied!\n"));

    SteamCMDManager manager;
    QVERIFY(manager.areAssetsValid());
    QCOMPARE(readFile(manager.installDir() + "/patch.ini"), QByteArray("patched\n"));
    QVERIFY(!QFile::exists(manager.installDir() + "/temp_patch.zip"));
}

void TestDownloadCommand::failureEndsWithErrorLine_data()
{
    QTest::addColumn<QByteArray>("fake");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QString>("explanation");
    const QByteArray invalid = "Logging in user 'u' to Steam Public...FAILED (Invalid Password)";
    // The child would sleep on: the command stops it before returning.
    QTest::newRow("authentication failed") << "echo \"" + invalid + "\"\nexec sleep 60\n"
                                           << QString(invalid) + "\n"
                                           << "Authentication failed — check credentials"
                                           << "Steam did not accept the password. Check your "
                                              "user name and password, then try again.";
    // Standard input ends where the code would be read: that cancels, and a
    // cancel is no SteamCMD failure (error left empty).
    QTest::newRow("no code to read") << QByteArray("printf 'Steam Guard code:'\nexec sleep 60\n")
                                     << "Steam Guard code:\n--- CANCELLED ---\n"
                                     << QString() << QString();
}

void TestDownloadCommand::failureEndsWithErrorLine()
{
    QFETCH(QByteArray, fake);
    QFETCH(QString, out);
    QFETCH(QString, error);
    QFETCH(QString, explanation);
    writeFake(fake);
    QProcess launcher;
    start(launcher, {"download", "--username=u", "--password-stdin"}, "pw\n");
    QVERIFY(waitForExit(launcher, 30000));
    QCOMPARE(launcher.exitCode(), 1);
    const QString explained = explanation.isEmpty() ? QString() : explanation + "\n";
    QCOMPARE(QString::fromUtf8(launcher.readAllStandardOutput()),
             "[*] Launching SteamCMD...\n" + out + (explained.isEmpty() ? "" : "\n[!] ") +
                 explained + (error.isEmpty() ? "" : "\n[✗] " + error + "\n"));
    // The sentence a player can act on comes right before the error line.
    const QString err = QString::fromUtf8(launcher.readAllStandardError());
    const QString last = error.isEmpty() ? "vantor-launcher download: cancelled\n"
                                         : explained + "ERROR: " + error + "\n";
    QVERIFY2(err.endsWith(last), qPrintable(err));
    QVERIFY(!processAlive(fakePid()));
}

void TestDownloadCommand::messagesFollowTheLanguageAndTheConsoleStays()
{
    writeFake("echo \"Logging in user 'u' to Steam Public...FAILED (Invalid Password)\"\n"
              "exec sleep 60\n");
    struct Run
    {
        int status;
        QString out;
        QString err;
    };
    const auto runIn = [this](const QByteArray &language) -> Run {
        qputenv("LANGUAGE", language);
        QProcess launcher;
        start(launcher, {"download", "--username=u", "--password-stdin"}, "pw\n");
        qunsetenv("LANGUAGE");
        if (!waitForExit(launcher, 30000))
            return {-1, {}, {}};
        return {launcher.exitCode(), QString::fromUtf8(launcher.readAllStandardOutput()),
                QString::fromUtf8(launcher.readAllStandardError())};
    };
    const Run english = runIn("en");
    const Run german = runIn("de");
    // The console and the exit status are the same in every language.
    QCOMPARE(english.status, 1);
    QCOMPARE(german.status, english.status);
    QCOMPARE(german.out, english.out);
    QVERIFY2(english.err.endsWith("ERROR: Authentication failed — check credentials\n"),
             qPrintable(english.err));
    QVERIFY2(german.err.endsWith("Steam hat das Passwort nicht akzeptiert. Prüfe Benutzername und "
                                 "Passwort und versuche es erneut.\nFEHLER: Anmeldung "
                                 "fehlgeschlagen — Zugangsdaten prüfen\n"),
             qPrintable(german.err));
}

void TestDownloadCommand::signalStopsChildAndExits130_data()
{
    QTest::addColumn<int>("signalNumber");
    QTest::newRow("SIGINT") << SIGINT;
    QTest::newRow("SIGTERM") << SIGTERM;
}

void TestDownloadCommand::signalStopsChildAndExits130()
{
    QFETCH(int, signalNumber);
    // The fake ignores nothing but takes a moment to die: it traps TERM.
    writeFake("trap 'echo stopping; sleep 0.3; exit 143' TERM\n"
              "echo started\n"
              "while :; do sleep 0.1; done\n");
    QProcess launcher;
    start(launcher, {"download", "--username", "u", "--password-stdin"}, "pw\n");
    QTRY_VERIFY_WITH_TIMEOUT(fakePid() > 0, 10000);
    const qint64 child = fakePid();
    QByteArray out;
    QTRY_VERIFY_WITH_TIMEOUT((out += launcher.readAllStandardOutput()).contains("started"), 10000);

    QCOMPARE(::kill(pid_t(launcher.processId()), signalNumber), 0);
    QVERIFY(waitForExit(launcher, 30000));
    // No orphan: the child had ended when the command returned.
    QVERIFY(!processAlive(child));
    QCOMPARE(launcher.exitStatus(), QProcess::NormalExit);
    QCOMPARE(launcher.exitCode(), 130);
    out += launcher.readAllStandardOutput();
    QVERIFY2(out.contains("\n--- CANCELLED ---\n"), out.constData());
    QVERIFY(out.contains("stopping"));
}

void TestDownloadCommand::usageProblems_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("message");
    QTest::newRow("no user name") << QStringList{"download", "--password-stdin"}
                                  << QByteArray("pw\n") << "--username NAME is required";
    QTest::newRow("user name without value")
        << QStringList{"download", "--username"} << QByteArray() << "--username needs a value";
    QTest::newRow("not a terminal") << QStringList{"download", "--username", "u"}
                                    << QByteArray("pw\n") << "standard input is not a terminal";
    QTest::newRow("empty input") << QStringList{"download", "--username", "u", "--password-stdin"}
                                 << QByteArray() << "ended before the password line";
    QTest::newRow("unknown option") << QStringList{"download", "--username", "u", "--quiet"}
                                    << QByteArray() << "unknown option '--quiet'";
}

void TestDownloadCommand::usageProblems()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    QFETCH(QString, message);
    writeFake("exit 0\n");
    QProcess launcher;
    start(launcher, arguments, input);
    QVERIFY(waitForExit(launcher, 30000));
    QCOMPARE(launcher.exitCode(), 2);
    const QString err = QString::fromUtf8(launcher.readAllStandardError());
    QVERIFY2(err.contains(message), qPrintable(err));
    QCOMPARE(launcher.readAllStandardOutput(), QByteArray());
    QVERIFY(!QFile::exists(fake("runs"))); // SteamCMD never started
}

void TestDownloadCommand::keyringRemembersCredentials()
{
    if (!privateKeyring())
        SKIP_OR_FAIL_IN_CI("needs the private keyring of tests/run-with-keyring.sh");
    // SteamCMD asks for the password at its prompt; the fake keeps what it read.
    writeFake("printf 'password: '\nIFS= read -r p\nprintf '%s' \"$p\" > \"$F/typed-$n\"\n"
              "exit 8\n");

    // Given credentials are saved, exactly as typed.
    QProcess first;
    start(first, {"download", "--username", " saved user", "--password-stdin"}, "secret pw \n");
    QVERIFY(waitForExit(first, 30000));
    QCOMPARE(first.exitCode(), 1); // SteamCMD exited with 8
    QCOMPARE(KeychainHelper::savedUsername(), std::optional<QString>(" saved user"));
    QCOMPARE(KeychainHelper::load(" saved user"), std::optional<QString>("secret pw "));

    // Without options the saved account and its password serve.
    QProcess second;
    start(second, {"download"}, "");
    QVERIFY(waitForExit(second, 30000));
    QCOMPARE(second.exitCode(), 1);
    QCOMPARE(argument(2, 6), QString(" saved user"));
    QCOMPARE(readFile(fake("typed-2")), QByteArray("secret pw "));

    // Another account given without a password does not borrow the saved one.
    QProcess third;
    start(third, {"download", "--username", "other"}, "");
    QVERIFY(waitForExit(third, 30000));
    QCOMPARE(third.exitCode(), 2);
    QCOMPARE(argument(3, 0), QString("<none>"));
    QCOMPARE(KeychainHelper::load("other"), std::nullopt);
}

void TestDownloadCommand::awkwardCredentialsStayUnchangedAndUnseen_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("password");
    QTest::newRow("spaces and quotes") << "o'brien van \"x\""
                                       << " it's \"a\" pass ";
    QTest::newRow("leading dashes") << "--help"
                                    << "-p --password-stdin";
    QTest::newRow("non-ASCII and shell syntax") << "Jürgen;id"
                                                << "$(id)`id`|пароль€";
}

void TestDownloadCommand::awkwardCredentialsStayUnchangedAndUnseen()
{
    QFETCH(QString, user);
    QFETCH(QString, password);
    writeFake("printf 'password: '\nIFS= read -r p\nprintf '%s' \"$p\" > \"$F/typed-$n\"\n"
              "echo running\nexit 5\n");
    // Every log line of the launcher switched on.
    qputenv("QT_LOGGING_RULES", "vantor.*=true");
    QProcess launcher;
    start(launcher, {"download", "--username", user, "--password-stdin"},
          (password + "\n").toUtf8());
    const bool ended = waitForExit(launcher, 30000);
    qunsetenv("QT_LOGGING_RULES");
    QVERIFY(ended);
    QCOMPARE(launcher.exitCode(), 1);
    // Typed at SteamCMD's prompt exactly as given, never an argument.
    QCOMPARE(argument(1, 6), user);
    QCOMPARE(QString::fromUtf8(readFile(fake("typed-1"))), password);
    QVERIFY(!readFile(fake("argv-1")).contains(password.toUtf8()));
    // The run's log holds the console, without the password.
    const QDir logs(m_home->filePath(".local/state/Vantor Online/logs"));
    const QStringList logFiles = logs.entryList(QDir::Files);
    QCOMPARE(logFiles.size(), 1);
    const QByteArray log = readFile(logs.filePath(logFiles.first()));
    QVERIFY2(log.contains("> Password submitted\nrunning\n"), log.constData());
    QVERIFY(!log.contains(password.toUtf8()));
    const QString output = QString::fromUtf8(launcher.readAllStandardOutput() + "\n" +
                                             launcher.readAllStandardError());
    QVERIFY2(output.contains("running\n"), qPrintable(output));
    QVERIFY2(output.contains("vantor."), qPrintable(output)); // the log was on
    QVERIFY2(!output.contains(password), qPrintable(output));
    QVERIFY2(!output.contains(user), qPrintable(output));
}

void TestDownloadCommand::phoneApprovalNeedsNoCode()
{
    LoopbackHttpServer::Response patch;
    patch.body = makeZip({{"patch.ini", "patched\n"}});
    m_server->setRoute(kPatchPath, patch);
    FakeSteamCMD steamcmd(SteamCMDManager().steamCMDBinary(), fake(""));
    QVERIFY(steamcmd.install());
    QVERIFY(steamcmd.setScenario(FakeSteamCMD::Scenario::PhoneApproval));

    // Standard input ends after the password: no code is needed, so that
    // does not cancel while the phone approval is awaited.
    QProcess launcher;
    start(launcher, {"download", "--username", "u", "--password-stdin"}, "pw\n");
    QVERIFY(waitForExit(launcher, 60000));
    const QString err = QString::fromUtf8(launcher.readAllStandardError());
    QVERIFY2(launcher.exitCode() == 0, qPrintable(err));
    QVERIFY2(err.contains("Approve the sign-in in the Steam Mobile app on your phone\n"),
             qPrintable(err));
    QVERIFY(!err.contains("cancelling"));
    const QString out = QString::fromUtf8(launcher.readAllStandardOutput());
    QVERIFY(out.contains("Waiting for confirmation...OK\n"));
    QCOMPARE(steamcmd.runs(), 1);
    QCOMPARE(steamcmd.typed(1), QByteArray());
    // Standard error is no terminal here: no progress line is drawn on it.
    QVERIFY2(!err.contains("Downloading ·"), qPrintable(err));
}

void TestDownloadCommand::refusedCodeSaidBeforeAskingAgain()
{
    FakeSteamCMD steamcmd(SteamCMDManager().steamCMDBinary(), fake(""));
    QVERIFY(steamcmd.install());
    QVERIFY(steamcmd.setScenario(FakeSteamCMD::Scenario::SteamGuardCode));
    // Standard error without the log holds only what the command says.
    qputenv("QT_LOGGING_RULES", "vantor.*=false");
    QProcess launcher;
    start(launcher, {"download", "--username", "u", "--password-stdin"}, "pw\n", false);
    qunsetenv("QT_LOGGING_RULES");
    // Three wrong codes, each typed once SteamCMD waits at its prompt: it
    // asks again twice, then gives up.
    // (The console's sentences about the code name the prompt too.)
    const QByteArray prompt = FakeSteamCMD::Words::guardPrompt;
    QByteArray out;
    const auto prompts = [&] {
        out += launcher.readAllStandardOutput();
        return out.count(prompt) - out.count("the " + prompt);
    };
    for (int asked = 1; asked <= 3; ++asked) {
        QTRY_VERIFY_WITH_TIMEOUT(prompts() == asked, 20000);
        launcher.write(QByteArray::number(asked) + '\n');
    }
    QVERIFY(waitForExit(launcher, 30000));
    QCOMPARE(launcher.exitCode(), 1);
    const QString err = QString::fromUtf8(launcher.readAllStandardError());
    const QString ask = "Steam Guard code: ";
    const QString again = "Steam did not accept the Steam Guard code: it was wrong or had "
                          "expired. Type the newest code to try again.\n";
    // The sentence before each new ask; at the end the refusal's own.
    QVERIFY2(err.count(again) == 2 && err.count(again + ask) == 2, qPrintable(err));
    QVERIFY2(err.startsWith(ask), qPrintable(err));
    QVERIFY2(err.endsWith(again + ask +
                          "Steam did not accept the Steam Guard code: it was wrong or had "
                          "expired. Start the download again and enter the newest code.\n"
                          "ERROR: Authentication failed — check credentials\n"),
             qPrintable(err));
    QCOMPARE(steamcmd.typed(1), QByteArray("1\n2\n3\n"));
}

void TestDownloadCommand::secondDownloadRefusedAtOnce()
{
    FakeSteamCMD steamcmd(SteamCMDManager().steamCMDBinary(), fake(""));
    QVERIFY(steamcmd.install());
    QVERIFY(steamcmd.setScenario(FakeSteamCMD::Scenario::Stall));
    QProcess first;
    start(first, {"download", "--username", "u", "--password-stdin"}, "pw\n");
    QTRY_VERIFY_WITH_TIMEOUT(steamcmd.runs() == 1, 10000);

    QElapsedTimer clock;
    clock.start();
    QProcess second;
    start(second, {"download", "--username", "u", "--password-stdin"}, "pw\n");
    QVERIFY(waitForExit(second, 30000));
    QVERIFY(clock.elapsed() < 10000);
    QCOMPARE(second.exitCode(), 1);
    const QString message =
        QString("Another download is already running (process %1)").arg(first.processId());
    QCOMPARE(QString::fromUtf8(second.readAllStandardOutput()), "\n[✗] " + message + "\n");
    QVERIFY(QString::fromUtf8(second.readAllStandardError()).endsWith("ERROR: " + message + "\n"));
    QCOMPARE(steamcmd.runs(), 1);
    QVERIFY(processAlive(steamcmd.pid(1)));

    QCOMPARE(::kill(pid_t(first.processId()), SIGTERM), 0);
    QVERIFY(waitForExit(first, 30000));
    QCOMPARE(first.exitCode(), 130);
}

void TestDownloadCommand::guardCodeAskedAtTheTerminal_data()
{
    QTest::addColumn<bool>("consoleOnTerminal"); // standard output on the terminal too
    QTest::addColumn<bool>("verbose");
    QTest::newRow("everything on the terminal") << true << false;
    QTest::newRow("console to a file") << false << false;
    QTest::newRow("with the developer log") << true << true;
}

void TestDownloadCommand::guardCodeAskedAtTheTerminal()
{
    // The README's one-line example at a first sign-in: the password comes
    // through the pipe, which then ends; Steam asks for an e-mail code.
    QFETCH(bool, consoleOnTerminal);
    QFETCH(bool, verbose);
    LoopbackHttpServer::Response patch;
    patch.body = makeZip({{"patch.ini", "patched\n"}});
    m_server->setRoute(kPatchPath, patch);
    FakeSteamCMD steamcmd(SteamCMDManager().steamCMDBinary(), fake(""));
    QVERIFY(steamcmd.install());
    QVERIFY(steamcmd.setScenario(FakeSteamCMD::Scenario::SteamGuardCode));
    QStringList arguments{"download", "--username", "me", "--password-stdin"};
    if (verbose)
        arguments.append("--verbose");
    const QString console = m_home->filePath("console.txt");

    TerminalSession terminal;
    QVERIFY2(terminal.start(LauncherRun::program(), arguments, TerminalSession::Input::Pipe,
                            "secret\n", consoleOnTerminal ? QString() : console),
             qPrintable(terminal.error()));
    QVERIFY2(terminal.waitForScreen("code:", 30000), terminal.screen().constData());
    QVERIFY(terminal.type(QByteArray(FakeSteamCMD::kCode) + "\n"));
    QVERIFY2(terminal.waitForExit(60000), terminal.screen().constData());
    const QByteArray screen = terminal.screen();
    QVERIFY2(terminal.exitCode() == 0, screen.constData());
    QCOMPARE(steamcmd.typed(1), QByteArray(FakeSteamCMD::kCode) + "\n");
    // One prompt for the one question: SteamCMD's where the console shows,
    // else the launcher's own.
    QVERIFY2(screen.count("code:") == 1, screen.constData());
    QCOMPARE(screen.contains("Steam Guard code: "), !consoleOnTerminal);
    if (!consoleOnTerminal)
        QVERIFY(readFile(console).contains("Steam Guard code:"));
    // The developer log only when asked for.
    QVERIFY2(screen.contains("vantor.") == verbose, screen.constData());
}

void TestDownloadCommand::passwordTypedAtTheTerminalIsNotShown()
{
    FakeSteamCMD steamcmd(SteamCMDManager().steamCMDBinary(), fake(""));
    QVERIFY(steamcmd.install());
    // It refuses this password: the run ends right after it is typed.
    QVERIFY(steamcmd.setScenario(FakeSteamCMD::Scenario::PasswordPrompt));

    TerminalSession terminal;
    QVERIFY2(terminal.start(LauncherRun::program(),
                            {"download", "--username", "me", "--password-stdin"},
                            TerminalSession::Input::Terminal),
             qPrintable(terminal.error()));
    QVERIFY2(terminal.waitForScreen("Password: ", 30000), terminal.screen().constData());
    QVERIFY(terminal.type("pass word\n"));
    QVERIFY2(terminal.waitForExit(60000), terminal.screen().constData());
    const QByteArray screen = terminal.screen();
    // SteamCMD got the password at its prompt; the terminal never showed it.
    QCOMPARE(steamcmd.typed(1), QByteArray("pass word\n"));
    QVERIFY2(!screen.contains("pass word"), screen.constData());
    QCOMPARE(screen.count("Password: "), 1);
}

QTEST_GUILESS_MAIN(TestDownloadCommand)
#include "tst_downloadcommand.moc"
