// SPDX-License-Identifier: GPL-3.0-or-later
// The sign-in and failure handling of a download run, against the fake
// SteamCMD on a real terminal: what SteamCMD was given and read, the console,
// the states and the sentences shown under the status line.
#include "FakeSteamCMD.h"
#include "RunWait.h"
#include "ServedPatch.h"
#include "StateRecorder.h"
#include "TestFiles.h"
#include "TestHome.h"
#include "steam/SteamCMDManager.h"

#include <QDir>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>

using Scenario = FakeSteamCMD::Scenario;
using Form = FakeSteamCMD::Form;
Q_DECLARE_METATYPE(FakeSteamCMD::Scenario)
Q_DECLARE_METATYPE(FakeSteamCMD::Form)

namespace {

const QString kAuthFailed = QStringLiteral("Authentication failed — check credentials");
const QString kAskedAgain = QStringLiteral("Steam did not accept the Steam Guard code: it was "
                                           "wrong or had expired. Type the newest code to try "
                                           "again.");

} // namespace

class TestSteamSignIn : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void signIns_data();
    void signIns();
    void refusedCodeAskedAgain_data();
    void refusedCodeAskedAgain();
    void reasonsExplained_data();
    void reasonsExplained();
    void missingConfigurationRetriedOnce_data();
    void missingConfigurationRetriedOnce();
    void stallSaidOnceNothingKilledLockHeld();

private:
    // Starts a download as "o'brien" and waits for its end; the status texts
    // in order of change.
    QStringList run(SteamCMDManager &manager);

    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<ServedPatch> m_patch;
    std::unique_ptr<FakeSteamCMD> m_fake;
};

void TestSteamSignIn::init()
{
    m_home = std::make_unique<TestHome>();
    QVERIFY(m_home->isValid());
    m_patch = std::make_unique<ServedPatch>();
    QVERIFY(m_patch->isListening());
    m_fake = std::make_unique<FakeSteamCMD>(SteamCMDManager().steamCMDBinary(),
                                            m_home->filePath("fake record"));
    QVERIFY(m_fake->install());
    QVERIFY(m_fake->setDelay(0.3));
}

void TestSteamSignIn::cleanup()
{
    m_fake.reset();
    m_patch.reset();
    m_home.reset();
}

QStringList TestSteamSignIn::run(SteamCMDManager &manager)
{
    StateRecorder recorder(manager);
    manager.startDownload("o'brien", FakeSteamCMD::kPassword);
    const bool finished = recorder.waitForRunFinished(30000);
    // Only the sign-in's course: the download's progress left out.
    QStringList states = recorder.states;
    states.removeIf([](const QString &state) {
        return state.startsWith("DOWNLOADING PATCH") || state.startsWith("DOWNLOADING ASSETS");
    });
    if (!finished)
        states.append("<not finished>");
    return states;
}

void TestSteamSignIn::signIns_data()
{
    QTest::addColumn<Scenario>("scenario");
    QTest::addColumn<QByteArray>("typed"); // what SteamCMD read on its terminal
    QTest::addColumn<QStringList>("states");
    QTest::addColumn<QString>("shown");       // part of the console
    QTest::addColumn<QString>("explanation"); // under the status line at the end
    const QByteArray password = QByteArray(FakeSteamCMD::kPassword) + '\n';
    const QStringList done{"AUTHENTICATING...", "UNPACKING PATCH...", "ASSETS READY"};
    QTest::newRow("cached login") << Scenario::CachedLogin << QByteArray() << done
                                  << "Logging in using cached credentials.\n"
                                  << QString();
    QTest::newRow("password at the prompt")
        << Scenario::PasswordPrompt << password << done
        << "to Steam Public...\npassword: > Password submitted\nOK\n"
        << QString();
    // Asked again in the same start: refused, SteamCMD stopped.
    QTest::newRow("password refused")
        << Scenario::PasswordRefused << password
        << QStringList{"AUTHENTICATING...", "ERROR: " + kAuthFailed}
        << "password: > Password submitted\npassword: \n[!] Steam did not accept the password. "
           "Check your user name and password, then try again.\n\n[✗] " +
               kAuthFailed + "\n"
        << "Steam did not accept the password. Check your user name and password, then try "
           "again.";
    QTest::newRow("phone approval")
        << Scenario::PhoneApproval << QByteArray()
        << QStringList{"AUTHENTICATING...", "STEAM GUARD CODE REQUIRED", "AUTHENTICATING...",
                       "UNPACKING PATCH...", "ASSETS READY"}
        << "Waiting for confirmation...OK\n"
        << QString();
    QTest::newRow("approval timed out")
        << Scenario::ApprovalTimeout << QByteArray()
        << QStringList{"AUTHENTICATING...", "STEAM GUARD CODE REQUIRED",
                       "ERROR: Sign-in not approved in time"}
        << "\n[✗] Sign-in not approved in time\n"
        << "The sign-in was not approved in time. Start the download again and approve the "
           "sign-in in the Steam Mobile app on your phone right away.";
}

void TestSteamSignIn::signIns()
{
    QFETCH(Scenario, scenario);
    QFETCH(QByteArray, typed);
    QFETCH(QStringList, states);
    QFETCH(QString, shown);
    QFETCH(QString, explanation);
    QVERIFY(m_fake->setScenario(scenario));
    SteamCMDManager manager;
    QStringList approvals;
    connect(&manager, &SteamCMDManager::approvalPromptChanged, this,
            [&] { approvals.append(manager.approvalPrompt()); });
    const QStringList seen = run(manager);
    QVERIFY2(seen == states, qPrintable(seen.join(" | ")));
    QVERIFY2(manager.consoleLog().contains(shown), qPrintable(manager.consoleLog()));
    QCOMPARE(manager.failureExplanation(), explanation);
    const bool approval =
        scenario == Scenario::PhoneApproval || scenario == Scenario::ApprovalTimeout;
    const QString approve = "Approve the sign-in in the Steam Mobile app on your phone";
    QCOMPARE(approvals, approval ? QStringList({approve, ""}) : QStringList());

    // The password: typed at most once, never an argument, never shown or kept.
    QCOMPARE(m_fake->runs(), 1);
    QVERIFY(m_fake->ranOnTerminal(1));
    QCOMPARE(m_fake->typed(1), typed);
    QCOMPARE(m_fake->arguments(1),
             (QStringList{"+@sSteamCmdForcePlatformType", "windows", "+force_install_dir",
                          manager.assetsDir(), "+login", "o'brien", "+app_update", "4187530",
                          "validate", "+quit"}));
    QVERIFY(!manager.consoleLog().contains(FakeSteamCMD::kPassword));
    const QDir logs(SteamCMDManager::logFolder());
    const QString log =
        QString::fromUtf8(readFile(logs.filePath(logs.entryList(QDir::Files).value(0))));
    QVERIFY2(log.endsWith(manager.consoleLog().right(40)), qPrintable(log));
    QVERIFY(!log.contains(FakeSteamCMD::kPassword));
    QVERIFY(!processAlive(m_fake->pid(1)));
}

void TestSteamSignIn::refusedCodeAskedAgain_data()
{
    // Steam refuses a code without a word: SteamCMD asks again.
    QTest::addColumn<QStringList>("codes"); // typed in turn when asked
    QTest::addColumn<QStringList>("states");
    QTest::addColumn<QStringList>("sentences"); // under the status at each prompt
    QTest::addColumn<QString>("failure");       // empty: the run completes
    const QString guard = "STEAM GUARD CODE REQUIRED";
    const QString auth = "AUTHENTICATING...";
    QTest::newRow("wrong, then right")
        << QStringList{"11111", FakeSteamCMD::kCode}
        << QStringList{auth, guard, auth, guard, auth, "UNPACKING PATCH...", "ASSETS READY"}
        << QStringList{"", kAskedAgain} << QString();
    // SteamCMD gives up after the third: the run ends with the refusal.
    QTest::newRow("wrong three times")
        << QStringList{"1", "2", "3"}
        << QStringList{auth, guard, auth, guard, auth, guard, auth, "ERROR: " + kAuthFailed}
        << QStringList{"", kAskedAgain, kAskedAgain} << kAuthFailed;
}

void TestSteamSignIn::refusedCodeAskedAgain()
{
    QFETCH(QStringList, codes);
    QFETCH(QStringList, states);
    QFETCH(QStringList, sentences);
    QFETCH(QString, failure);
    QVERIFY(m_fake->setScenario(Scenario::SteamGuardCode));
    SteamCMDManager manager;
    QStringList shown;
    const QStringList typed = codes;
    // Typed once SteamCMD waits at its next prompt, as a player does (the
    // sentences about the code name it too).
    const QString prompt = FakeSteamCMD::Words::guardPrompt;
    const auto type = [&] {
        const QString console = manager.consoleLog();
        const qsizetype asked = console.count(prompt) - console.count("the " + prompt);
        if (manager.state() != SteamCMDState::waitingSteamGuard() || codes.isEmpty() ||
            asked <= typed.size() - codes.size())
            return;
        shown.append(manager.failureExplanation());
        QTimer::singleShot(0, this, [&manager, code = codes.takeFirst()] {
            manager.setSteamGuardCode(code);
            manager.submitSteamGuard();
        });
    };
    connect(&manager, &SteamCMDManager::consoleAppended, this, type);
    connect(&manager, &SteamCMDManager::stateChanged, this, type);
    const QStringList seen = run(manager);
    QVERIFY2(seen == states, qPrintable(seen.join(" | ")));
    QCOMPARE(shown, sentences);
    QCOMPARE(m_fake->typed(1), (typed.join('\n') + '\n').toUtf8());
    // Each refusal said once in the console, between the code and the next.
    const QString console = manager.consoleLog();
    const QStringList pieces = console.split("> Steam Guard code submitted\n");
    QCOMPARE(pieces.size(), typed.size() + 1);
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        const bool between = i > 0 && i < typed.size();
        QVERIFY2(pieces[i].count("\n[!] " + kAskedAgain + "\n") == (between ? 1 : 0),
                 qPrintable(console));
    }
    if (failure.isEmpty()) {
        QCOMPARE(manager.failureExplanation(), QString());
        return;
    }
    const QString rejected = "Steam did not accept the Steam Guard code: it was wrong or had "
                             "expired. Start the download again and enter the newest code.";
    QCOMPARE(manager.failureExplanation(), rejected);
    QVERIFY2(console.endsWith("\n[!] " + rejected + "\n\n[✗] " + failure + "\n"),
             qPrintable(console));
}

void TestSteamSignIn::reasonsExplained_data()
{
    // Which reason is recognised in which form is the classifier's own test;
    // here: that each kind of ending is wired to its sentence and failure.
    QTest::addColumn<Scenario>("scenario");
    QTest::addColumn<QString>("reason"); // for Scenario::Failure
    QTest::addColumn<Form>("form");
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QString>("sentenceStart");
    const auto row = [](const char *reason, Form form, const QString &failure,
                        const QString &sentence) {
        QTest::addRow("%s, %s", reason, qPrintable(FakeSteamCMD::formName(form)))
            << Scenario::Failure << QString(reason) << form << failure << sentence;
    };
    const auto scenarioRow = [](Scenario scenario, const QString &failure,
                                const QString &sentence) {
        QTest::addRow("%s", qPrintable(FakeSteamCMD::scenarioName(scenario)))
            << scenario << QString() << Form::Error << failure << sentence;
    };
    using W = FakeSteamCMD::Words;
    row(W::codeMismatch, Form::AfterPrompt, kAuthFailed,
        "Steam did not accept the Steam Guard code");
    // Not a wrong password: a status of its own.
    row(W::rateLimitExceeded, Form::OpenLine,
        "Too many sign-in attempts — wait before trying again",
        "Steam refuses sign-ins for a while after too many attempts. Wait");
    // "Login Failure" itself fails the sign-in, whatever its reason.
    row(W::noConnection, Form::LoginFailure, kAuthFailed, "SteamCMD could not reach Steam.");
    row(W::noSubscription, Form::InstallFailed, "Game not owned — purchase required",
        "This Steam account does not own the game.");
    row("0x202", Form::UpdateJobState, "SteamCMD exited with code 8",
        "There is not enough free disk space for the game in <assets>: it needs 5969 MB and "
        "only 5845 MB are free.");
    scenarioRow(Scenario::Missing32BitLoader, "SteamCMD exited with code 127",
                "SteamCMD cannot start: it needs the 32-bit C runtime, which is not installed. "
                "Install the package lib32gcc-s1");
    // No phone approval under way: a time-out is the connection's.
    scenarioRow(Scenario::UserInfoTimeout, "SteamCMD exited with code 5",
                "SteamCMD did not hear back from Steam in time. Check your internet connection "
                "and try again.");
}

void TestSteamSignIn::reasonsExplained()
{
    QFETCH(Scenario, scenario);
    QFETCH(QString, reason);
    QFETCH(Form, form);
    QFETCH(QString, failure);
    QFETCH(QString, sentenceStart);
    QVERIFY(scenario == Scenario::Failure ? m_fake->setFailure(reason, form)
                                          : m_fake->setScenario(scenario));
    SteamCMDManager manager;
    sentenceStart.replace("<assets>", manager.assetsDir());
    QSignalSpy purchase(&manager, &SteamCMDManager::showPurchaseAlertChanged);
    if (form == Form::AfterPrompt) {
        // The code is typed by the user when SteamCMD asks for it.
        connect(&manager, &SteamCMDManager::stateChanged, this, [&] {
            if (manager.state() == SteamCMDState::waitingSteamGuard()) {
                manager.setSteamGuardCode("12345");
                manager.submitSteamGuard();
            }
        });
    }
    const QStringList states = run(manager);
    QCOMPARE(states.last(), "ERROR: " + failure);
    const QString explanation = manager.failureExplanation();
    QVERIFY2(explanation.startsWith(sentenceStart), qPrintable(explanation));
    // One "[!] " line with the same sentence, before the one failure line.
    const QString console = manager.consoleLog();
    QCOMPARE(console.count("[!] "), 1);
    QCOMPARE(console.count("[✗] "), 1);
    QVERIFY2(console.endsWith("\n[!] " + explanation + "\n\n[✗] " + failure + "\n"),
             qPrintable(console));
    QCOMPARE(purchase.count(), failure.startsWith("Game not owned") ? 1 : 0);
}

void TestSteamSignIn::missingConfigurationRetriedOnce_data()
{
    QTest::addColumn<Scenario>("scenario");
    QTest::addColumn<int>("runs");
    QTest::addColumn<QString>("end");
    QTest::newRow("once, then success") << Scenario::MissingConfigOnce << 2 << "ASSETS READY";
    QTest::newRow("twice") << Scenario::MissingConfigAlways << 2
                           << "ERROR: SteamCMD exited with code 8";
}

void TestSteamSignIn::missingConfigurationRetriedOnce()
{
    QFETCH(Scenario, scenario);
    QFETCH(int, runs);
    QFETCH(QString, end);
    QVERIFY(m_fake->setScenario(scenario));
    SteamCMDManager manager;
    QCOMPARE(run(manager).last(), end);
    QCOMPARE(m_fake->runs(), runs);
    const QString console = manager.consoleLog();
    const QString failed = "ERROR! Failed to install app '4187530' (Missing configuration)\n";
    QVERIFY2(console.contains(failed + "\n[*] Steam did not send the game's configuration, which "
                                       "often clears up on a second try. Starting SteamCMD once "
                                       "more...\n[*] Launching SteamCMD...\n"),
             qPrintable(console));
    const bool success = scenario == Scenario::MissingConfigOnce;
    // Explained only when the second try failed as well.
    QCOMPARE(console.count("[!] "), success ? 0 : 1);
    QCOMPARE(manager.failureExplanation().startsWith("Steam did not send the game's "
                                                     "configuration (missing configuration)."),
             !success);
}

void TestSteamSignIn::stallSaidOnceNothingKilledLockHeld()
{
    QVERIFY(m_fake->setScenario(Scenario::Stall));
    QVERIFY(m_fake->setDelay(0.05));
    SteamCMDManager manager;
    manager.setStallLimit(std::chrono::milliseconds(400));
    manager.startDownload("o'brien", FakeSteamCMD::kPassword);
    const QString line = "\n[!] SteamCMD has made no progress for 1 s. CANCEL and a new download "
                         "continue where it stopped.\n";
    QTRY_VERIFY_WITH_TIMEOUT(manager.consoleLog().contains(line), 10000);
    QVERIFY2(manager.progressDetail().startsWith("Downloading · 35.9 MB of 87.2 MB"),
             qPrintable(manager.progressDetail()));

    // Another window meanwhile: refused at once, before anything starts.
    SteamCMDManager other;
    QSignalSpy finished(&other, &SteamCMDManager::runFinished);
    other.startDownload("o'brien", FakeSteamCMD::kPassword);
    QCOMPARE(finished.count(), 1);
    const QString busy = QString("Another download is already running (process %1)")
                             .arg(QCoreApplication::applicationPid());
    QCOMPARE(other.consoleLog(), "\n[✗] " + busy + "\n");

    QTest::qWait(800);
    QCOMPARE(manager.consoleLog().count(line), 1);
    QVERIFY(processAlive(m_fake->pid(1)));
    QCOMPARE(manager.state().kind(), SteamCMDState::Kind::Downloading);
    manager.cancel();
    QVERIFY(waitForRunFinished(manager));
    QCOMPARE(manager.progressDetail(), QString());
    // Released with the run's end: the other window's next start goes ahead.
    QVERIFY(m_fake->setScenario(Scenario::CachedLogin));
    other.startDownload("o'brien", FakeSteamCMD::kPassword);
    QVERIFY(waitForRunFinished(other));
    QCOMPARE(other.state(), SteamCMDState::completed());
}

QTEST_GUILESS_MAIN(TestSteamSignIn)
#include "tst_steamsignin.moc"
